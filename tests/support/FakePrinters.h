// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Printers.h"
#include "support/FakePlatform.h"

#include <QQueue>
#include <QStringList>

// Printers for tests: an installed default printer or none, and PDF files
// chosen from a script. Every job records its operations in `ops` behind a
// first entry naming it: "printer:<job>" or "pdf:<path>".
class FakePrinters : public PrinterProvider {
public:
    bool hasPrinter() const override { return installed; }
    std::unique_ptr<LinePrinter> defaultPrinter(const QString &jobName) override
    {
        if (!installed)
            return nullptr;
        ops << QStringLiteral("printer:") + jobName;
        return std::make_unique<Job>(*this);
    }
    QString askPdfFile(QWidget *, const QString &suggestedName) override
    {
        suggested << suggestedName;
        return pdfAnswers.isEmpty() ? QString() : pdfAnswers.dequeue();
    }
    std::unique_ptr<LinePrinter> pdfPrinter(const QString &filePath, const QString &) override
    {
        ops << QStringLiteral("pdf:") + filePath;
        return std::make_unique<Job>(*this);
    }

    bool installed = true;
    bool endResult = true;       // what endDoc answers
    QQueue<QString> pdfAnswers;  // empty = the save dialog was cancelled
    QStringList suggested;       // names offered in the save dialog
    QStringList ops;

private:
    struct Job : LinePrinter {
        explicit Job(FakePrinters &owner) : p(owner) {}
        void line(const QString &text) override { p.ops << QStringLiteral("line:") + text; }
        void newPage() override { p.ops << QStringLiteral("newPage"); }
        bool endDoc() override
        {
            p.ops << QStringLiteral("endDoc");
            return p.endResult;
        }
        FakePrinters &p;
    };
};
