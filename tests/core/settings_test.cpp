// SPDX-License-Identifier: GPL-3.0-or-later
// The settings store file, its keys, and reading odd values.
#include "core/SettingsKeys.h"
#include "platform/IniFormat.h"
#include "platform/IniSettingsStore.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class SettingsTest : public QObject {
    Q_OBJECT
private slots:
    void toolKeysCarryOneBlank()
    {
        QCOMPARE(SettingsKeys::toolCaption(1), QStringLiteral("ToolCaption 1"));
        QCOMPARE(SettingsKeys::toolFilename(9), QStringLiteral("ToolFilename 9"));
    }

    void fileKeepsKeysAndValuesExactly()
    {
        QTemporaryDir dir;
        const QString path = dir.path() + QLatin1String("/TAGSMITH/TAGSMITH.ini");
        {
            IniSettingsStore store(path);
            QVERIFY(store.write("Tools", SettingsKeys::toolCaption(3), "  Notes = editor  "));
            QVERIFY(store.write("Tools", SettingsKeys::toolFilename(3), "/opt/my tools/notes\\x"));
            QVERIFY(store.write("Settings", "DefaultProj", "line\nbreak"));
            QVERIFY(store.write("Tools", SettingsKeys::toolCaption(4), ""));
        }
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray raw = f.readAll();
        QVERIFY(raw.contains("ToolCaption 3=  Notes = editor  \n"));
        QVERIFY(raw.contains("ToolCaption 4=\n"));

        IniSettingsStore again(path);
        QCOMPARE(again.read("Tools", "ToolCaption 3", "x"), QStringLiteral("  Notes = editor  "));
        QCOMPARE(again.read("Tools", "ToolFilename 3", "x"), QStringLiteral("/opt/my tools/notes\\x"));
        QCOMPARE(again.read("Settings", "DefaultProj", "x"), QStringLiteral("line\nbreak"));
        // An empty value is still a value; an absent key gives the default.
        QCOMPARE(again.read("Tools", "ToolCaption 4", "x"), QString());
        QVERIFY(again.contains("Tools", "ToolCaption 4"));
        QCOMPARE(again.read("Tools", "ToolCaption 5", "dflt"), QStringLiteral("dflt"));
    }

    // A write changes the key's own line and keeps every other byte of the file.
    void writesKeepTheUsersLines_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QByteArray>("after");
        const QByteArray file = "; my notes\r\n[Settings]\r\n# width for the laptop\r\n Height = 5\r\n"
                                "Mine=x\r\n\r\n[Tools]\r\nToolCaption 1=Tidy\r\n; end";
        QTest::newRow("key there") << file << "settings" << "height"
                                   << QByteArray(file).replace(" Height = 5", " Height =9");
        QTest::newRow("key new to its section") << file << "Settings" << "Width"
                                                << QByteArray(file).replace("Mine=x\r\n", "Mine=x\r\nWidth=9\r\n");
        QTest::newRow("section new") << file << "Colours" << "Paper" << file + "\r\n\r\n[Colours]\r\nPaper=9\r\n";
        QTest::newRow("later duplicate, the one read")
            << QByteArray("[S]\nK=1\n;c\nK=2\n") << "S" << "K" << QByteArray("[S]\nK=1\n;c\nK=9\n");
    }
    void writesKeepTheUsersLines()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QByteArray, after);
        QTemporaryDir dir;
        const QString path = dir.path() + QLatin1String("/TAGSMITH.ini");
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(before) == before.size());
        f.close();
        QVERIFY(IniSettingsStore(path).write(section, key, QStringLiteral("9")));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), after);
    }

    void garbageAndDuplicatesAreTolerated()
    {
        const IniDocument doc = parseIni("junk line\n=novalue\n[Settings]\nHeight=100\r\n"
                                         "not a pair\nHeight=200\n[settings]\nWidth=5\n\xff\xfe\n");
        QCOMPARE(*iniFind(doc, "Settings", "Height"), QStringLiteral("200"));
        QCOMPARE(*iniFind(doc, "SETTINGS", "width"), QStringLiteral("5"));
        QCOMPARE(doc.size(), 1);
    }

    void unreadableFileReadsAsEmpty()
    {
        QTemporaryDir dir;
        // A folder where the file should be: defaults everywhere, and writes fail without a crash.
        QDir(dir.path()).mkpath("TAGSMITH.ini");
        IniSettingsStore store(dir.path() + "/TAGSMITH.ini");
        QCOMPARE(store.read("Settings", "ProjMan", "0"), QStringLiteral("0"));
        QVERIFY(!store.write("Settings", "ProjMan", "1"));
        QCOMPARE(store.read("Settings", "ProjMan", "0"), QStringLiteral("1"));
    }

    void numbersReadLikeTheOriginal_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("plain") << "4000" << 4000;
        QTest::newRow("blanks") << "  12" << 12;
        QTest::newRow("trailing junk") << "600abc" << 600;
        QTest::newRow("negative") << "-15" << -15;
        QTest::newRow("fraction rounds") << "2.6" << 3;
        QTest::newRow("words") << "abc" << 0;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("huge clamps") << "99999999999999999999" << std::numeric_limits<int>::max();
    }
    void numbersReadLikeTheOriginal()
    {
        QFETCH(QString, text);
        QFETCH(int, value);
        QCOMPARE(vbValInt(text), value);
    }

    void truthValues()
    {
        QVERIFY(vbBool("True"));
        QVERIFY(vbBool("true"));
        QVERIFY(!vbBool("False"));
        QVERIFY(!vbBool(""));
        QVERIFY(!vbBool("maybe"));
        QVERIFY(vbBool("-1"));
    }
};

QTEST_GUILESS_MAIN(SettingsTest)
#include "settings_test.moc"
