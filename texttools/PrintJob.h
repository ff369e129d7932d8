// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/UiText.h"

#include <QString>

struct Platform;
class QWidget;

// Sending a printout to a printer, and what the user is told when that is
// not possible. A job is never passed off as printed when nothing was.
enum class PrintOutcome {
    Printed,   // sent to the printer, or written to the chosen PDF file
    Declined,  // no printer, and the user chose no PDF file
    NoPrinter, // no printer and no way to write a PDF file
    Failed,    // the printer or the file refused the job (the user was told)
};

// Messages of the printing layer.
namespace PrintMessages {
inline constexpr UiText NoPrinterAskPdf{
    "PrintMessages",
    QT_TRANSLATE_NOOP("PrintMessages", "No printer is installed. Do you want to print to a PDF file instead?")};
inline constexpr UiText NoPrinter{
    "PrintMessages", QT_TRANSLATE_NOOP("PrintMessages", "No printer is installed, so nothing was printed.")};
inline constexpr UiText PrinterFailed{"PrintMessages",
                                      QT_TRANSLATE_NOOP("PrintMessages", "The page could not be printed.")};
inline constexpr UiText PdfFailed{"PrintMessages",
                                  QT_TRANSLATE_NOOP("PrintMessages", "The PDF file could not be written.")};
} // namespace PrintMessages

// Prints `source` (spaces at both ends are dropped) on the default printer;
// without one, offers to write a PDF file instead. `pageName` names the job
// and the suggested PDF file.
PrintOutcome printOnDefaultPrinter(Platform &platform, QWidget *parent, const QString &source,
                                   const QString &pageName);
