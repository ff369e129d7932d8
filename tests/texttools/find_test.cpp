// SPDX-License-Identifier: GPL-3.0-or-later
// Find and Find Next driven as a user does: the Edit menu, the toolbar
// button, the Find dialog and F3.
#include "editor/ImageButton.h"
#include "support/EditorFixture.h"
#include "support/OnModal.h"
#include "texttools/HTMLFind.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace {

// Types the search text, sets the case box and presses "&Find".
void enter(HTMLFind &d, const QString &text, bool matchCase)
{
    d.Text1->selectAll();
    if (text.isEmpty())
        QTest::keyClick(d.Text1, Qt::Key_Delete);
    else
        QTest::keyClicks(d.Text1, text);
    d.Check1->setChecked(matchCase);
    QTest::mouseClick(d.Command1, Qt::LeftButton);
}

struct FindFixture : EditorFixture {
    explicit FindFixture(const QByteArray &pageText)
    {
        page("a.htm", pageText);
        start();
        QVERIFY(QTest::qWaitForWindowActive(editor.get()));
        box().setFocus(); // the Find command is offered while the editing area has the focus
        QTRY_VERIFY(findItem()->isEnabled());
    }
    // Hidden first: destroying the active window with the focus in the
    // editing area reports the focus loss to a half-destroyed frmEditor.
    ~FindFixture()
    {
        if (editor)
            editor->hide();
    }
    QAction *findItem() { return editor->mnuEditItem[5]; }
    QAction *nextItem() { return editor->mnuEditItem[6]; }
    void find(const QString &text, bool matchCase = false)
    {
        onModal<HTMLFind>([=](HTMLFind &d) { enter(d, text, matchCase); });
        findItem()->trigger();
    }
    void cancelFind()
    {
        onModal<HTMLFind>([](HTMLFind &d) { QTest::mouseClick(d.Command2, Qt::LeftButton); });
        findItem()->trigger();
    }
    // F3 pressed in the editing area. The offscreen platform has no window
    // manager to give the main window back its activation after a dialog.
    void pressF3()
    {
        editor->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(editor.get()));
        QTest::keyClick(&box(), Qt::Key_F3);
    }
    QStringList messages() const { return fake.messages.texts(); }
};

} // namespace

class FindTest : public QObject {
    Q_OBJECT
private slots:
    void matchCaseRules()
    {
        FindFixture f("<html><TABLE border=0>");
        QVERIFY(!f.nextItem()->isEnabled());
        f.find(QStringLiteral("table"));
        QCOMPARE(f.box().selStart(), 7);
        QCOMPARE(f.box().selectedText(), QStringLiteral("TABLE"));
        QCOMPARE(f.editor->findState().lastMatch, 8);
        QVERIFY(f.nextItem()->isEnabled());
        QVERIFY(f.messages().isEmpty());

        f.find(QStringLiteral("table"), true);
        QCOMPARE(f.messages(), QStringList{QStringLiteral("No matches found.")});
        const MessageRequest &box = f.fake.messages.shown.constLast();
        QCOMPARE(box.title, QStringLiteral("Tagsmith"));
        QCOMPARE(box.icon, MessageRequest::Icon::None);
        QCOMPARE(box.buttons, MessageRequest::Buttons::Ok);
        QCOMPARE(f.box().selLength(), 0);
        QCOMPARE(f.box().selStart(), 7); // collapsed to its start
        QCOMPARE(f.editor->findState().lastMatch, 0);
        QVERIFY(!f.nextItem()->isEnabled());
    }

