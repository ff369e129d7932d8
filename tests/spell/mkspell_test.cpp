// SPDX-License-Identifier: GPL-3.0-or-later
// The dictionary builder (tools/mkspell) and the dictionary it makes.
#include "spell/SpellDictionary.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

namespace {
// The build puts the tools beside the tests' folder.
QString toolsDir() { return QCoreApplication::applicationDirPath() + QStringLiteral("/../tools"); }

QString mkspell()
{
    const QString path = toolsDir() + QStringLiteral("/mkspell");
    return QFileInfo(path).isExecutable() ? path : QString();
}

QStringList decodeAll(const QByteArray &bytes)
{
    QStringList words;
    for (qsizetype at = 0; at < bytes.size(); at += SpellDictionary::kRecordSize)
        words << SpellDictionary::decodeRecord(bytes.constData() + at, qMin<qsizetype>(22, bytes.size() - at));
    return words;
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

class MkspellTest : public QObject {
    Q_OBJECT
private slots:
    void buildsSortedUniqueRecords()
    {
        const QString tool = mkspell();
        if (tool.isEmpty())
            QSKIP("mkspell has not been built");
        QTemporaryDir dir;
        const QString list = dir.path() + QStringLiteral("/words"), out = dir.path() + QStringLiteral("/spell.dat");
        QFile f(list);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("zebra\nZebra's\nApple\napple\nAPPLE\nbanana\ncaf\xc3\xa9\nabcdefghijklmnopqr\nabcdefghijklmnopqrs\n"
                "\nA\na\nPARIS\nParis\nhello\r\nx1\nb-c\nZebra\nZ\nzz\ndoesn't\no'clock\n");
        f.close();
        // A second list, with a comment line.
        const QString extra = dir.path() + QStringLiteral("/extra");
        QFile e(extra);
        QVERIFY(e.open(QIODevice::WriteOnly));
        e.write("# favicon is a web word\nfavicon\nhello\n");
        e.close();
        QProcess p;
        p.start(tool, {list, extra, out});
        QVERIFY(p.waitForFinished(10000));
        QCOMPARE(p.exitCode(), 0);

        const QByteArray bytes = readAll(out);
        QCOMPARE(bytes.size() % SpellDictionary::kRecordSize, 0);
        const QStringList words = decodeAll(bytes);
        QCOMPARE(words, (QStringList{QStringLiteral("a"), QStringLiteral("abcdefghijklmnopqr"), QStringLiteral("apple"),
                                     QStringLiteral("banana"), QStringLiteral("doesn"), QStringLiteral("favicon"),
                                     QStringLiteral("hello"), QStringLiteral("Paris"),
                                     QStringLiteral("Z"), QStringLiteral("zebra"), QStringLiteral("zz")}));
        // Record layout: tag 8 and the length little-endian, zero filler.
        const QByteArray paris = bytes.mid(7 * 22, 22);
        QCOMPARE(paris.left(4), QByteArray("\x08\x00\x05\x00", 4));
        QCOMPARE(paris.mid(4, 5), QByteArray("Paris"));
        QCOMPARE(paris.mid(9), QByteArray(13, '\0'));

        const SpellDictionary dict(out);
        QVERIFY(dict.lookup(QStringLiteral("PARIS")).found);
        QVERIFY(dict.lookup(QStringLiteral("Hello")).found);
        QVERIFY(!dict.lookup(QStringLiteral("x1")).found);
    }

    void missingWordListFails()
    {
        const QString tool = mkspell();
        if (tool.isEmpty())
            QSKIP("mkspell has not been built");
        QTemporaryDir dir;
        const QString out = dir.path() + QStringLiteral("/spell.dat");
        QProcess p;
        p.start(tool, {dir.path() + QStringLiteral("/no-such-list"), out});
        QVERIFY(p.waitForFinished(10000));
        QVERIFY(p.exitCode() != 0);
        QVERIFY(QString::fromLocal8Bit(p.readAllStandardError()).contains(QStringLiteral("wamerican")));
        QVERIFY(!QFileInfo::exists(out));
    }

    void shippedDictionary()
    {
        const QString path = toolsDir() + QStringLiteral("/spell.dat");
        if (!QFileInfo::exists(path))
            QSKIP("spell.dat has not been built");
        const QByteArray bytes = readAll(path);
        QCOMPARE(bytes.size() % SpellDictionary::kRecordSize, 0);
        const QStringList words = decodeAll(bytes);
        QVERIFY(words.size() > 50000);
        for (int i = 1; i < words.size(); ++i)
            QVERIFY2(SpellDictionary::upperKey(words[i - 1]) < SpellDictionary::upperKey(words[i]),
                     qPrintable(words[i - 1] + u' ' + words[i]));
        const SpellDictionary dict(path);
        const int bound = int(std::floor(std::log2(double(words.size())))) + 1;
        // Contractions are checked by their stems, and web pages use web words.
        for (const char *w : {"the", "Hello", "SPELLING", "dictionary", "page", "zebra", "doesn", "isn", "didn",
                              "wasn", "aren", "couldn", "shouldn", "wouldn", "weren", "hasn", "haven", "won",
                              "website", "webpage", "online", "email", "login", "favicon", "sitemap", "https",
                              "html", "css", "javascript"}) {
            const auto r = dict.lookup(QString::fromLatin1(w));
            QVERIFY2(r.found, w);
            QVERIFY(r.recordReads <= bound);
            QVERIFY(r.fileReads <= bound - 6); // the last probes share one read
        }
        const auto r = dict.suggest(QStringLiteral("tesst"));
        QVERIFY(!r.found);
        QVERIFY(r.recordReads <= bound);
        QCOMPARE(r.suggestions.size(), 151);
        QVERIFY(r.suggestions.contains(QStringLiteral("test")));
    }
};

QTEST_GUILESS_MAIN(MkspellTest)
#include "mkspell_test.moc"
