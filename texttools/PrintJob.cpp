// SPDX-License-Identifier: GPL-3.0-or-later
#include "texttools/PrintJob.h"

#include "platform/MessageBoxes.h"
#include "platform/Platform.h"
#include "platform/Printers.h"
#include "texttools/PrintLayout.h"

#include <QFileInfo>

PrintOutcome printOnDefaultPrinter(Platform &platform, QWidget *parent, const QString &source,
                                   const QString &pageName)
{
    const QString text = PrintLayout::trimSpaces(source);
    const QString jobName = pageName.isEmpty() ? QStringLiteral("Tagsmith") : pageName;
    PrinterProvider *printers = platform.printers;

    std::unique_ptr<LinePrinter> printer;
    if (printers && printers->hasPrinter())
        printer = printers->defaultPrinter(jobName);
    if (printer) {
        if (PrintLayout::printText(text, *printer))
            return PrintOutcome::Printed;
        platform.messages.inform(parent, PrintMessages::PrinterFailed, QStringLiteral("Tagsmith"),
                                 MessageRequest::Icon::Exclamation);
        return PrintOutcome::Failed;
    }

    if (!printers) {
        platform.messages.inform(parent, PrintMessages::NoPrinter, QStringLiteral("Tagsmith"),
                                 MessageRequest::Icon::Exclamation);
        return PrintOutcome::NoPrinter;
    }
    if (!platform.messages.confirm(parent, PrintMessages::NoPrinterAskPdf))
        return PrintOutcome::Declined;
    const QString base = pageName.isEmpty() ? QStringLiteral("Tagsmith") : QFileInfo(pageName).completeBaseName();
    const QString file = printers->askPdfFile(parent, base + QStringLiteral(".pdf"));
    if (file.isEmpty())
        return PrintOutcome::Declined;
    std::unique_ptr<LinePrinter> pdf = printers->pdfPrinter(file, jobName);
    if (pdf && PrintLayout::printText(text, *pdf))
        return PrintOutcome::Printed;
    platform.messages.inform(parent, PrintMessages::PdfFailed, QStringLiteral("Tagsmith"),
                             MessageRequest::Icon::Exclamation);
    return PrintOutcome::Failed;
}
