// SPDX-License-Identifier: GPL-3.0-or-later
// Project folders and pages on a case-sensitive file system.
#include "core/Paths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

namespace {
void touch(const QString &path)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
}
} // namespace

class PathsTest : public QObject {
    Q_OBJECT
private slots:
    void createsRootAndDefaultOnce()
    {
        QTemporaryDir app;
        QVERIFY(Paths::ensureProjectsRoot(app.path() + "/project"));
        QVERIFY(QFileInfo(app.path() + "/project/default").isDir());
        // A root spelled in capitals is used, not doubled.
        QTemporaryDir other;
        QDir(other.path()).mkpath("PROJECT/Default");
        touch(other.path() + "/default.htm");
        const QString root = Paths::projectsRoot(other.path(), "/unused");
        QCOMPARE(root, other.path() + "/PROJECT");
        QVERIFY(Paths::ensureProjectsRoot(root));
        QCOMPARE(QDir(other.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList{"PROJECT"});
        QCOMPARE(Paths::projectFolder(root, "default"), other.path() + "/PROJECT/Default");
        // A per-user root comes with its parents, as in a new home folder.
        QTemporaryDir home;
        QVERIFY(Paths::ensureProjectsRoot(home.path() + "/.local/share/TAGSMITH/project"));
        QVERIFY(QFileInfo(home.path() + "/.local/share/TAGSMITH/project/default").isDir());
        // A file where a folder must go is not replaced.
        QFile(home.path() + "/blocked").open(QIODevice::WriteOnly);
        QVERIFY(!Paths::ensureProjectsRoot(home.path() + "/blocked/project"));
    }

    void projectsBesideAPortableCopyElsePerUser()
    {
        QTemporaryDir app, data;
        // Installed (the data in share/tagsmith): per user, writable or not.
        QCOMPARE(Paths::projectsRoot(app.path(), data.path()), data.path() + "/TAGSMITH/project");
        // Never below /usr, whoever runs it.
        QCOMPARE(Paths::projectsRoot("/usr/lib/tagsmith", data.path()), data.path() + "/TAGSMITH/project");
        // A portable copy (default.htm beside it) keeps them beside itself.
        touch(app.path() + "/default.htm");
        QCOMPARE(Paths::projectsRoot(app.path(), data.path()), app.path() + "/project");
        // Root may write anywhere, so only another user sees a read-only folder.
        if (geteuid() == 0)
            QSKIP("run as root: every folder is writable (tests/e2e/install.sh checks this as another user)");
        QFile::setPermissions(app.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        QCOMPARE(Paths::projectsRoot(app.path(), data.path()), data.path() + "/TAGSMITH/project");
        QFile::setPermissions(app.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

    void dataBesideTheProgramElseInShare()
    {
        QTemporaryDir top;
        const QString program = top.path() + "/lib/tagsmith";
        QDir().mkpath(program);
        QCOMPARE(Paths::dataDir(program), top.path() + "/share/tagsmith");
        touch(program + "/default.htm");
        QCOMPARE(Paths::dataDir(program), program);
    }

    void namesResolveWithoutRegardToCase()
    {
        QTemporaryDir app;
        QDir(app.path()).mkpath("project/default");
        QDir(app.path()).mkpath("project/My Site");
        const QString root = app.path() + "/project";
        QCOMPARE(Paths::projectFolder(root, "Default"), root + "/default");
        QCOMPARE(Paths::projectFolder(root, "my site"), root + "/My Site");
        // Unknown names keep their spelling.
        QCOMPARE(Paths::projectFolder(root, "New"), root + "/New");
    }

    void pagesAreHtmFilesSortedWithoutCase()
    {
        QTemporaryDir app;
        const QString folder = app.path() + "/project/default";
        QDir().mkpath(folder);
        for (const char *name : {"b.htm", "A.HTML", "c.Htm", "notes.txt", "x.htmx", "index.html"})
            touch(folder + "/" + name);
        QDir().mkpath(folder + "/dir.htm");
        QCOMPARE(Paths::listPages(folder), (QStringList{"A.HTML", "b.htm", "c.Htm", "index.html"}));
        QVERIFY(Paths::listPages(app.path() + "/missing").isEmpty());
    }

    void projectsAreFoldersOnly()
    {
        QTemporaryDir app;
        const QString root = app.path() + "/project";
        QDir().mkpath(root + "/zeta");
        QDir().mkpath(root + "/Alpha");
        touch(root + "/readme.txt");
        QFile::link(root + "/zeta", root + "/link");
        QFile::link(root + "/readme.txt", root + "/filelink");
        QDir().mkpath(root + "/.git"); // hidden: skipped
        QCOMPARE(Paths::listProjects(root), (QStringList{"Alpha", "link", "zeta"}));
    }

    // A folder below the projects root is that project; any other folder is
    // a folder project named by its absolute path, links resolved.
    void foldersAsProjects()
    {
        QTemporaryDir top;
        const QString base = QFileInfo(top.path()).canonicalFilePath();
        const QString root = base + "/project";
        QDir(base).mkpath("project/site");
        QDir(base).mkpath("elsewhere/pages");
        QVERIFY(QFile::link(base + "/elsewhere/pages", base + "/link"));
        QVERIFY(QFile::link(base + "/elsewhere/pages", root + "/linked"));
        const QString pages = base + "/elsewhere/pages";
        QCOMPARE(Paths::projectOfFolder(root, root + "/site"), QString("site"));
        QCOMPARE(Paths::projectOfFolder(root, root + "/./site/"), QString("site"));
        QCOMPARE(Paths::projectOfFolder(root, root + "/linked"), QString("linked"));
        QCOMPARE(Paths::projectOfFolder(root, pages), pages);
        QCOMPARE(Paths::projectOfFolder(root, base + "/link"), pages);
        QCOMPARE(Paths::projectOfFolder(root, root + "/site/sub"), root + "/site/sub");
        // Every path is built on the folder itself.
        QVERIFY(Paths::isFolderProject(pages) && !Paths::isFolderProject("site"));
        QVERIFY(Paths::isProject(pages) && Paths::isProject("site") && !Paths::isProject("../x"));
        QCOMPARE(Paths::projectFolder(root, pages), pages);
        touch(pages + "/Index.HTM");
        QCOMPARE(Paths::pagePath(root, pages, "index.htm"), pages + "/Index.HTM");
        QVERIFY(Paths::projectIsWritable(root, pages));
        QCOMPARE(Paths::projectLabel(pages), pages);
        // What a path on the command line is.
        touch(pages + "/notes.txt");
        QCOMPARE(Paths::kindOf(pages + "/Index.HTM"), Paths::PathKind::Page);
        QCOMPARE(Paths::kindOf(pages), Paths::PathKind::Folder);
        QCOMPARE(Paths::kindOf(pages + "/notes.txt"), Paths::PathKind::Other);
        QCOMPARE(Paths::kindOf(pages + "/gone.htm"), Paths::PathKind::Missing);
    }

    void unsafeNames()
    {
        for (const char *bad : {"", ".", "..", "a/b", "..\\x", "/abs"})
            QVERIFY2(!Paths::isSafeName(QString::fromLatin1(bad)), bad);
        for (const char *good : {"My Site", " x ", "a.b", "...", "ünï"})
            QVERIFY2(Paths::isSafeName(QString::fromUtf8(good)), good);
    }

    void writabilityCheck()
    {
        QTemporaryDir root;
        QDir(root.path()).mkpath("default");
        QVERIFY(Paths::projectIsWritable(root.path(), "Default"));
        QVERIFY(!QFile::exists(root.path() + "/default/test.tst"));
        QVERIFY(!Paths::projectIsWritable(root.path(), "gone"));
        QVERIFY(!Paths::projectIsWritable(root.path(), ".."));
    }
};

QTEST_GUILESS_MAIN(PathsTest)
#include "paths_test.moc"
