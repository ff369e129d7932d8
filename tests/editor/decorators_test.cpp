// SPDX-License-Identifier: GPL-3.0-or-later
// The editing aids on the real main window: colouring, line numbers, the
// caret position, tag matching, and their switches.
#include "editor/TagCompletion.h"
#include "editor/TagMatch.h"
#include "editor/WordRuns.h"
#include "options/ModalDriver.h"
#include "options/frmOptions.h"
#include "support/EditorFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace {
using Sci = QsciScintillaBase;
const QByteArray kPage = "<p class=\"x\">hi &amp; there<!-- note --></p>\r\n"
                         "<script>var n = 1;</script>\r\n";

long sci(EditorFixture &f, unsigned int msg, unsigned long w = 0, long l = 0)
{
    return f.box().SendScintilla(msg, w, l);
}

QAction *item(const QList<QAction *> &items, const QString &caption)
{
    for (QAction *a : items)
        if (a && a->text() == caption)
            return a;
    return nullptr;
}

int styleAt(EditorFixture &f, qsizetype pos)
{
    sci(f, Sci::SCI_COLOURISE, 0, -1);
    return int(sci(f, Sci::SCI_GETSTYLEAT, pos));
}

enum Aid { Colour, Match, Numbers, Close, Complete };

// Whether the aid shows on the page kPage.
bool shows(EditorFixture &f, Aid aid)
{
    switch (aid) {
    case Colour: return styleAt(f, 1) != 0;
    case Numbers: return sci(f, Sci::SCI_GETMARGINWIDTHN, 0) > 0;
    case Match:
        f.box().setSelStart(1);
        QTest::qWait(TagMatch::kRestMs * 2);
        return sci(f, Sci::SCI_INDICATORVALUEAT, 9, 1) != 0 && f.editor->tagMatch()->highlighted().has_value();
    case Close:
    case Complete: {
        // Typed at the start and taken back.
        f.box().setSelStart(0);
        QTest::keyClicks(&f.box(), aid == Close ? "<i>" : "<d");
        const bool shown = aid == Close ? f.box().text().startsWith(QStringLiteral("<i></i>"))
                                        : f.editor->tagCompletion()->isListShown();
        QTest::keyClick(&f.box(), Qt::Key_Escape);
        f.box().undo();
        return shown;
    }
    }
    return false;
}

// Switches the aid the way the user does: Options for colouring and tag
// matching, the View menu for line numbers.
void switchAid(EditorFixture &f, Aid aid, bool on)
{
    if (aid == Numbers) {
        QAction *a = item(f.editor->mnuViewItem, QStringLiteral("Line &Numbers"));
        QCOMPARE(a->isChecked(), !on);
        a->trigger();
        QCOMPARE(a->isChecked(), on);
        return;
    }
    bool seen = false;
    whenModal<frmOptions>(
        [aid, on](frmOptions *d) {
            QCheckBox *boxes[] = {d->ColourHtml, d->MatchTags, nullptr, d->CloseTags, d->CompleteTags};
            boxes[aid]->setChecked(on);
            QTest::mouseClick(d->OptionBtn[0], Qt::LeftButton);
        },
        &seen);
    f.editor->mnuViewItem[5]->trigger();
    QVERIFY(seen);
}
} // namespace

