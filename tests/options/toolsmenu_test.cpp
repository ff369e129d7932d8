// SPDX-License-Identifier: GPL-3.0-or-later
// The Tools menu items of the main window: custom tools and Explore Project.
#include "editor/Commands.h"
#include "support/EditorFixture.h"

#include <QAction>
#include <QtTest>

namespace {
const QString T = QStringLiteral("Tools");
}

class ToolsMenuTest : public QObject {
    Q_OBJECT
private slots:
    void toolStartsStoredProgram()
    {
        EditorFixture f;
        f.fake.settings.write(T, QStringLiteral("ToolCaption 1"), QStringLiteral("Notes"));
        f.fake.settings.write(T, QStringLiteral("ToolFilename 1"), QStringLiteral("/opt/My Tools/notes"));
        f.fake.settings.write(T, QStringLiteral("ToolCaption 2"), QStringLiteral("Grep"));
        f.fake.settings.write(T, QStringLiteral("ToolFilename 2"), QStringLiteral("/usr/bin/grep"));
        f.page("a.htm", "x");
        f.start();
        QCOMPARE(f.editor->mnuToolsItm[3]->text(), QStringLiteral("Notes"));
        f.editor->mnuToolsItm[3]->trigger();
        f.editor->mnuToolsItm[4]->trigger();
        QCOMPARE(f.fake.starter.started.size(), 2);
        // The path is passed whole (blanks included), with no arguments added.
        QCOMPARE(f.fake.starter.started[0].program, QStringLiteral("/opt/My Tools/notes"));
        QVERIFY(f.fake.starter.started[0].arguments.isEmpty());
        QCOMPARE(f.fake.starter.started[1].program, QStringLiteral("/usr/bin/grep"));
    }

    void programIsReadFromStoreNotTable()
    {
        EditorFixture f;
        f.page("a.htm", "x");
        f.start();
        // A tool only in memory (added in Options, not yet saved) is not started.
        f.state.ToolCaptions[1] = QStringLiteral("Unsaved");
        f.state.ToolFilenames[1] = QStringLiteral("/t/unsaved");
        Commands::startTool(*f.editor, 1);
        QVERIFY(f.fake.starter.started.isEmpty());
        // The stored path wins over the table.
        f.fake.settings.write(T, QStringLiteral("ToolFilename 1"), QStringLiteral("/t/stored"));
        Commands::startTool(*f.editor, 1);
        QCOMPARE(f.fake.starter.started.size(), 1);
        QCOMPARE(f.fake.starter.started[0].program, QStringLiteral("/t/stored"));
        // Slots outside 1..9 start nothing.
        f.fake.settings.write(T, QStringLiteral("ToolFilename 0"), QStringLiteral("/t/zero"));
        Commands::startTool(*f.editor, 0);
        Commands::startTool(*f.editor, 10);
        QCOMPARE(f.fake.starter.started.size(), 1);
    }

    void failedStartIsIgnored()
    {
        EditorFixture f;
        f.fake.settings.write(T, QStringLiteral("ToolCaption 1"), QStringLiteral("Broken"));
        f.fake.settings.write(T, QStringLiteral("ToolFilename 1"), QStringLiteral("/no/such/program"));
        f.page("a.htm", "kept");
        f.start();
        f.fake.starter.result = false;
        f.editor->mnuToolsItm[3]->trigger();
        QCOMPARE(f.fake.starter.started.size(), 1);
        QVERIFY(f.fake.messages.shown.isEmpty());
        QVERIFY(!f.fake.end.ended());
        QCOMPARE(f.box().text(), QStringLiteral("kept"));
    }

    void exploreProjectOpensFolder()
    {
        EditorFixture f;
        f.page("a.htm", "x");
        f.start();
        f.editor->mnuToolsItm[2]->trigger();
        QCOMPARE(f.fake.shell.opened, QStringList{f.app.path() + QStringLiteral("/project/default")});
        QVERIFY(f.fake.starter.started.isEmpty());
    }
};

QTEST_MAIN(ToolsMenuTest)
#include "toolsmenu_test.moc"
