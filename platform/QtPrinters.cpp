// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtPrinters.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>
#include <QFileDialog>
#include <QFontMetricsF>
#include <QPrinter>
#include <QPrinterInfo>

namespace {
// The program lays its printouts out for 66 line slots to a sheet.
constexpr int kSlotsPerSheet = 66;
// Characters the layout puts on a line.
constexpr int kColumns = 79;
constexpr qreal kSmallest = 4; // points

// Tabs as blanks up to the next multiple of eight characters.
QString expandTabs(const QString &text)
{
    if (!text.contains(u'\t'))
        return text;
    QString out;
    for (const QChar c : text) {
        if (c == u'\t')
            out.append(QString(8 - out.size() % 8, u' '));
        else
            out.append(c);
    }
    return out;
}
} // namespace

QFont printFont(QPaintDevice &device, qreal width, qreal pitch)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    // Judge the font by its advances, not by its fixed-pitch flag: fontconfig
    // leaves that flag off for some monospaced fonts (Noto Sans Mono).
    const QFontMetricsF cells(font, &device);
    if (cells.horizontalAdvance(u'i') != cells.horizontalAdvance(u'W')) {
        font.setFamily(QStringLiteral("monospace"));
        font.setStyleHint(QFont::TypeWriter);
        font.setFixedPitch(true);
    }
    // No ligatures ("fi", "->" in some coding fonts): every character keeps its cell.
    font.setStyleStrategy(QFont::PreferNoShaping);
    const QString line(kColumns, u'M');
    const auto fits = [&] {
        const QFontMetricsF m(font, &device);
        return m.horizontalAdvance(line) <= width && m.height() <= pitch;
    };
    // Scale from a trial size, then step down past any rounding of the metrics.
    constexpr qreal kTrial = 10;
    font.setPointSizeF(kTrial);
    const QFontMetricsF trial(font, &device);
    qreal size = kTrial * qMin(width / trial.horizontalAdvance(line), pitch / trial.height());
    font.setPointSizeF(qMax<qreal>(size, kSmallest));
    while (!fits() && size > kSmallest) {
        size = qMax(kSmallest, size - 0.1);
        font.setPointSizeF(size);
    }
    return font;
}

QtLinePrinter::QtLinePrinter(std::unique_ptr<QPrinter> printer, bool writeEmptyJob)
    : m_printer(std::move(printer)), m_writeEmptyJob(writeEmptyJob)
{
}

QtLinePrinter::~QtLinePrinter()
{
    if (m_begun && !m_ended)
        m_painter.end();
}

bool QtLinePrinter::begin()
{
    if (m_begun || m_failed)
        return !m_failed;
    if (!m_printer || !m_painter.begin(m_printer.get())) {
        m_failed = true;
        return false;
    }
    m_begun = true;
    // The painter's origin is the corner of the printable area (inside the margins).
    const QRectF area = m_printer->pageRect(QPrinter::DevicePixel);
    m_pitch = area.height() / kSlotsPerSheet;
    m_width = area.width();
    m_painter.setFont(printFont(*m_printer, m_width, m_pitch));
    m_painter.setPen(Qt::black);
    m_option = QTextOption(Qt::AlignLeft | Qt::AlignVCenter);
    m_option.setWrapMode(QTextOption::NoWrap);
    return true;
}

void QtLinePrinter::drawSlot(const QString &segment)
{
    if (m_slot >= kSlotsPerSheet) {
        if (!m_printer->newPage())
            m_failed = true;
        m_slot = 0;
    }
    if (!segment.isEmpty()) {
        const QString text = expandTabs(segment);
        const qreal top = m_slot * m_pitch;
        // A line wider than the paper (tabs spread out, characters wider
        // than the font's cell) is narrowed to fit rather than cut off.
        const qreal wide = m_painter.boundingRect(QRectF(0, 0, 1e9, m_pitch), text, m_option).width();
        if (wide > m_width) {
            m_painter.save();
            m_painter.translate(0, top);
            m_painter.scale(m_width / wide, 1);
            m_painter.drawText(QRectF(0, 0, wide, m_pitch), text, m_option);
            m_painter.restore();
        } else {
            m_painter.drawText(QRectF(0, top, m_width, m_pitch), text, m_option);
        }
    }
    ++m_slot;
}

void QtLinePrinter::line(const QString &text)
{
    if (m_ended || !begin())
        return;
    if (m_pageWanted) {
        m_pageWanted = false;
        if (!m_printer->newPage())
            m_failed = true;
        m_slot = 0;
    }
    // Each line feed closes a slot; what follows it goes into the next one.
    qsizetype from = 0;
    for (;;) {
        const qsizetype lf = text.indexOf(u'\n', from);
        if (lf < 0) {
            drawSlot(text.mid(from));
            break;
        }
        drawSlot(text.mid(from, lf - from));
        from = lf + 1;
    }
}

void QtLinePrinter::newPage()
{
    // Only marked: the sheet is started when a line follows.
    if (m_begun)
        m_pageWanted = true;
}

bool QtLinePrinter::endDoc()
{
    if (m_ended)
        return !m_failed;
    if (!m_begun && !m_failed && m_writeEmptyJob)
        begin();
    m_ended = true;
    if (!m_begun)
        return !m_failed;
    const bool ended = m_painter.end();
    return ended && !m_failed && m_printer->printerState() != QPrinter::Error;
}

bool QtPrinters::hasPrinter() const
{
    return !QPrinterInfo::defaultPrinter().isNull() || !QPrinterInfo::availablePrinters().isEmpty();
}

std::unique_ptr<LinePrinter> QtPrinters::defaultPrinter(const QString &jobName)
{
    QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        const QList<QPrinterInfo> all = QPrinterInfo::availablePrinters();
        if (all.isEmpty())
            return nullptr;
        info = all.constFirst();
    }
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    printer->setDocName(jobName);
    return std::make_unique<QtLinePrinter>(std::move(printer), false);
}

QString QtPrinters::askPdfFile(QWidget *parent, const QString &suggestedName)
{
    QFileDialog dialog(parent, QCoreApplication::translate("QtPrinters", "Print to PDF File"), QDir::homePath());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QCoreApplication::translate("QtPrinters", "PDF files (*.pdf)"));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.selectFile(suggestedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

std::unique_ptr<LinePrinter> QtPrinters::pdfPrinter(const QString &filePath, const QString &jobName)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(filePath);
    // A file has no printer whose margins it could take: use common ones.
    printer->setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    printer->setDocName(jobName);
    return std::make_unique<QtLinePrinter>(std::move(printer), true);
}