class DecoratorsTest : public QObject {
    Q_OBJECT
private slots:
    void colouredParts_data()
    {
        QTest::addColumn<QByteArray>("part");
        QTest::newRow("tag") << QByteArray("<p");
        QTest::newRow("attribute") << QByteArray("class");
        QTest::newRow("attribute value") << QByteArray("\"x\"");
        QTest::newRow("entity") << QByteArray("&amp;");
        QTest::newRow("comment") << QByteArray("<!-- note");
        QTest::newRow("script word") << QByteArray("var");
        QTest::newRow("declaration") << QByteArray("DOCTYPE");
        QTest::newRow("declaration's name") << QByteArray("html");
    }
    void colouredParts()
    {
        QFETCH(QByteArray, part);
        const QByteArray page = "<!DOCTYPE html>\r\n" + kPage;
        EditorFixture f;
        f.page("a.htm", page);
        f.start();
        const int plain = styleAt(f, page.indexOf("there"));
        QCOMPARE(plain, 0);
        const int style = styleAt(f, page.indexOf(part) + 1);
        QVERIFY(style != plain);
        QVERIFY(sci(f, Sci::SCI_STYLEGETFORE, style) != sci(f, Sci::SCI_STYLEGETFORE, plain));
        // The bytes are what the page holds, coloured or not.
        QCOMPARE(f.box().bytes(), page);
    }

