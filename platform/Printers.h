// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/LinePrinter.h"

#include <QString>

#include <memory>

class QWidget;

// The printers the program can send a printout to.
class PrinterProvider {
public:
    virtual ~PrinterProvider() = default;

    // Whether the system has a printer to print on.
    virtual bool hasPrinter() const = 0;
    // A job on the default printer (or the first one when none is marked as
    // default); nullptr when there is none.
    virtual std::unique_ptr<LinePrinter> defaultPrinter(const QString &jobName) = 0;

    // Asks where to write a PDF file; empty when cancelled. `suggestedName`
    // is a bare file name such as "index.pdf".
    virtual QString askPdfFile(QWidget *parent, const QString &suggestedName) = 0;
    // A job that writes a PDF file at `filePath`.
    virtual std::unique_ptr<LinePrinter> pdfPrinter(const QString &filePath, const QString &jobName) = 0;
};
