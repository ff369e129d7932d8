// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Printers.h"

#include <QFont>
#include <QPainter>
#include <QTextOption>

#include <memory>

class QPaintDevice;
class QPrinter;

// The font of printouts: the system's fixed-pitch font (the layout counts
// characters, and indentation must line up), as large as 79 characters fit
// `width` and a line fits `pitch`, both in the device's pixels.
QFont printFont(QPaintDevice &device, qreal width, qreal pitch);

// A line printer over a QPrinter (a real printer or a PDF file). The page's
// printable height is divided into 66 line slots, in the font above. A line feed
// prints nothing and moves on to the next slot, so a line starting with one
// gives a blank line; a line holding a line feed in its middle (pages with
// bare line feeds) goes on in the next slot. A page that runs out of slots
// continues on a new sheet. Tabs stop every eight characters; a
// line wider than the paper is narrowed to fit. The job begins with the first line; a new page
// asked for at the end of the document prints no blank sheet.
class QtLinePrinter : public LinePrinter {
public:
    // writeEmptyJob: produce one empty page when the document ends without a
    // line (a PDF file the user asked for should exist).
    QtLinePrinter(std::unique_ptr<QPrinter> printer, bool writeEmptyJob);
    ~QtLinePrinter() override;

    void line(const QString &text) override;
    void newPage() override;
    bool endDoc() override;

private:
    bool begin();
    void drawSlot(const QString &segment);

    std::unique_ptr<QPrinter> m_printer;
    QPainter m_painter;
    bool m_writeEmptyJob;
    bool m_begun = false;
    bool m_failed = false;
    bool m_ended = false;
    bool m_pageWanted = false;
    int m_slot = 0; // next free slot on the current sheet, 0-based
    qreal m_pitch = 0;
    qreal m_width = 0;
    QTextOption m_option;
};

// The system's printers through Qt PrintSupport.
class QtPrinters : public PrinterProvider {
public:
    bool hasPrinter() const override;
    std::unique_ptr<LinePrinter> defaultPrinter(const QString &jobName) override;
    QString askPdfFile(QWidget *parent, const QString &suggestedName) override;
    std::unique_ptr<LinePrinter> pdfPrinter(const QString &filePath, const QString &jobName) override;
};
