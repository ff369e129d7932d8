// SPDX-License-Identifier: GPL-3.0-or-later
// The printout's layout: 79 characters to a line, 66 line slots to a page.
#include "support/FakePlatform.h"
#include "texttools/PrintLayout.h"

#include <QtTest>

namespace {
QStringList layout(const QString &text)
{
    RecordingPrinter printer;
    PrintLayout::printText(PrintLayout::trimSpaces(text), printer);
    return printer.ops;
}

QString lineOp(const QString &text) { return QStringLiteral("line:") + text; }
} // namespace

class PrintLayoutTest : public QObject {
    Q_OBJECT
private slots:
    void nothingToPrintEndsAtOnce()
    {
        QCOMPARE(layout(QString()), QStringList{QStringLiteral("endDoc")});
        QCOMPARE(layout(QStringLiteral("     ")), QStringList{QStringLiteral("endDoc")});
    }

    void longLineIsBrokenAfter79()
    {
        QString text;
        for (int i = 0; i < 200; ++i)
            text.append(QChar(u'a' + i % 26));
        const QStringList ops = layout(text);
        QCOMPARE(ops, (QStringList{lineOp(text.mid(0, 79)), lineOp(text.mid(79, 79)), lineOp(text.mid(158)),
                                   QStringLiteral("endDoc")}));
        QCOMPARE(text.mid(158).size(), 42);
        // Exactly 79 characters: one line, nothing empty after it.
        QCOMPARE(layout(text.left(79)), (QStringList{lineOp(text.left(79)), QStringLiteral("endDoc")}));
    }

    void fortyLinesFillOnePageAndSeven()
    {
        QString text;
        for (int i = 1; i <= 40; ++i)
            text += QStringLiteral("line %1\r\n").arg(i);
        const QStringList ops = layout(text);
        const int page = int(ops.indexOf(QStringLiteral("newPage")));
        QCOMPARE(page, 33);
        QCOMPARE(ops.count(QStringLiteral("newPage")), 1);
        QCOMPARE(ops.at(0), lineOp(QStringLiteral("line 1")));
        for (int i = 2; i <= 33; ++i)
            QCOMPARE(ops.at(i - 1), lineOp(QStringLiteral("\nline %1").arg(i)));
        // The second page: lines 34 to 40, then the line feed of the last break.
        const QStringList second = ops.mid(page + 1);
        QCOMPARE(second.size(), 7 + 2);
        for (int i = 34; i <= 40; ++i)
            QCOMPARE(second.at(i - 34), lineOp(QStringLiteral("\nline %1").arg(i)));
        QCOMPARE(second.at(7), lineOp(QStringLiteral("\n")));
        QCOMPARE(second.last(), QStringLiteral("endDoc"));
    }

    void breakInTheLastSlotStaysOnItsPage()
    {
        // 65 lines of 79 characters fill slots 1 to 65; a line ended by a
        // carriage return in slot 66 is printed before the new page starts.
        QString text = QString(65 * 79, u'x') + QStringLiteral("last\r\nnext");
        const QStringList ops = layout(text);
        QCOMPARE(ops.at(65), lineOp(QStringLiteral("last")));
        QCOMPARE(ops.at(66), QStringLiteral("newPage"));
        QCOMPARE(ops.mid(67), (QStringList{lineOp(QStringLiteral("\nnext")), QStringLiteral("endDoc")}));
        // A text that ends exactly with a full page asks for a new page and
        // ends the document there.
        const QStringList full = layout(QString(66 * 79, u'y'));
        QCOMPARE(full.size(), 66 + 2);
        QCOMPARE(full.mid(66), (QStringList{QStringLiteral("newPage"), QStringLiteral("endDoc")}));
    }

    void bareLineFeedsEndLines()
    {
        // One slot each, the line feed not printed; CR LF pages are unaffected.
        QCOMPARE(layout(QStringLiteral("\nab\ncd\n\nef")),
                 (QStringList{lineOp(QString()), lineOp(QStringLiteral("ab")), lineOp(QStringLiteral("cd")),
                              lineOp(QString()), lineOp(QStringLiteral("ef")), QStringLiteral("endDoc")}));
        QCOMPARE(layout(QStringLiteral("a\r\n\nb")),
                 (QStringList{lineOp(QStringLiteral("a")), lineOp(QStringLiteral("\n")), lineOp(QStringLiteral("b")),
                              QStringLiteral("endDoc")}));
        QString text;
        for (int i = 1; i <= 70; ++i)
            text += QStringLiteral("line %1\n").arg(i);
        const QStringList ops = layout(text);
        QCOMPARE(ops.indexOf(QStringLiteral("newPage")), 66);
        QCOMPARE(ops.at(65), lineOp(QStringLiteral("line 66")));
        QCOMPARE(ops.mid(67), (QStringList{lineOp(QStringLiteral("line 67")), lineOp(QStringLiteral("line 68")),
                                           lineOp(QStringLiteral("line 69")), lineOp(QStringLiteral("line 70")),
                                           QStringLiteral("endDoc")}));
    }

    void lastLineAndSpaces()
    {
        QCOMPARE(layout(QStringLiteral("one\r\ntwo")),
                 (QStringList{lineOp(QStringLiteral("one")), lineOp(QStringLiteral("\ntwo")), QStringLiteral("endDoc")}));
        // Spaces only at the ends go; indentation, tabs and blank lines stay.
        QCOMPARE(layout(QStringLiteral("   <ul>\r\n    <li>\r\n\t<b>  ")),
                 (QStringList{lineOp(QStringLiteral("<ul>")), lineOp(QStringLiteral("\n    <li>")),
                              lineOp(QStringLiteral("\n\t<b>")), QStringLiteral("endDoc")}));
        QCOMPARE(PrintLayout::trimSpaces(QStringLiteral(" \t a \r\n ")), QStringLiteral("\t a \r\n"));
        // An empty line between two breaks still takes its line.
        QCOMPARE(layout(QStringLiteral("a\r\n\r\nb")),
                 (QStringList{lineOp(QStringLiteral("a")), lineOp(QStringLiteral("\n")),
                              lineOp(QStringLiteral("\nb")), QStringLiteral("endDoc")}));
    }
};

QTEST_MAIN(PrintLayoutTest)
#include "printlayout_test.moc"