    void clipboardKeysWorkAfterFind()
    {
        FindFixture f("hello world");
        frmEditor &e = *f.editor;
        // The usual way to Find: the Edit menu opened with nothing selected.
        emit e.mnuEdit->aboutToShow();
        QVERIFY(!e.mnuEditItem[1]->isEnabled());
        f.find(QStringLiteral("world"));
        QVERIFY(e.mnuEditItem[0]->isEnabled() && e.mnuEditItem[1]->isEnabled() && e.mnuEditItem[3]->isEnabled());
        QCOMPARE(e.BtnCopy->shownImage(), ImageButton::Image::Up);
        e.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&e));
        QTest::keyClick(&f.box(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(f.fake.clipboard.content, QStringLiteral("world"));
        QTest::keyClick(&f.box(), Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(f.box().text(), QStringLiteral("hello "));
        // Nothing is selected after the cut: the commands are off again.
        QVERIFY(!e.mnuEditItem[0]->isEnabled() && !e.mnuEditItem[1]->isEnabled() && !e.mnuEditItem[3]->isEnabled());
        QCOMPARE(e.BtnCut->shownImage(), ImageButton::Image::N);
        // A selection made with the keys, then typed over.
        QTest::keyClick(&f.box(), Qt::Key_Home, Qt::ShiftModifier);
        QVERIFY(e.mnuEditItem[1]->isEnabled());
        QCOMPARE(e.BtnCut->shownImage(), ImageButton::Image::Up);
        QTest::keyClicks(&f.box(), QStringLiteral("x"));
        QVERIFY(!e.mnuEditItem[1]->isEnabled());
        QCOMPARE(e.BtnCopy->shownImage(), ImageButton::Image::N);
        // Made by the program (a template replaces a selection).
        f.box().setSelection(0, 1);
        QVERIFY(e.mnuEditItem[1]->isEnabled());
        e.HTML->findChild<QAction *>(QStringLiteral("Bold"))->trigger();
        QVERIFY(!e.mnuEditItem[1]->isEnabled());
    }

    void cancelStillSearchesWithStoredText()
    {
        FindFixture f("abc abc");
        f.find(QStringLiteral("bc"));
        QCOMPARE(f.box().selStart(), 1);
        f.pressF3();
        QCOMPARE(f.box().selStart(), 5);
        // Typed, then cancelled: the stored text is searched again from the top.
        onModal<HTMLFind>([](HTMLFind &d) {
            QTest::keyClicks(d.Text1, QStringLiteral("zzz"));
            QTest::mouseClick(d.Command2, Qt::LeftButton);
        });
        f.findItem()->trigger();
        QCOMPARE(f.editor->findState().searchText, QStringLiteral("bc"));
        QCOMPARE(f.box().selStart(), 1);
        QCOMPARE(f.box().selLength(), 2);
        // Esc closes the dialog the same way.
        f.box().setSelStart(6);
        onModal<HTMLFind>([](HTMLFind &d) { QTest::keyClick(&d, Qt::Key_Escape); });
        f.findItem()->trigger();
        QCOMPARE(f.box().selStart(), 1);
        QVERIFY(f.messages().isEmpty());
    }

    void emptyTextOnFirstUse()
    {
        FindFixture f("some text");
        f.box().setSelection(2, 3);
        bool findWasEnabled = true;
        onModal<HTMLFind>([&](HTMLFind &d) {
            findWasEnabled = d.Command1->isEnabled();
            QTest::mouseClick(d.Command2, Qt::LeftButton);
        });
        f.findItem()->trigger();
        QVERIFY(!findWasEnabled);
        // Matches at the start with length 0: nothing selected, Find Next on.
        QCOMPARE(f.box().selStart(), 0);
        QCOMPARE(f.box().selLength(), 0);
        QCOMPARE(f.editor->findState().lastMatch, 1);
        QVERIFY(f.nextItem()->isEnabled());
        QVERIFY(f.messages().isEmpty());
    }

    void overlappingMatchesAndNoWrapAround()
    {
        FindFixture f("aaa");
        f.find(QStringLiteral("aa"));
        QCOMPARE(f.editor->findState().lastMatch, 1);
        QCOMPARE(f.box().selStart(), 0);
        f.pressF3();
        QCOMPARE(f.editor->findState().lastMatch, 2);
        QCOMPARE(f.box().selStart(), 1);
        QCOMPARE(f.box().selLength(), 2);
        f.pressF3();
        QCOMPARE(f.messages(), QStringList{QStringLiteral("No more matches found.")});
        QCOMPARE(f.box().selLength(), 0);
        QCOMPARE(f.box().selStart(), 1);
        QVERIFY(!f.nextItem()->isEnabled());
        // F3 does nothing now.
        f.pressF3();
        QCOMPARE(f.messages().size(), 1);
        QCOMPARE(f.box().selLength(), 0);
        // A new Find starts at the top again.
        f.find(QStringLiteral("aa"));
        QCOMPARE(f.box().selStart(), 0);
        QVERIFY(f.nextItem()->isEnabled());
    }

    void searchesTheCurrentText()
    {
        FindFixture f("x-x-x");
        f.find(QStringLiteral("x"));
        f.pressF3();
        QCOMPARE(f.editor->findState().lastMatch, 3);
        // Edited in between: the search runs on the new text from position 4.
        f.box().setText(QStringLiteral("xxxxxxx"));
        f.editor->mnuEditItem[6]->trigger();
        QCOMPARE(f.editor->findState().lastMatch, 4);
        QCOMPARE(f.box().selStart(), 3);
    }

    void propertiesBetweenFindAndFindNext()
    {
        FindFixture f("<p>a</p><p>b</p>");
        f.find(QStringLiteral("<p>"));
        QCOMPARE(f.box().selStart(), 0);
        bool shown = false;
        QTimer::singleShot(0, [&] {
            QWidget *w = QApplication::activeModalWidget();
            shown = w && w->objectName() == QStringLiteral("frmProperties");
            if (w)
                w->close();
        });
        f.editor->mnuFileItem[7]->trigger();
        QVERIFY(shown);
        QVERIFY(f.nextItem()->isEnabled());
        QCOMPARE(f.editor->findState().lastMatch, 1);
        f.pressF3();
        QCOMPARE(f.box().selStart(), 8);
        QCOMPARE(f.box().selLength(), 3);
    }

    void reopeningShowsStoredChoice()
    {
        FindFixture f("<b>Tab</b>");
        f.find(QStringLiteral("Tab"), true);
        QCOMPARE(f.box().selStart(), 3);
        QString shown, selected;
        bool ticked = false, enabled = false, emptiedEnabled = true;
        onModal<HTMLFind>([&](HTMLFind &d) {
            shown = d.Text1->text();
            selected = d.Text1->selectedText();
            ticked = d.Check1->isChecked();
            enabled = d.Command1->isEnabled();
            QTest::keyClick(d.Text1, Qt::Key_Delete);
            emptiedEnabled = d.Command1->isEnabled();
            QTest::keyClicks(d.Text1, QStringLiteral("b"));
            QTest::keyClick(d.Text1, Qt::Key_Return); // the default button
        });
        f.findItem()->trigger();
        QCOMPARE(shown, QStringLiteral("Tab"));
        QCOMPARE(selected, QStringLiteral("Tab"));
        QVERIFY(ticked);
        QVERIFY(enabled);
        QVERIFY(!emptiedEnabled);
        QCOMPARE(f.editor->findState().searchText, QStringLiteral("b"));
        QCOMPARE(f.editor->findState().matchCase, 1);
        QCOMPARE(f.box().selStart(), 1);
    }

    void dialogLooks()
    {
        FindState state;
        state.searchText = QStringLiteral("<table");
        HTMLFind d(state);
        d.load();
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        QCOMPARE(d.windowTitle(), QStringLiteral("Find"));
        QCOMPARE(d.Label1->text(), QStringLiteral("Find what:"));
        QCOMPARE(d.Check1->text(), QStringLiteral("Match &Case"));
        QCOMPARE(d.Command1->text(), QStringLiteral("&Find"));
        QCOMPARE(d.Command2->text(), QStringLiteral("&Cancel"));
        QVERIFY(d.Command1->isDefault());
        // A click on the label puts the caret in the text box.
        d.Check1->setFocus();
        QTRY_VERIFY(d.Check1->hasFocus());
        QTest::mouseClick(d.Label1, Qt::LeftButton);
        QTRY_VERIFY(d.Text1->hasFocus());
        const QString dir = QStringLiteral("/work/shots");
        if (QDir(dir).exists())
            d.grab().save(dir + QStringLiteral("/texttools-find.png"));
    }

    void toolbarButtonFinds()
    {
        FindFixture f("one two");
        onModal<HTMLFind>([](HTMLFind &d) { enter(d, QStringLiteral("TWO"), false); });
        QTest::mouseClick(f.editor->BtnFind, Qt::LeftButton);
        QCOMPARE(f.box().selStart(), 4);
        QCOMPARE(f.box().selLength(), 3);
    }
};

QTEST_MAIN(FindTest)
#include "find_test.moc"
