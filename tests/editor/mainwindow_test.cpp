// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's start-up, page list, page switching and closing.
#include "core/SettingsKeys.h"
#include "editor/ImageButton.h"
#include "support/EditorFixture.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QtTest>

namespace {
const QString S = QStringLiteral("Settings");

// Picks a page in the list the way the user does.
void choose(frmEditor &e, int index)
{
    e.pageList()->setCurrentIndex(index);
    emit e.pageList()->activated(index);
}
} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void startsInDefaultProjectWithFirstPage()
    {
        EditorFixture f;
        f.page("b.htm", "<TITLE>Bee</TITLE>");
        f.page("A.htm", "<TITLE>Ay</TITLE>");
        frmEditor &e = f.start();
        QVERIFY(QFileInfo(f.app.path() + "/project/default").isDir());
        QCOMPARE(e.Status->text(), QStringLiteral("Current Project:  [Default]"));
        QCOMPARE(e.pageList()->count(), 2);
        QCOMPARE(e.currentPageName(), QStringLiteral("A.htm"));
        QCOMPARE(e.windowTitle(), QStringLiteral("Ay - Tagsmith"));
        QCOMPARE(f.state.CurrentPagePath, f.app.path() + "/project/default/A.htm");
        QVERIFY(f.box().isEnabled());
        QVERIFY(f.fake.messages.shown.isEmpty());
    }

    void emptyProjectShowsNoPageState()
    {
        EditorFixture f;
        frmEditor &e = f.start();
        QCOMPARE(e.windowTitle(), QStringLiteral("Tagsmith"));
        QCOMPARE(f.box().text(), QStringLiteral("Before you can edit you must add a page."));
        QVERIFY(!f.box().isEnabled());
        QVERIFY(!e.pageList()->isEnabled());
        QVERIFY(!e.BtnSave->isEnabled());
        QVERIFY(!e.BtnPaste->isEnabled());
        // Nothing was written anywhere.
        QCOMPARE(QDir(f.app.path() + "/project/default").entryList(QDir::Files), QStringList());
    }

    void switchingWritesThePageBack()
    {
        EditorFixture f;
        const QByteArray a("<TITLE>A</TITLE>\r\nline\rcr\nlf caf\xe9"); // Latin-1, mixed line ends
        const QByteArray b("<TITLE>B</TITLE>");
        f.page("a.htm", a);
        f.page("b.htm", b);
        frmEditor &e = f.start();
        choose(e, 1);
        // Nothing typed: the file is byte for byte what it was.
        QCOMPARE(f.app.read("project/default/a.htm"), a);
        QCOMPARE(e.windowTitle(), QStringLiteral("B - Tagsmith"));
        f.box().setSelStart(f.box().length());
        QTest::keyClicks(&f.box(), " more");
        choose(e, 0);
        QCOMPARE(f.app.read("project/default/b.htm"), b + " more");
        QCOMPARE(f.app.read("project/default/a.htm"), a);
        QCOMPARE(f.box().text(), QString::fromLatin1(a));
    }

    void missingStartProjectFallsBackOnce()
    {
        EditorFixture f;
        f.fake.settings.write(S, "DefaultProj", "Gone");
        f.fake.settings.write("Tools", SettingsKeys::toolCaption(1), "Tool");
        frmEditor &e = f.start();
        QCOMPARE(f.fake.messages.shown.size(), 1);
        const MessageRequest &m = f.fake.messages.shown[0];
        QCOMPARE(m.title, QStringLiteral("Start Error"));
        QCOMPARE(m.text, QStringLiteral("The project, Gone, no longer exists or there is an error accessing it.  "
                                        "Setting project to default."));
        QCOMPARE(f.fake.settings.read(S, "DefaultProj", ""), QStringLiteral("default"));
        QCOMPARE(f.state.CurrentProject, QStringLiteral("default"));
        // The tool slots are not loaded in this run.
        QVERIFY(f.state.ToolCaptions[1].isEmpty());
        QVERIFY(!e.mnuToolsItm[3]->isVisible());

        // The next start is silent.
        EditorFixture g;
        g.fake.settings.write(S, "DefaultProj", "default");
        g.start();
        QVERIFY(g.fake.messages.shown.isEmpty());
    }

    void toolSlotsFillTheToolsMenu()
    {
        EditorFixture f;
        f.fake.settings.write("Tools", "ToolCaption 1", "Notes");
        f.fake.settings.write("Tools", "ToolFilename 1", "/usr/bin/notes");
        f.fake.settings.write("Tools", "ToolCaption2", "Wrong key spelling");
        frmEditor &e = f.start();
        QCOMPARE(e.mnuToolsItm[3]->text(), QStringLiteral("Notes"));
        QVERIFY(e.mnuToolsItm[3]->isVisible());
        QVERIFY(!e.mnuToolsItm[4]->isVisible());
        QCOMPARE(f.state.ToolFilenames[1], QStringLiteral("/usr/bin/notes"));
        QVERIFY(f.state.ToolCaptions[2].isEmpty());
    }

    void closeBoxSavesPageAndPlacement()
    {
        EditorFixture f;
        f.page("a.htm", "old");
        frmEditor &e = f.start();
        f.box().setText("typed");
        e.close(); // closed by code: nothing saved
        QCOMPARE(f.app.read("project/default/a.htm"), QByteArray("old"));
        QVERIFY(!f.fake.settings.contains(S, "Height"));
        QVERIFY(!f.fake.end.ended());

        QVERIFY(e.ExitEditor(CloseReason::ControlMenu));
        QCOMPARE(f.app.read("project/default/a.htm"), QByteArray("typed"));
        const QRect p = e.placementTwips();
        QCOMPARE(f.fake.settings.read(S, "Height", ""), QString::number(p.height()));
        QCOMPARE(f.fake.settings.read(S, "Width", ""), QString::number(p.width()));
        QCOMPARE(f.fake.settings.read(S, "Top", ""), QString::number(p.y()));
        QCOMPARE(f.fake.settings.read(S, "Left", ""), QString::number(p.x()));
        QVERIFY(f.fake.end.ended());
    }

    void exitItemSavesPageButNotPlacement()
    {
        EditorFixture f;
        f.page("a.htm", "old");
        frmEditor &e = f.start();
        f.box().setText("typed");
        e.mnuFileItem[11]->trigger();
        QCOMPARE(f.app.read("project/default/a.htm"), QByteArray("typed"));
        QVERIFY(!f.fake.settings.contains(S, "Width"));
        QVERIFY(f.fake.end.ended());
    }

    void placementIsRestored()
    {
        EditorFixture f;
        f.fake.settings.write(S, "Width", "9000");
        f.fake.settings.write(S, "Height", "6000");
        f.fake.settings.write(S, "Left", "300");
        f.fake.settings.write(S, "Top", "450");
        frmEditor &e = f.start();
        const QRect p = e.placementTwips();
        QVERIFY(qAbs(p.width() - 9000) <= 15);
        QVERIFY(qAbs(p.height() - 6000) <= 15);
        QVERIFY(qAbs(p.x() - 300) <= 15);
        QVERIFY(qAbs(p.y() - 450) <= 15);
    }

    void tooWidePlacementComesBackSmall()
    {
        EditorFixture f;
        f.fake.settings.write(S, "Width", "9999999");
        f.fake.settings.write(S, "Height", "garbage");
        frmEditor &e = f.start();
        const QRect p = e.placementTwips();
        QVERIFY2(qAbs(p.width() - 6000) <= 15, qPrintable(QString::number(p.width())));
        QVERIFY2(qAbs(p.height() - 4000) <= 15, qPrintable(QString::number(p.height())));
    }

    void refreshKeepsEveryTitleCharacter()
    {
        EditorFixture f;
        f.page("a.htm", "<TITLE>Caf\xc3\xa9</TITLE>");
        frmEditor &e = f.start();
        QCOMPARE(e.windowTitle(), QStringLiteral("Caf - Tagsmith"));
        // Refresh rebuilds the list, which reopens the page; the file is what it was.
        e.RefreshSys();
        QCOMPARE(e.windowTitle(), QStringLiteral("Caf - Tagsmith"));
        QCOMPARE(f.app.read("project/default/a.htm"), QByteArray("<TITLE>Caf\xc3\xa9</TITLE>"));
    }

    void pageKeysSwitchAsTheListDoes_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("to");
        const int ctrl = Qt::ControlModifier, ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
        QTest::newRow("Ctrl+PgDn") << 1 << int(Qt::Key_PageDown) << ctrl << 2;
        QTest::newRow("Ctrl+PgUp") << 1 << int(Qt::Key_PageUp) << ctrl << 0;
        QTest::newRow("Ctrl+Tab") << 1 << int(Qt::Key_Tab) << ctrl << 2;
        QTest::newRow("Ctrl+Shift+Tab") << 1 << int(Qt::Key_Backtab) << ctrlShift << 0;
        QTest::newRow("round after the last") << 2 << int(Qt::Key_PageDown) << ctrl << 0;
        QTest::newRow("round before the first") << 0 << int(Qt::Key_Tab) << ctrlShift << 2;
    }
    void pageKeysSwitchAsTheListDoes()
    {
        QFETCH(int, from);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, to);
        EditorFixture f;
        const QStringList names{"a.htm", "b.htm", "c.htm"};
        for (const QString &name : names)
            f.page(name, name.toLatin1());
        frmEditor &e = f.start();
        choose(e, from);
        e.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&e));
        f.box().setFocus();
        f.box().setSelStart(f.box().length());
        QTest::keyClicks(&f.box(), "+typed");
        QTest::keyClick(&f.box(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(e.currentPageName(), names[to]);
        QCOMPARE(f.box().text(), names[to]);
        // The page left was written back, as after a pick in the list.
        QCOMPARE(f.app.read("project/default/" + names[from]), names[from].toLatin1() + "+typed");
        QCOMPARE(QApplication::focusWidget(), &f.box());
        // F6 puts the focus in the page list, where the arrow keys pick pages; F6 again goes back.
        QTest::keyClick(&f.box(), Qt::Key_F6);
        QCOMPARE(QApplication::focusWidget(), e.pageList());
        QTest::keyClick(e.pageList(), Qt::Key_F6);
        QCOMPARE(QApplication::focusWidget(), &f.box());
        e.hide(); // the editing area has the focus: see FindFixture
    }

    void toolbarFitsAtTheMinimumSize()
    {
        // Run at QT_SCALE_FACTOR 1, 1.5 and 2 (tests/CMakeLists.txt).
        EditorFixture f;
        f.fake.settings.write(S, "Width", "9999999"); // comes back at the minimum size
        frmEditor &e = f.start();
        QApplication::processEvents();
        const QRect bar = e.ToolBar1->rect();
        int left = e.pageList()->geometry().right();
        for (ImageButton *b : {e.BtnNew, e.BtnSave, e.BtnCut, e.BtnCopy, e.BtnPaste, e.BtnFind}) {
            QVERIFY2(b->isVisible() && bar.contains(b->geometry()), qPrintable(b->objectName()));
            QVERIFY2(b->x() > left, qPrintable(b->objectName()));
            left = b->geometry().right();
        }
        QVERIFY(e.pageList()->width() >= e.BtnNew->width() * 2);
        const QString shots = qEnvironmentVariable("TAGSMITH_SHOTS");
        if (!shots.isEmpty())
            e.grab().save(shots + "/minimum-size-" + qEnvironmentVariable("QT_SCALE_FACTOR", "1") + ".png");
    }

    void rebuildKeepsListPositionOrStepsBack()
    {
        EditorFixture f;
        f.page("a.htm", "A");
        f.page("b.htm", "B");
        f.page("c.htm", "C");
        frmEditor &e = f.start();
        choose(e, 2);
        QFile::remove(f.app.path() + "/project/default/c.htm");
        e.setPageLoaded(0);
        e.updatelist();
        QCOMPARE(e.currentPageName(), QStringLiteral("b.htm"));
        QCOMPARE(f.box().text(), QStringLiteral("B"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "mainwindow_test.moc"
