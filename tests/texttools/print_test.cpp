// SPDX-License-Identifier: GPL-3.0-or-later
// The Print dialog, the printing layer's choices, and a real PDF printout.
#include "platform/QtPrinters.h"
#include "support/EditorFixture.h"
#include "support/OnModal.h"
#include "support/FakePrinters.h"
#include "texttools/PrintJob.h"
#include "texttools/PrintLayout.h"
#include "texttools/frmPrint.h"

#include <QAction>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPrinter>
#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace {

struct PrintFixture : EditorFixture {
    explicit PrintFixture(const QByteArray &pageText)
    {
        fake.platform.printers = &printers;
        page("a.htm", pageText);
        start();
    }
    ~PrintFixture()
    {
        if (editor)
            editor->hide();
    }
    void printFromMenu(std::function<void(frmPrint &)> drive)
    {
        onModal<frmPrint>(drive);
        editor->mnuFileItem[6]->trigger();
    }
    FakePrinters printers;
};

QString sampleText()
{
    QString t = QStringLiteral("   <HTML>\r\n<HEAD>\r\n<TITLE>Printed by Tagsmith</TITLE>\r\n</HEAD>\r\n<BODY>\r\n");
    for (int i = 1; i <= 36; ++i)
        t += QStringLiteral("  <P>\tParagraph %1 of the sample page.</P>\r\n").arg(i);
    t += QString(120, u'#') + QStringLiteral("\r\n</BODY>\r\n</HTML>  ");
    return t;
}