    // A jump to the end of a big page colours it in steps in idle time:
    // once they are done, the page shown has the colours that colouring it
    // at once gives.
    void colouredInStepsAsAtOnce()
    {
        EditorFixture f;
        f.page("a.htm", kPage.repeated(60000)); // 4 MB
        f.start();
        f.editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.editor.get()));
        QTest::keyClick(&f.box(), Qt::Key_End, Qt::ControlModifier);
        f.box().viewport()->repaint();
        const long length = sci(f, Sci::SCI_GETLENGTH);
        QVERIFY(sci(f, Sci::SCI_GETENDSTYLED) < length / 2); // not at once
        QTRY_VERIFY_WITH_TIMEOUT(sci(f, Sci::SCI_GETENDSTYLED) >= length - 200, 20000);
        f.box().viewport()->repaint();
        QByteArray inSteps;
        for (long pos = length - 3000; pos < length; ++pos)
            inSteps += char(sci(f, Sci::SCI_GETSTYLEAT, pos));
        sci(f, Sci::SCI_CLEARDOCUMENTSTYLE);
        sci(f, Sci::SCI_COLOURISE, 0, -1);
        for (long pos = length - 3000; pos < length; ++pos)
            QCOMPARE(int(sci(f, Sci::SCI_GETSTYLEAT, pos)), int(inSteps[int(pos - (length - 3000))]));
    }

    // A page with a line too long to colour on every keystroke (minified
    // markup) stays plain, whatever page was shown before.
    void longLinesStayPlain_data()
    {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<bool>("coloured");
        QTest::newRow("short lines") << kPage.repeated(2000) << true;
        QTest::newRow("a long line") << kPage + QByteArray("<p>a word</p>").repeated(3000) << false;
    }
    void longLinesStayPlain()
    {
        QFETCH(QByteArray, page);
        QFETCH(bool, coloured);
        EditorFixture f;
        f.page("a.htm", kPage);
        f.page("b.htm", page);
        f.start();
        QVERIFY(styleAt(f, 1) != 0);
        f.editor->pageList()->setCurrentIndex(1);
        emit f.editor->pageList()->activated(1);
        QCOMPARE(f.box().bytes(), page);
        QCOMPARE(styleAt(f, 1) != 0, coloured);
    }

    // Every part stands out from the background, on a light and a dark theme.
    void readableOnThePalette_data()
    {
        QTest::addColumn<QColor>("base");
        QTest::addColumn<QColor>("text");
        QTest::newRow("light") << QColor(Qt::white) << QColor(Qt::black);
        QTest::newRow("dark") << QColor(0x1e, 0x1e, 0x1e) << QColor(0xdd, 0xdd, 0xdd);
    }
    void readableOnThePalette()
    {
        QFETCH(QColor, base);
        QFETCH(QColor, text);
        const QPalette saved = QApplication::palette();
        QPalette palette = saved;
        palette.setColor(QPalette::Base, base);
        palette.setColor(QPalette::Text, text);
        QApplication::setPalette(palette);
        EditorFixture f;
        f.page("a.htm", kPage);
        f.start();
        QApplication::setPalette(saved);
        const auto lightness = [](long bgr) { return QColor(bgr & 0xff, (bgr >> 8) & 0xff, bgr >> 16).lightness(); };
        for (const char *part : {"there", "<p", "class", "\"x\"", "&amp;", "<!-- note", "var", " n ="}) {
            const int style = styleAt(f, kPage.indexOf(part) + 1);
            const int contrast =
                lightness(sci(f, Sci::SCI_STYLEGETFORE, style)) - lightness(sci(f, Sci::SCI_STYLEGETBACK, style));
            QVERIFY2(qAbs(contrast) > 80, part);
            QCOMPARE(contrast > 0, base.lightness() < 128);
        }
    }

    void switchedAndRemembered_data()
    {
        QTest::addColumn<int>("aid");
        QTest::newRow("colouring") << int(Colour);
        QTest::newRow("tag matching") << int(Match);
        QTest::newRow("line numbers") << int(Numbers);
        QTest::newRow("end tags") << int(Close);
        QTest::newRow("completion") << int(Complete);
    }
    void switchedAndRemembered()
    {
        QFETCH(int, aid);
        EditorFixture f;
        f.page("a.htm", kPage);
        f.start();
        QVERIFY(shows(f, Aid(aid))); // on by default
        for (bool on : {false, true}) {
            switchAid(f, Aid(aid), on);
            QCOMPARE(shows(f, Aid(aid)), on);
            QCOMPARE(f.box().bytes(), kPage);
            f.editor.reset();
            f.start();
            QCOMPARE(shows(f, Aid(aid)), on);
            QCOMPARE(item(f.editor->mnuViewItem, QStringLiteral("Line &Numbers"))->isChecked(),
                     aid != Numbers || on);
        }
        // Off leaves no trace: every character in the plain style or its
        // look-alike of the word runs.
        if (aid == Colour) {
            switchAid(f, Colour, false);
            for (qsizetype i = 0; i < kPage.size(); ++i) {
                const uchar style = uchar(styleAt(f, i));
                QVERIFY(style == WordRuns::kFirst || style == WordRuns::kSecond);
            }
        }
    }

    void lineNumberMarginFitsTheLastLine()
    {
        EditorFixture f;
        f.page("a.htm", QByteArray("x\n").repeated(99));
        f.page("b.htm", QByteArray("x\n").repeated(99999));
        f.start();
        const long narrow = sci(f, Sci::SCI_GETMARGINWIDTHN, 0);
        f.editor->pageList()->setCurrentIndex(1);
        emit f.editor->pageList()->activated(1);
        QVERIFY(sci(f, Sci::SCI_GETMARGINWIDTHN, 0) > narrow);
    }

    void caretPosition_data()
    {
        QTest::addColumn<QByteArray>("eol");
        QTest::newRow("CR LF") << QByteArray("\r\n");
        QTest::newRow("LF") << QByteArray("\n");
        QTest::newRow("CR") << QByteArray("\r");
    }
    void caretPosition()
    {
        QFETCH(QByteArray, eol);
        EditorFixture f;
        f.page("a.htm", "one" + eol + "t\tx\xc3\xa9yz" + eol + "end");
        frmEditor &e = f.start();
        ScintillaTextBox &box = f.box();
        box.setFocus();
        const auto caretIs = [&](const char *expected) {
            QTRY_COMPARE(e.CaretText->text(), QString::fromLatin1(expected));
        };
        caretIs("Ln 1, Col 1");
        QTest::keyClick(&box, Qt::Key_Down);
        QTest::keyClick(&box, Qt::Key_End);
        caretIs("Ln 2, Col 7"); // the tab and the accented letter count one each
        QTest::keyClick(&box, Qt::Key_Left);
        QTest::keyClick(&box, Qt::Key_Left);
        caretIs("Ln 2, Col 5");
        QTest::keyClick(&box, Qt::Key_End, Qt::ControlModifier);
        caretIs("Ln 3, Col 4");
        QTest::keyClicks(&box, "ss");
        caretIs("Ln 3, Col 6");
        // Text taken away before the caret.
        QTest::keyClick(&box, Qt::Key_Home);
        QTest::keyClick(&box, Qt::Key_Delete);
        QTest::keyClick(&box, Qt::Key_End);
        caretIs("Ln 3, Col 5");
        // A click into the middle of the first line.
        const long pos = sci(f, Sci::SCI_POSITIONFROMLINE, 0) + 2;
        const QPoint at(int(sci(f, Sci::SCI_POINTXFROMPOSITION, 0, pos)) + 1,
                        int(sci(f, Sci::SCI_POINTYFROMPOSITION, 0, pos)) + 2);
        QTest::mouseClick(box.viewport(), Qt::LeftButton, {}, at);
        caretIs("Ln 1, Col 3");
        // At the right end of the status bar, clear of the status text.
        QVERIFY(e.Status->text().startsWith(QStringLiteral("Current Project:")));
        QVERIFY(e.CaretText->x() > e.Status->x() + e.Status->fontMetrics().horizontalAdvance(e.Status->text()));
        QVERIFY(e.CaretText->geometry().right() < e.StatusBar1->width());
        QVERIFY(e.CaretText->isVisible());
    }

    void matchingTagsOfNestedElements()
    {
        EditorFixture f;
        const QByteArray page = "<div><DIV id=in><p>x</p></div>\r\n</div>";
        f.page("a.htm", page);
        frmEditor &e = f.start();
        ScintillaTextBox &box = f.box();
        box.setFocus();
        const int inner = page.indexOf("<DIV"), innerEnd = page.indexOf("</div>");
        box.setSelStart(inner + 2);
        QTRY_VERIFY(e.tagMatch()->highlighted().has_value());
        QCOMPARE(e.tagMatch()->highlighted()->partner.start, innerEnd);
        QVERIFY(sci(f, Sci::SCI_INDICATORVALUEAT, 9, innerEnd + 1) != 0);
        QVERIFY(sci(f, Sci::SCI_INDICATORVALUEAT, 9, page.lastIndexOf("</div>") + 1) == 0);
        // Ctrl+M goes to the partner and back.
        QAction *go = item(e.mnuEditItem, QStringLiteral("Go To &Matching Tag"));
        QCOMPARE(go, e.mnuEditItem.last());
        QCOMPARE(go->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_M));
        QTest::keyClick(&box, Qt::Key_M, Qt::ControlModifier);
        QCOMPARE(box.selStart(), innerEnd);
        QTest::keyClick(&box, Qt::Key_M, Qt::ControlModifier);
        QCOMPARE(box.selStart(), inner);
        QCOMPARE(box.bytes(), page);
        // Outer pair.
        box.setSelStart(page.size());
        go->trigger();
        QCOMPARE(box.selStart(), 0);
    }

    // On a big page the highlight looks near the caret only; the jump looks everywhere.
    void partnersFarApart()
    {
        EditorFixture f;
        const QByteArray page = "<b>" + QByteArray(TagMatch::kHighlightReach + 10, 'x') + "</b><i>y</i>";
        f.page("a.htm", page);
        frmEditor &e = f.start();
        ScintillaTextBox &box = f.box();
        box.setSelStart(page.indexOf("<i>"));
        QTRY_VERIFY(e.tagMatch()->highlighted().has_value());
        QCOMPARE(e.tagMatch()->highlighted()->partner.start, page.lastIndexOf("</i>"));
        box.setSelStart(0);
        QTest::qWait(TagMatch::kRestMs * 3); // the caret has rested: the search ran and found nothing near
        QVERIFY(!e.tagMatch()->highlighted().has_value());
        QTest::keyClick(&box, Qt::Key_M, Qt::ControlModifier);
        QCOMPARE(box.selStart(), page.indexOf("</b>"));
    }
};

QTEST_MAIN(DecoratorsTest)
#include "decorators_test.moc"
