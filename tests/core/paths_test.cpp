// Project folders and pages on a case-sensitive file system.
#include "core/Paths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

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
        QVERIFY(Paths::ensureProjectsRoot(app.path()));
        QVERIFY(QFileInfo(app.path() + "/project/default").isDir());
        // A root spelled in capitals is used, not doubled.
        QTemporaryDir other;
        QDir(other.path()).mkpath("PROJECT/Default");
        QVERIFY(Paths::ensureProjectsRoot(other.path()));
        QCOMPARE(QDir(other.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList{"PROJECT"});
        QCOMPARE(Paths::projectFolder(other.path(), "default"), other.path() + "/PROJECT/Default");
    }

    void namesResolveWithoutRegardToCase()
    {
        QTemporaryDir app;
        QDir(app.path()).mkpath("project/default");
        QDir(app.path()).mkpath("project/My Site");
        QCOMPARE(Paths::projectFolder(app.path(), "Default"), app.path() + "/project/default");
        QCOMPARE(Paths::projectFolder(app.path(), "my site"), app.path() + "/project/My Site");
        // Unknown names keep their spelling.
        QCOMPARE(Paths::projectFolder(app.path(), "New"), app.path() + "/project/New");
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

    void unsafeNames()
    {
        for (const char *bad : {"", ".", "..", "a/b", "..\\x", "/abs"})
            QVERIFY2(!Paths::isSafeName(QString::fromLatin1(bad)), bad);
        for (const char *good : {"My Site", " x ", "a.b", "...", "ünï"})
            QVERIFY2(Paths::isSafeName(QString::fromUtf8(good)), good);
    }

    void writabilityCheck()
    {
        QTemporaryDir app;
        QDir(app.path()).mkpath("project/default");
        QVERIFY(Paths::projectIsWritable(app.path(), "Default"));
        QVERIFY(!QFile::exists(app.path() + "/project/default/test.tst"));
        QVERIFY(!Paths::projectIsWritable(app.path(), "gone"));
        QVERIFY(!Paths::projectIsWritable(app.path(), ".."));
    }
};

QTEST_GUILESS_MAIN(PathsTest)
#include "paths_test.moc"
