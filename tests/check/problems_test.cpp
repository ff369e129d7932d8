// SPDX-License-Identifier: GPL-3.0-or-later
// The Problems window, driven through the real main window and page files.
#include "check/ProblemsWindow.h"
#include "check/TextPoint.h"
#include "support/EditorFixture.h"

#include <QLabel>
#include <QTreeWidget>
#include <QtTest>

namespace {
QStringList rowTexts(const ProblemsWindow &w)
{
    QStringList out;
    for (QTreeWidgetItemIterator it(w.rows()); *it; ++it)
        out << (*it)->text(0);
    return out;
}

// The finished report of the window the main window opened.
ProblemsWindow *finished(frmEditor &e)
{
    auto *w = e.findChild<ProblemsWindow *>();
    if (w && !QTest::qWaitFor([w] { return !w->isChecking(); }, 5000))
        return nullptr;
    return w;
}

// Picks the row that starts with `text` and presses Return on it.
void pressReturnOn(ProblemsWindow &w, const QString &text)
{
    const auto found = w.rows()->findItems(text, Qt::MatchStartsWith | Qt::MatchRecursive);
    QVERIFY(!found.isEmpty());
    w.rows()->setCurrentItem(found.first());
    QTest::keyClick(w.rows(), Qt::Key_Return);
}

TextPoint caret(EditorFixture &f) { return textPoint(f.box().text(), f.box().selStart()); }
} // namespace

class ProblemsTest : public QObject {
    Q_OBJECT
private slots:
    void f7ListsTheProblemsAndReturnGoesThere()
    {
        EditorFixture f;
        f.page("index.htm", "<HTML>\r\n<BODY>\r\n<P>Hi <B FOO=1>there</B>\r\n<IMG SRC=\"logo.gif\">\r\n</BODY>\r\n</HTML>\r\n");
        frmEditor &e = f.start();
        e.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&e));
        // The text on screen is checked, saved or not.
        f.box().setSelStart(0);
        f.box().replaceSelection(QStringLiteral("\r\n"));
        QTest::keyClick(&f.box(), Qt::Key_F7);
        ProblemsWindow *w = finished(e);
        QVERIFY(w && w->isVisible());
        QCOMPARE(w->titleLine()->text(), QStringLiteral("index.htm: 1 error, 2 warnings, 0 notes"));
        QCOMPARE(rowTexts(*w), (QStringList{"Markup", "Line 3, Col 1: inserting missing 'title' element",
                                            "Line 4, Col 7: <b> proprietary attribute \"foo\"",
                                            "Links", "Line 5, Col 11: missing file: logo.gif"}));
        pressReturnOn(*w, QStringLiteral("Line 5"));
        QCOMPARE(caret(f).line, 5);
        QCOMPARE(caret(f).column, 11);
        QVERIFY(w->isVisible());

        // F7 in the Problems window checks again, the edit included: with
        // an HTML5 doctype the image needs its ALT.
        f.box().setSelStart(0);
        f.box().replaceSelection(QStringLiteral("<!DOCTYPE html>"));
        QTest::keyClick(w->rows(), Qt::Key_F7);
        QVERIFY(w->isChecking());
        QVERIFY(finished(e));
        QVERIFY(rowTexts(*w).contains("Line 5, Col 1: <img> lacks \"alt\" attribute"));
    }

    void projectLinksOpenTheirPage()
    {
        EditorFixture f;
        f.page("a.htm", "<HTML><BODY><A HREF=\"b.htm\">b</A></BODY></HTML>");
        f.page("b.htm", "<HTML><BODY>\n<A HREF=\"a.htm\">a</A> <IMG\n  SRC=\"gone.gif\"></BODY></HTML>");
        frmEditor &e = f.start();
        QAction *item = e.mnuToolsItm.last();
        QCOMPARE(item->text(), QStringLiteral("Check &Project Links"));
        item->trigger();
        ProblemsWindow *w = finished(e);
        QVERIFY(w);
        QCOMPARE(rowTexts(*w), (QStringList{"Links", "b.htm: Line 3, Col 8: missing file: gone.gif"}));
        QCOMPARE(e.currentPageName(), QStringLiteral("a.htm"));
        pressReturnOn(*w, QStringLiteral("b.htm"));
        QCOMPARE(e.currentPageName(), QStringLiteral("b.htm"));
        QCOMPARE(caret(f).line, 3);
        QCOMPARE(caret(f).column, 8);

        // The rows of a page check go to the page checked, wherever the editor is now.
        QTest::keyClick(&f.box(), Qt::Key_F7);
        QVERIFY(finished(e));
        QVERIFY(e.openPage(QStringLiteral("a.htm")));
        pressReturnOn(*w, QStringLiteral("Line 3, Col 8: missing file"));
        QCOMPARE(e.currentPageName(), QStringLiteral("b.htm"));
        QCOMPARE(caret(f).line, 3);
    }
};

QTEST_MAIN(ProblemsTest)
#include "problems_test.moc"
