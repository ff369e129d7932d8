// SPDX-License-Identifier: GPL-3.0-or-later
// Menus, toolbar and status bar of the main window.
#include "editor/ImageButton.h"
#include "support/EditorFixture.h"

#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

namespace {
const QString S = QStringLiteral("Settings");
QStringList captions(const QList<QAction *> &items)
{
    QStringList out;
    for (QAction *a : items)
        out << (a ? (a->isSeparator() ? QStringLiteral("-") : a->text()) : QStringLiteral("<none>"));
    return out;
}
} // namespace

class MenusTest : public QObject {
    Q_OBJECT
private slots:
    void menuTreeAndIndices()
    {
        EditorFixture f;
        frmEditor &e = f.start();
        QCOMPARE(captions(e.mnuFileItem),
                 (QStringList{"Project &Manager...", "-", "&New Page...", "&Delete Page...", "&Save Page", "-",
                              "&Print...", "P&roperties", "-", "&Preview in Web Browser", "-", "E&xit"}));
        QCOMPARE(captions(e.mnuEditItem),
                 (QStringList{"Cu&t", "&Copy", "&Paste", "&Delete", "-", "&Find...", "Find &Next", "-", "&Undo",
                              "&Redo", "-", "R&eplace...", "&Go To Line...", "Go To &Matching Tag"}));
        QCOMPARE(captions(e.mnuViewItem),
                 (QStringList{"&Tool Bar", "&Status Bar", "-", "&Refresh", "<none>", "&Options...",
                              "Line &Numbers", "Live &Preview"}));
        QCOMPARE(captions(e.mnuToolsItm).mid(0, 3), (QStringList{"&Check Spelling...", "-", "&Explore Project"}));
        QVERIFY(e.mnuToolsItm.size() >= 12);
        QCOMPARE(captions(e.mnuHelpItem),
                 (QStringList{"&Corvane Web Site", "&Tagsmith Web Site", "-", "&About Tagsmith"}));
        QStringList bar;
        for (QAction *a : e.menuBar()->actions())
            bar << a->text();
        QCOMPARE(bar, (QStringList{"&File", "&Edit", "&View", "&HTML", "&Tools", "&Help"}));

        QCOMPARE(e.mnuFileItem[2]->shortcut(), QKeySequence(Qt::SHIFT | Qt::Key_Insert));
        QCOMPARE(e.mnuFileItem[3]->shortcut(), QKeySequence(Qt::SHIFT | Qt::Key_Delete));
        QCOMPARE(e.mnuFileItem[9]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
        QCOMPARE(e.mnuEditItem[6]->shortcut(), QKeySequence(Qt::Key_F3));
        QCOMPARE(e.mnuFileItem[4]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
        QCOMPARE(e.mnuEditItem[5]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F));
        QCOMPARE(e.mnuEditItem[8]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
        QCOMPARE(e.mnuEditItem[9]->shortcuts(),
                 (QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Y),
                                      QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}));
        QCOMPARE(e.mnuEditItem[11]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_H));
        QCOMPARE(e.mnuEditItem[12]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_G));
        QVERIFY(!e.mnuEditItem[5]->isEnabled());
        QVERIFY(!e.mnuEditItem[6]->isEnabled());
        QVERIFY(e.mnuViewItem[0]->isChecked());
        QVERIFY(e.mnuViewItem[1]->isChecked());
    }

    void emptyProjectGreysPageCommands()
    {
        EditorFixture f;
        frmEditor &e = f.start();
        emit e.mnuFile->aboutToShow();
        for (int i : {3, 4, 6, 7, 9})
            QVERIFY2(!e.mnuFileItem[i]->isEnabled(), qPrintable(e.mnuFileItem[i]->text()));
        QVERIFY(e.mnuFileItem[0]->isEnabled());
        emit e.mnuEdit->aboutToShow();
        QVERIFY(!e.mnuEditItem[2]->isEnabled());
        QVERIFY(!e.BtnPaste->isEnabled());
        QCOMPARE(e.BtnPaste->shownImage(), ImageButton::Image::N);
    }

    void editRuleFollowsSelection()
    {
        EditorFixture f;
        f.page("a.htm", "hello world");
        frmEditor &e = f.start();
        emit e.mnuEdit->aboutToShow();
        QVERIFY(!e.mnuEditItem[0]->isEnabled());
        QVERIFY(!e.BtnCut->isEnabled());
        QVERIFY(e.mnuEditItem[2]->isEnabled());
        f.box().setSelection(0, 5);
        emit e.mnuEdit->aboutToShow();
        QVERIFY(e.mnuEditItem[0]->isEnabled());
        QVERIFY(e.mnuEditItem[1]->isEnabled());
        QVERIFY(e.mnuEditItem[3]->isEnabled());
        QCOMPARE(e.BtnCopy->shownImage(), ImageButton::Image::Up);
    }

    void clipboardCommands()
    {
        EditorFixture f;
        f.page("a.htm", "hello world");
        frmEditor &e = f.start();
        f.box().setSelection(0, 6);
        e.mnuEditItem[1]->trigger();
        QCOMPARE(f.fake.clipboard.content, QStringLiteral("hello "));
        QCOMPARE(f.box().text(), QStringLiteral("hello world"));
        e.mnuEditItem[0]->trigger();
        QCOMPARE(f.box().text(), QStringLiteral("world"));
        QCOMPARE(f.fake.clipboard.clears, 2);
        f.box().setSelStart(5);
        f.fake.clipboard.content = QStringLiteral("\r\nend\n");
        e.mnuEditItem[2]->trigger(); // pasted exactly, line ends as they are
        QCOMPARE(f.box().text(), QStringLiteral("world\r\nend\n"));
        f.box().setSelection(0, 5);
        e.mnuEditItem[3]->trigger();
        QCOMPARE(f.box().text(), QStringLiteral("\r\nend\n"));
        // The keys reach the same commands.
        e.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&e));
        f.box().setFocus();
        f.box().setSelection(2, 3);
        QTest::keyClick(&f.box(), Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(f.fake.clipboard.content, QStringLiteral("end"));
    }

    void savePageWritesText()
    {
        EditorFixture f;
        f.page("a.htm", "x");
        frmEditor &e = f.start();
        f.box().setText("saved\r\n");
        e.mnuFileItem[4]->trigger();
        QCOMPARE(f.app.read("project/default/a.htm"), QByteArray("saved\r\n"));
        f.box().setText("by button");
        QTest::mouseClick(e.BtnSave, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(f.app.read("project/default/a.htm"), QByteArray("by button"));
    }

    void deletePage()
    {
        EditorFixture f;
        f.page("a.htm", "A");
        f.page("b.htm", "B");
        frmEditor &e = f.start();
        e.pageList()->setCurrentIndex(1);
        emit e.pageList()->activated(1);
        // No: nothing changes.
        e.mnuFileItem[3]->trigger();
        QCOMPARE(f.fake.messages.texts(),
                 QStringList{"Are you sure you want to delete " + f.state.CurrentPagePath + "?"});
        QVERIFY(f.fake.messages.shown[0].defaultNo);
        QCOMPARE(e.pageList()->count(), 2);
        QCOMPARE(f.app.read("project/default/b.htm"), QByteArray("B"));
        // Yes on the last page: the one before it becomes current.
        f.box().setText("edited but deleted");
        f.fake.messages.answers.enqueue(MessageAnswer::Yes);
        e.mnuFileItem[3]->trigger();
        QVERIFY(!QFile::exists(f.app.path() + "/project/default/b.htm"));
        QCOMPARE(e.currentPageName(), QStringLiteral("a.htm"));
        QCOMPARE(f.box().text(), QStringLiteral("A"));
        // Find is on once the editing area had the focus; the focus is
        // elsewhere (a message box, the page list) when the page goes.
        e.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&e));
        f.box().setFocus();
        QVERIFY(e.mnuEditItem[5]->isEnabled());
        e.pageList()->setFocus();
        QVERIFY(e.mnuEditItem[5]->isEnabled());
        // The only page: the no-page state, and nothing written back.
        f.fake.messages.answers.enqueue(MessageAnswer::Yes);
        e.mnuFileItem[3]->trigger();
        QCOMPARE(e.pageList()->count(), 0);
        QCOMPARE(QDir(f.app.path() + "/project/default").entryList(QDir::Files), QStringList());
        QCOMPARE(e.windowTitle(), QStringLiteral("Tagsmith"));
        // No page, no Find.
        QVERIFY(!e.mnuEditItem[5]->isEnabled());
        QCOMPARE(e.BtnFind->shownImage(), ImageButton::Image::N);
    }

    void barsToggleAndComeBack()
    {
        EditorFixture f;
        f.page("a.htm", "A");
        frmEditor &e = f.start();
        const QRect before = f.box().geometry();
        e.mnuViewItem[0]->trigger();
        QCOMPARE(f.state.ChromeHeight, 230);
        QVERIFY(!e.mnuViewItem[0]->isChecked());
        QCOMPARE(f.fake.settings.read(S, "ToolBar", ""), QStringLiteral("1"));
        QCOMPARE(f.box().geometry().top(), 0);
        e.mnuViewItem[1]->trigger();
        QCOMPARE(f.state.ChromeHeight, 0);
        QCOMPARE(f.fake.settings.read(S, "StatusBar", ""), QStringLiteral("1"));
        QVERIFY(f.box().height() > before.height());
        e.mnuViewItem[0]->trigger();
        e.mnuViewItem[1]->trigger();
        QCOMPARE(f.state.ChromeHeight, 600);
        QCOMPARE(f.fake.settings.read(S, "ToolBar", ""), QStringLiteral("0"));
        QCOMPARE(f.fake.settings.read(S, "StatusBar", ""), QStringLiteral("0"));
        QVERIFY(e.mnuViewItem[0]->isChecked() && e.mnuViewItem[1]->isChecked());
        QCOMPARE(f.box().geometry(), before);
    }

    void hiddenBarsAreRestoredAtStart()
    {
        EditorFixture f;
        f.fake.settings.write(S, "ToolBar", "1");
        f.fake.settings.write(S, "StatusBar", "1");
        frmEditor &e = f.start();
        QCOMPARE(f.state.ChromeHeight, 0);
        QVERIFY(e.ToolBar1->isHidden());
        QVERIFY(e.StatusBar1->isHidden());
        QVERIFY(!e.mnuViewItem[0]->isChecked());
    }

    void shellItems()
    {
        EditorFixture f;
        frmEditor &e = f.start();
        emit e.mnuTools->aboutToShow();
        QCOMPARE(e.mnuToolsItm[2]->text(), QStringLiteral("&Explore Project"));
        e.mnuToolsItm[2]->trigger();
        e.mnuHelpItem[0]->trigger();
        e.mnuHelpItem[1]->trigger();
        QCOMPARE(f.fake.shell.opened.size(), 3);
        QCOMPARE(f.fake.shell.opened[0], f.app.path() + "/project/default");
        QVERIFY(f.fake.shell.opened[1].startsWith("http://"));
    }

    void buttonDraggedOffShowsUpAndDoesNotClick()
    {
        EditorFixture f;
        f.page("a.htm", "A");
        frmEditor &e = f.start();
        f.box().setText("changed");
        ImageButton *b = e.BtnSave;
        QTest::mousePress(b, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(b->shownImage(), ImageButton::Image::Dn);
        QMouseEvent move(QEvent::MouseMove, QPointF(b->width() + 10, 5), b->mapToGlobal(QPointF(b->width() + 10, 5)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(b, &move);
        QCOMPARE(b->shownImage(), ImageButton::Image::Up);
        QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(b->width() + 10, 5));
        QCOMPARE(b->shownImage(), ImageButton::Image::Up);
        QCOMPARE(f.app.read("project/default/a.htm"), QByteArray("A"));
    }

    void focusAndMouseUpUpdateButtons()
    {
        EditorFixture f;
        f.page("a.htm", "some text");
        frmEditor &e = f.start();
        e.activateWindow();
        f.box().setFocus();
        QApplication::processEvents();
        QVERIFY(e.BtnFind->isEnabled());
        QVERIFY(e.mnuEditItem[5]->isEnabled());
        f.box().setSelection(0, 4);
        QTest::mouseRelease(f.box().viewport(), Qt::LeftButton, {}, QPoint(200, 200));
        QVERIFY(e.BtnCut->isEnabled());
    }
};

QTEST_MAIN(MenusTest)
#include "menus_test.moc"