int pdfPages(const QByteArray &pdf)
{
    return int(QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

// Share of dark pixels in the top part of a rendered page.
double inkInTop(const QImage &page, double share)
{
    int dark = 0, all = 0;
    for (int y = 0; y < int(page.height() * share); ++y)
        for (int x = 0; x < page.width(); ++x, ++all)
            dark += qGray(page.pixel(x, y)) < 128;
    return all ? double(dark) / all : 0;
}

} // namespace

class PrintTest : public QObject {
    Q_OBJECT
private slots:
    void dialogOffersSelectionOnlyWithOne()
    {
        FakePlatform fake;
        PlainTextBox box(QStringLiteral("<p>one</p>"));
        {
            frmPrint d(box, fake.platform, QStringLiteral("a.htm"));
            d.load();
            QCOMPARE(d.windowTitle(), QStringLiteral("Print"));
            QCOMPARE(d.Frame1->title(), QStringLiteral(" Print Range "));
            QCOMPARE(d.Option1->text(), QStringLiteral("All"));
            QCOMPARE(d.Option2->text(), QStringLiteral("Selection"));
            QCOMPARE(d.Command1->text(), QStringLiteral("&Print"));
            QCOMPARE(d.Command2->text(), QStringLiteral("&Cancel"));
            QVERIFY(d.Command1->isDefault());
            QVERIFY(d.Option1->isChecked());
            QVERIFY(!d.Option2->isEnabled());
        }
        box.setSelection(3, 3);
        frmPrint d(box, fake.platform, QStringLiteral("a.htm"));
        d.load();
        QVERIFY(d.Option2->isEnabled());
        QVERIFY(d.Option1->isChecked());
        d.show();
        if (QDir(QStringLiteral("/work/shots")).exists())
            d.grab().save(QStringLiteral("/work/shots/texttools-print.png"));
    }

    void printsPageOrSelectionFromTheMenu()
    {
        PrintFixture f("  <b>bold</b>\r\n  <i>x</i>  ");
        f.printFromMenu([](frmPrint &d) { QTest::mouseClick(d.Command1, Qt::LeftButton); });
        QCOMPARE(f.printers.ops, (QStringList{QStringLiteral("printer:a.htm"), QStringLiteral("line:<b>bold</b>"),
                                              QStringLiteral("line:\n  <i>x</i>"), QStringLiteral("endDoc")}));
        QVERIFY(f.fake.messages.shown.isEmpty());
        QVERIFY(!QApplication::activeModalWidget());

        f.printers.ops.clear();
        f.box().setSelection(0, 7); // "  <b>bo", blanks in front
        f.printFromMenu([](frmPrint &d) {
            QTest::mouseClick(d.Option2, Qt::LeftButton);
            QTest::keyClick(&d, Qt::Key_Return);
        });
        QCOMPARE(f.printers.ops, (QStringList{QStringLiteral("printer:a.htm"), QStringLiteral("line:<b>bo"),
                                              QStringLiteral("endDoc")}));

        f.printers.ops.clear();
        f.printFromMenu([](frmPrint &d) { QTest::mouseClick(d.Command2, Qt::LeftButton); });
        f.printFromMenu([](frmPrint &d) { QTest::keyClick(&d, Qt::Key_Escape); });
        QVERIFY(f.printers.ops.isEmpty());
    }

    void withoutPrinterOffersPdf()
    {
        FakePlatform fake;
        FakePrinters printers;
        printers.installed = false;
        fake.platform.printers = &printers;
        const QString text = QStringLiteral("line one");

        // Declined: nothing printed, nothing claimed.
        QCOMPARE(printOnDefaultPrinter(fake.platform, nullptr, text, QStringLiteral("index.htm")),
                 PrintOutcome::Declined);
        QCOMPARE(fake.messages.texts(), QStringList{PrintMessages::NoPrinterAskPdf});
        QCOMPARE(fake.messages.shown.constLast().icon, MessageRequest::Icon::Question);
        QCOMPARE(fake.messages.shown.constLast().buttons, MessageRequest::Buttons::YesNo);
        QVERIFY(printers.ops.isEmpty());

        // Yes, then the save dialog cancelled.
        fake.messages.answers.enqueue(MessageAnswer::Yes);
        QCOMPARE(printOnDefaultPrinter(fake.platform, nullptr, text, QStringLiteral("index.htm")),
                 PrintOutcome::Declined);
        QCOMPARE(printers.suggested, QStringList{QStringLiteral("index.pdf")});
        QVERIFY(printers.ops.isEmpty());

        // Yes and a file: the printout goes there.
        fake.messages.answers.enqueue(MessageAnswer::Yes);
        printers.pdfAnswers.enqueue(QStringLiteral("/tmp/out.pdf"));
        QCOMPARE(printOnDefaultPrinter(fake.platform, nullptr, text, QStringLiteral("index.htm")),
                 PrintOutcome::Printed);
        QCOMPARE(printers.ops, (QStringList{QStringLiteral("pdf:/tmp/out.pdf"), QStringLiteral("line:line one"),
                                            QStringLiteral("endDoc")}));

        // The file could not be written: said so.
        printers.ops.clear();
        printers.endResult = false;
        fake.messages.answers.enqueue(MessageAnswer::Yes);
        printers.pdfAnswers.enqueue(QStringLiteral("/tmp/out.pdf"));
        QCOMPARE(printOnDefaultPrinter(fake.platform, nullptr, text, QString()), PrintOutcome::Failed);
        QCOMPARE(fake.messages.texts().constLast(), PrintMessages::PdfFailed);
        QCOMPARE(printers.suggested.constLast(), QStringLiteral("Tagsmith.pdf"));

        // No printer layer at all.
        fake.platform.printers = nullptr;
        QCOMPARE(printOnDefaultPrinter(fake.platform, nullptr, text, QString()), PrintOutcome::NoPrinter);
        QCOMPARE(fake.messages.texts().constLast(), PrintMessages::NoPrinter);
        QCOMPARE(fake.messages.shown.constLast().icon, MessageRequest::Icon::Exclamation);
    }

    void printerFailureIsReported()
    {
        FakePlatform fake;
        FakePrinters printers;
        printers.endResult = false;
        fake.platform.printers = &printers;
        QCOMPARE(printOnDefaultPrinter(fake.platform, nullptr, QStringLiteral("x"), QStringLiteral("a.htm")),
                 PrintOutcome::Failed);
        QCOMPARE(fake.messages.texts(), QStringList{PrintMessages::PrinterFailed});
    }

    void printFontHoldsSeventyNineColumns_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("orientation");
        QTest::newRow("A4") << int(QPageSize::A4) << int(QPageLayout::Portrait);
        QTest::newRow("Letter") << int(QPageSize::Letter) << int(QPageLayout::Portrait);
        QTest::newRow("A4 landscape") << int(QPageSize::A4) << int(QPageLayout::Landscape);
    }
    void printFontHoldsSeventyNineColumns()
    {
        QFETCH(int, size);
        QFETCH(int, orientation);
        QTemporaryDir dir;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("x.pdf")));
        printer.setPageSize(QPageSize(QPageSize::PageSizeId(size)));
        printer.setPageOrientation(QPageLayout::Orientation(orientation));
        printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        const QRectF area = printer.pageRect(QPrinter::DevicePixel);
        const qreal pitch = area.height() / 66;
        const QFont font = printFont(printer, area.width(), pitch);
        const QFontMetricsF m(font, &printer);
        const qreal line = m.horizontalAdvance(QString(79, u'W'));
        QCOMPARE(m.horizontalAdvance(QString(79, u'i')), line); // indentation lines up
        QVERIFY(line <= area.width() && m.height() <= pitch);
        // As large as the paper allows: the line or the slot is nearly filled.
        QVERIFY(line > 0.9 * area.width() || m.height() > 0.9 * pitch);
    }

    void realPdfPrintout()
    {
        QTemporaryDir dir;
        QtPrinters qt;
        const QString file = dir.filePath(QStringLiteral("sample.pdf"));
        {
            auto printer = qt.pdfPrinter(file, QStringLiteral("sample.htm"));
            QVERIFY(PrintLayout::printText(PrintLayout::trimSpaces(sampleText()), *printer));
        }
        QFile pdf(file);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray bytes = pdf.readAll();
        QVERIFY(bytes.startsWith("%PDF"));
        // Printed in the fixed-pitch font.
        QString mono = QFontInfo(QFontDatabase::systemFont(QFontDatabase::FixedFont)).family();
        QVERIFY2(bytes.contains(mono.remove(u' ').toLatin1()), qPrintable(mono));
        // 44 lines with breaks: 33 on the first sheet, the rest on the second.
        QCOMPARE(pdfPages(bytes), 2);

        // A page with bare line feeds: 66 lines to a sheet.
        const QString lfFile = dir.filePath(QStringLiteral("lf.pdf"));
        {
            QString text;
            for (int i = 1; i <= 100; ++i)
                text += QStringLiteral("l%1\n").arg(i, 3, 10, QLatin1Char('0'));
            auto printer = qt.pdfPrinter(lfFile, QStringLiteral("lf.htm"));
            QVERIFY(PrintLayout::printText(text, *printer));
        }
        QFile lf(lfFile);
        QVERIFY(lf.open(QIODevice::ReadOnly));
        QCOMPARE(pdfPages(lf.readAll()), 2);

        // A sheet that runs out of slots (line feeds inside lines) goes on on
        // the next one instead of running off the paper; a new page asked for
        // at the very end gives no blank sheet.
        const QString overFile = dir.filePath(QStringLiteral("over.pdf"));
        {
            auto printer = qt.pdfPrinter(overFile, QStringLiteral("over"));
            for (int i = 0; i < 34; ++i)
                printer->line(QStringLiteral("\nx"));
            printer->newPage();
            QVERIFY(printer->endDoc());
        }
        QFile over(overFile);
        QVERIFY(over.open(QIODevice::ReadOnly));
        QCOMPARE(pdfPages(over.readAll()), 2);

        // An empty printout still gives the file the user asked for.
        const QString emptyFile = dir.filePath(QStringLiteral("empty.pdf"));
        QVERIFY(PrintLayout::printText(QString(), *qt.pdfPrinter(emptyFile, QStringLiteral("e"))));
        QVERIFY(QFileInfo(emptyFile).size() > 0);

        // A file that cannot be written is not reported as printed.
        QVERIFY(!PrintLayout::printText(QStringLiteral("x"),
                                        *qt.pdfPrinter(dir.filePath(QStringLiteral("no/such/dir/x.pdf")), {})));

        const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
        if (pdftoppm.isEmpty())
            QSKIP("pdftoppm is not installed: the printout was not rendered");
        const QString shots = QDir(QStringLiteral("/work/shots")).exists() ? QStringLiteral("/work/shots") : dir.path();
        const QString prefix = shots + QStringLiteral("/texttools-printout");
        QCOMPARE(QProcess::execute(pdftoppm, {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("60"), file,
                                              prefix}),
                 0);
        // The bare-line-feed printout too, to look at.
        QCOMPARE(QProcess::execute(pdftoppm, {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("60"),
                                              QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                                              QStringLiteral("1"), lfFile, prefix + QStringLiteral("-lf")}),
                 0);
        const QImage first(prefix + QStringLiteral("-1.png")), second(prefix + QStringLiteral("-2.png"));
        QVERIFY(!first.isNull());
        QVERIFY(!second.isNull());
        QVERIFY(inkInTop(first, 0.9) > 0.002);    // the first sheet is full of text
        QVERIFY(inkInTop(second, 0.3) > 0.001);   // the second has lines at its top
        QVERIFY(inkInTop(second.copy(0, second.height() / 2, second.width(), second.height() / 2), 1.0) < 0.0005);
    }
};

QTEST_MAIN(PrintTest)
#include "print_test.moc"
