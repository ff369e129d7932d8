// SPDX-License-Identifier: GPL-3.0-or-later
// The safe writer under real conditions: pages of another owner or group,
// hard links, extended attributes and ACLs, a folder that takes no new
// files, a second user (setpriv), and calls of the file system failing or the
// process killed part way (a preloaded library).
#include "core/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray kOld = "<P>The page as it was, longer than the new text.</P>";
const QByteArray kNew = "<P>New text.</P>";

struct Site {
    QTemporaryDir tmp;
    QString folder = tmp.path() + QStringLiteral("/site");
    QString page = folder + QStringLiteral("/page.htm");
    QString backups = tmp.path() + QStringLiteral("/backups");
    QString logs = tmp.path() + QStringLiteral("/logs");
    QString log = logs + QStringLiteral("/failed.log");

    // The page with its old bytes, then setup (a shell command; $F the page, $D its folder).
    bool make(const QString &setup)
    {
        if (!QDir().mkpath(folder) || !QDir().mkpath(backups) || !QDir().mkpath(logs))
            return false;
        for (const QString &open : {tmp.path(), folder, backups, logs}) // for the second user
            ::chmod(QFile::encodeName(open).constData(), open == tmp.path() ? 0755 : 0777);
        QFile f(page);
        if (!f.open(QIODevice::WriteOnly) || f.write(kOld) != kOld.size())
            return false;
        f.close();
        return shell(setup) == 0;
    }
    int shell(const QString &command) const
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("F"), page);
        env.insert(QStringLiteral("D"), folder);
        p.setProcessEnvironment(env);
        p.start(QStringLiteral("sh"), {QStringLiteral("-c"), command});
        p.waitForFinished();
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    }
    // Runs the writer as root or as nobody, with fail (a TAGSMITH_FAIL rule) preloaded; whether it reported success.
    bool write(const QString &who, const QString &fail = QString(), const QString &content = QString(kNew)) const
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        if (!fail.isEmpty()) {
            env.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(FAILCALLS_LIBRARY));
            // A sanitized build's runtime would insist on being loaded first.
            env.insert(QStringLiteral("ASAN_OPTIONS"),
                       env.value(QStringLiteral("ASAN_OPTIONS")) + QStringLiteral(":verify_asan_link_order=0"));
            env.insert(QStringLiteral("TAGSMITH_FAIL"), fail);
            env.insert(QStringLiteral("TAGSMITH_FAIL_UNDER"), folder);
            env.insert(QStringLiteral("TAGSMITH_FAIL_LOG"), log);
        }
        p.setProcessEnvironment(env);
        const QStringList args{backups, page, content};
        if (who == QLatin1String("nobody"))
            p.start(QStringLiteral("setpriv"), QStringList{QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                                                           QStringLiteral("--clear-groups"),
                                                           QStringLiteral(SAFEWRITE_PROGRAM)} + args);
        else
            p.start(QStringLiteral(SAFEWRITE_PROGRAM), args);
        p.waitForFinished();
        return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    }
    // Owner, group, mode, links and every extended attribute (ACLs among them).
    QString identity() const
    {
        struct stat st;
        if (::stat(QFile::encodeName(page).constData(), &st) != 0)
            return QString();
        QProcess p;
        p.start(QStringLiteral("getfattr"), {QStringLiteral("-d"), QStringLiteral("-m"), QStringLiteral("-"),
                                             QStringLiteral("-e"), QStringLiteral("hex"), page});
        p.waitForFinished();
        return QStringLiteral("%1:%2 %3 %4 links\n").arg(st.st_uid).arg(st.st_gid).arg(st.st_mode, 0, 8).arg(st.st_nlink)
               + QString::fromLocal8Bit(p.readAllStandardOutput());
    }
    QByteArray read(const QString &path) const
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(unreadable)");
    }
    ino_t inode() const
    {
        struct stat st;
        return ::stat(QFile::encodeName(page).constData(), &st) == 0 ? st.st_ino : 0;
    }
    QStringList leftOver(const QString &in) const
    {
        QStringList names = QDir(in).entryList(QDir::Files | QDir::Hidden);
        names.removeAll(QStringLiteral("page.htm"));
        names.removeAll(QStringLiteral("other.htm"));
        return names;
    }
};

} // namespace

class FileWriteTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // Files of other owners and groups are made with chown (CI runs as root).
        if (::geteuid() != 0)
            QSKIP("needs root, to give files other owners and to run as a second user");
    }

    void filesKeepTheirIdentity_data()
    {
        QTest::addColumn<QString>("who");
        QTest::addColumn<QString>("setup");
        QTest::addColumn<bool>("inPlace"); // the same file written over, rather than a new one renamed
        QTest::newRow("web server's group, set-group-id") << "root" << "chown 0:65534 $F && chmod 2664 $F" << false;
        QTest::newRow("attributes and ACL")
            << "root" << "setfattr -n user.note -v kept $F && setfacl -m u:65534:rw,g:65534:r $F" << false;
        QTest::newRow("hard link") << "root" << "ln $F $D/other.htm" << true;
        QTest::newRow("another owner") << "nobody" << "chown 0:65534 $F && chmod 664 $F" << true;
        QTest::newRow("group the user is not in") << "nobody" << "chown 65534:0 $F && chmod 644 $F" << true;
        QTest::newRow("protected attribute")
            << "nobody" << "chown 65534:65534 $F && setfattr -n security.tagsmith -v kept $F" << true;
        QTest::newRow("folder that takes no new files") << "nobody" << "chown 65534:65534 $F && chmod 555 $D" << true;
    }
    void filesKeepTheirIdentity()
    {
        QFETCH(QString, who);
        QFETCH(QString, setup);
        QFETCH(bool, inPlace);
        Site site;
        QVERIFY(site.make(setup));
        const QString before = site.identity();
        const ino_t inode = site.inode();
        QVERIFY(site.write(who));
        QCOMPARE(site.read(site.page), kNew);
        QCOMPARE(site.identity(), before);
        QCOMPARE(site.inode() == inode, inPlace);
        if (QFileInfo::exists(site.folder + QStringLiteral("/other.htm")))
            QCOMPARE(site.read(site.folder + QStringLiteral("/other.htm")), kNew);
        QCOMPARE(site.leftOver(site.folder), QStringList());
        QCOMPARE(site.leftOver(site.backups), QStringList()); // the backup copy went once written
    }

    // Each call the writer makes, failing or killing it: the page holds its
    // old or its new bytes (or, killed while writing in place, its old bytes
    // are in the backup copy), and success is reported only when every call succeeded.
    void failedCallsLoseNothing_data()
    {
        QTest::addColumn<QString>("fail");
        QTest::addColumn<QString>("who");
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("left"); // "old", "new", or "old in the backup"
        const QString inPlace = QStringLiteral("chown 65534:65534 $F && chmod 555 $D");
        QTest::newRow("write, disk full") << "write:1:ENOSPC" << "root" << "true" << "old";
        QTest::newRow("flush of the new file") << "fdatasync:1:EIO" << "root" << "true" << "old";
        QTest::newRow("close of the new file") << "close:1:EIO" << "root" << "true" << "old";
        QTest::newRow("rename") << "rename:1:EIO" << "root" << "true" << "old";
        QTest::newRow("flush of the folder") << "fsync:1:EIO" << "root" << "true" << "new";
        QTest::newRow("in place, disk full") << "pwrite:1:ENOSPC" << "nobody" << inPlace << "old";
        QTest::newRow("in place, flush") << "fdatasync:1:EIO" << "nobody" << inPlace << "old";
        QTest::newRow("in place, killed before the cut") << "ftruncate:1:crash" << "nobody" << inPlace
                                                          << "old in the backup";
    }
    void failedCallsLoseNothing()
    {
        QFETCH(QString, fail);
        QFETCH(QString, who);
        QFETCH(QString, setup);
        QFETCH(QString, left);
        Site site;
        QVERIFY(site.make(setup));
        QVERIFY(!site.write(who, fail));
        QVERIFY2(QFileInfo(site.log).size() > 0, "the call did not fail"); // the row tests what it says
        if (left == QLatin1String("old in the backup")) {
            const QStringList copies = site.leftOver(site.backups);
            QCOMPARE(copies.size(), 1);
            QCOMPARE(site.read(site.backups + u'/' + copies[0]), kOld);
            return;
        }
        QCOMPARE(site.read(site.page), left == QLatin1String("old") ? kOld : kNew);
        QCOMPARE(site.leftOver(site.folder), QStringList());
        QCOMPARE(site.leftOver(site.backups), QStringList());
    }

    // A big page is written past the cache in pieces: a file system that
    // turns that down part way gets the rest the usual way, and a full disk
    // part way leaves the old page.
    void bigPagesWrittenPastTheCache_data()
    {
        QTest::addColumn<QString>("fail");
        QTest::addColumn<bool>("done");
        QTest::newRow("refused part way") << "write:2:EINVAL" << true;
        QTest::newRow("disk full part way") << "write:2:ENOSPC" << false;
    }
    void bigPagesWrittenPastTheCache()
    {
        QFETCH(QString, fail);
        QFETCH(bool, done);
        Site site;
        QVERIFY(site.make(QStringLiteral("true")));
        const QString source = site.tmp.path() + QStringLiteral("/big.htm");
        const QByteArray big = QByteArray("<p>a new line of the page</p>\r\n").repeated(400000) + "</html>";
        QFile f(source);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(big) == big.size());
        f.close();
        QCOMPARE(site.write(QStringLiteral("root"), fail, u'@' + source), done);
        QVERIFY2(QFileInfo(site.log).size() > 0, "the call did not fail");
        QVERIFY(site.read(site.page) == (done ? big : kOld));
        QCOMPARE(site.leftOver(site.folder), QStringList());
    }
};

QTEST_MAIN(FileWriteTest)
#include "filewrite_test.moc"
