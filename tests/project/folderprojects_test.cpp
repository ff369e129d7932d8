// SPDX-License-Identifier: GPL-3.0-or-later
// Folders opened as projects: the list kept in the settings, opening a page
// or folder from outside the projects root, and the Project Manager's entries.
#include "support/EditorFixture.h"
#include "support/ListText.h"

#include "core/Paths.h"
#include "editor/Commands.h"
#include "project/FolderProjects.h"
#include "project/ProjMan.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

namespace {
QStringList listed(const QComboBox *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->itemText(i);
    return out;
}
} // namespace

class FolderProjectsTest : public QObject {
    Q_OBJECT
private slots:
    // One key per folder; paths differing only in case stay apart; a folder
    // taken off the list or gone from the disk is not listed, and taking it
    // off touches nothing on disk.
    void rememberedInTheSettings()
    {
        QTemporaryDir top;
        const QString base = QFileInfo(top.path()).canonicalFilePath();
        for (const char *name : {"Site", "site", "zoo", "gone"})
            QVERIFY(QDir(base).mkpath(QString::fromLatin1(name)));
        MemorySettingsStore s;
        for (const char *name : {"zoo", "site", "Site", "gone", "site"})
            QVERIFY(FolderProjects::remember(s, base + u'/' + QString::fromLatin1(name)));
        QCOMPARE(s.writes, 4); // the second "site" is listed already
        QCOMPARE(s.keys(FolderProjects::Section).size(), 4);
        // A hand-made line that is not an absolute path under its own key is passed over.
        s.write(FolderProjects::Section, QStringLiteral("Folder 1"), base + QStringLiteral("/zoo"));
        s.write(FolderProjects::Section, QStringLiteral("Other"), QStringLiteral("relative"));
        QVERIFY(QDir(base).rmdir(QStringLiteral("gone")));
        QCOMPARE(FolderProjects::remembered(s), (QStringList{base + "/Site", base + "/site", base + "/zoo"}));
        QVERIFY(FolderProjects::forget(s, base + QStringLiteral("/Site")));
        QCOMPARE(FolderProjects::remembered(s), (QStringList{base + "/site", base + "/zoo"}));
        QVERIFY(QFileInfo(base + QStringLiteral("/Site")).isDir());
    }

    // A page or folder named at start: below the projects root its project,
    // anywhere else its folder as a project, remembered and on the status line.
    void openedAtStart_data()
    {
        QTest::addColumn<QString>("path");    // below the application directory
        QTest::addColumn<QString>("project"); // below the application directory when it has a "/"
        QTest::addColumn<QString>("shown");   // the page on screen
        QTest::newRow("page of a project") << "project/site/b.htm" << "site" << "b.htm";
        QTest::newRow("project folder") << "project/site" << "site" << "a.htm";
        QTest::newRow("page elsewhere") << "elsewhere/d.htm" << "/elsewhere" << "d.htm";
        QTest::newRow("folder elsewhere") << "elsewhere" << "/elsewhere" << "c.htm";
    }
    void openedAtStart()
    {
        QFETCH(QString, path);
        QFETCH(QString, project);
        QFETCH(QString, shown);
        EditorFixture f;
        f.page("a.htm", "<p>a</p>", QStringLiteral("site"));
        f.page("b.htm", "<p>b</p>", QStringLiteral("site"));
        f.app.write(QStringLiteral("elsewhere/c.htm"), "<p>c</p>");
        f.app.write(QStringLiteral("elsewhere/d.htm"), "<p>d</p>");
        const QString app = QFileInfo(f.app.path()).canonicalFilePath();
        const QString expected = project.startsWith(u'/') ? app + project : project;
        f.editor = std::make_unique<frmEditor>(f.state, f.fake.platform);
        f.editor->startPaths = {f.app.path() + u'/' + path};
        f.editor->load();
        QVERIFY(f.fake.messages.shown.isEmpty());
        QCOMPARE(f.state.CurrentProject, expected);
        QCOMPARE(f.editor->currentPageName(), shown);
        QCOMPARE(f.editor->Status->text(), QStringLiteral("Current Project:  [%1]").arg(expected));
        QCOMPARE(FolderProjects::remembered(f.fake.settings),
                 project.startsWith(u'/') ? QStringList{expected} : QStringList());
        QCOMPARE(f.state.CurrentPagePath, Paths::pagePath(f.state.projectsRoot, expected, shown));
    }

    // A folder project works as any project: its pages are written back into
    // the folder, a new page goes there, and it is offered in the Project Manager.
    void worksAsAProject()
    {
        EditorFixture f;
        f.page("a.htm", "<p>a</p>");
        const QString c = f.app.write(QStringLiteral("elsewhere/c.htm"), "<p>c</p>");
        f.app.write(QStringLiteral("elsewhere/e.htm"), "<p>e</p>");
        f.start();
        QTest::keyClicks(&f.box(), "x");
        // A drop of a folder: the page on screen goes back to its file first.
        QVERIFY(Commands::openPaths(*f.editor, {QFileInfo(c).absolutePath()}));
        QCOMPARE(f.app.read(QStringLiteral("project/default/a.htm")), QByteArray("x<p>a</p>"));
        QCOMPARE(listed(f.editor->pageList()), (QStringList{"c.htm", "e.htm"}));
        QTest::keyClicks(&f.box(), "y");
        QVERIFY(f.editor->openPage(QStringLiteral("e.htm")));
        QCOMPARE(f.app.read(QStringLiteral("elsewhere/c.htm")), QByteArray("y<p>c</p>"));

        // Listed after the projects below the root, by its path; Remove takes
        // it off the list and leaves the folder.
        ProjMan d(f.state, f.fake.platform, f.editor.get());
        d.load();
        const QString folder = f.state.CurrentProject;
        QCOMPARE(listed(d.List1), (QStringList{"default", folder}));
        QVERIFY(!d.Command3->isEnabled()); // "default" is preselected: no folder
        d.List1->setCurrentRow(1);
        QVERIFY(d.Command3->isEnabled());
        QTest::mouseClick(d.Command3, Qt::LeftButton);
        QCOMPARE(listed(d.List1), QStringList{"default"});
        QVERIFY(FolderProjects::remembered(f.fake.settings).isEmpty());
        QVERIFY(QFileInfo::exists(c));
    }

    // Anything else is named in one message; the first page or folder still opens.
    void otherPathsAreNamed()
    {
        EditorFixture f;
        f.page("a.htm", "<p>a</p>");
        const QString notes = f.app.write(QStringLiteral("elsewhere/notes.txt"), "notes");
        const QString c = f.app.write(QStringLiteral("elsewhere/c.htm"), "<p>c</p>");
        f.start();
        QVERIFY(!Commands::openPaths(*f.editor, {notes}));
        QVERIFY(Commands::openPaths(*f.editor, {f.app.path() + QStringLiteral("/gone.htm"), c}));
        QCOMPARE(f.fake.messages.shown.size(), 2);
        QVERIFY(f.fake.messages.texts()[0].contains(QDir::toNativeSeparators(notes)));
        QVERIFY(f.fake.messages.texts()[1].contains(QStringLiteral("gone.htm\" was not found")));
        QCOMPARE(f.editor->currentPageName(), QStringLiteral("c.htm"));
    }
};

QTEST_MAIN(FolderProjectsTest)
#include "folderprojects_test.moc"
