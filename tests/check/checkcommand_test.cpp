// SPDX-License-Identifier: GPL-3.0-or-later
// "tagsmith --check FILE..." as the built program runs it, without a display.
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {
struct Run {
    int code = -1;
    QString out, err;
};

Run check(const QStringList &files, const QString &folder)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C")); // the system's error text in English
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(folder);
    p.start(qEnvironmentVariable("TAGSMITH_PROGRAM"), QStringList{QStringLiteral("--check")} + files);
    if (!p.waitForFinished(30000))
        return {};
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

void write(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}
} // namespace

class CheckCommandTest : public QObject {
    Q_OBJECT
private slots:
    void printsProblemsAndExitCodes_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::newRow("clean") << QStringList{"clean.htm"} << 0 << QString() << QString();
        QTest::newRow("problems") << QStringList{"clean.htm", "bad.htm"} << 1
                                  << "bad.htm:2:1: warning: <p> proprietary attribute \"foo\"\n"
                                     "bad.htm:3:11: error: missing file: pic.gif\n"
                                  << QString();
        QTest::newRow("unreadable") << QStringList{"none.htm", "bad.htm"} << 2
                                    << "bad.htm:2:1: warning: <p> proprietary attribute \"foo\"\n"
                                       "bad.htm:3:11: error: missing file: pic.gif\n"
                                    << "tagsmith --check: cannot read none.htm: No such file or directory\n";
        QTest::newRow("no file") << QStringList{} << 2 << QString()
                                 << "tagsmith --check: name at least one page to check\n";
    }
    void printsProblemsAndExitCodes()
    {
        QFETCH(QStringList, files);
        QFETCH(int, code);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QTemporaryDir dir;
        write(dir.filePath("clean.htm"), "<HTML>\n<HEAD><TITLE>A</TITLE></HEAD>\n<BODY><P>Fine</P></BODY>\n</HTML>\n");
        write(dir.filePath("bad.htm"), "<HTML><HEAD><TITLE>B</TITLE></HEAD><BODY>\n<P  FOO=1>Text</P>\n<IMG SRC=\"pic.gif\" ALT=\"\">\n</BODY></HTML>\n");
        const Run r = check(files, dir.path());
        QCOMPARE(r.err, err);
        QCOMPARE(r.out, out);
        QCOMPARE(r.code, code);
        // Nothing was written: the folder holds the two pages only.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), (QStringList{"bad.htm", "clean.htm"}));
    }
};

QTEST_GUILESS_MAIN(CheckCommandTest)
#include "checkcommand_test.moc"
