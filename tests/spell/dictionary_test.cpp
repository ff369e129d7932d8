// SPDX-License-Identifier: GPL-3.0-or-later
// The dictionary file and its lookup, on small generated word lists.
#include "spell/SpellDictionary.h"
#include "support/DictionaryBytes.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

namespace {

// A raw record: tag, length field and whatever bytes follow, padded to 22.
QByteArray rawRecord(quint16 tag, quint16 length, const QByteArray &body)
{
    QByteArray rec(SpellDictionary::kRecordSize, '\0');
    rec[0] = char(tag & 0xff);
    rec[1] = char(tag >> 8);
    rec[2] = char(length & 0xff);
    rec[3] = char(length >> 8);
    for (int i = 0; i < body.size() && 4 + i < rec.size(); ++i)
        rec[4 + i] = body[i];
    return rec;
}

// Sorted words "baaa", "baab", ... : the n-th word in base 26 after "b".
QStringList sortedWords(int count)
{
    QStringList words;
    for (int i = 0; i < count; ++i) {
        QString w = QStringLiteral("b");
        for (int d = 26 * 26; d >= 1; d /= 26)
            w += QChar(u'a' + (i / d) % 26);
        words << w;
    }
    return words;
}

struct DictFile {
    QTemporaryDir dir;
    QString path;
    explicit DictFile(const QByteArray &bytes)
    {
        path = dir.path() + QStringLiteral("/spell.dat");
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
    }
    SpellDictionary dict() const { return SpellDictionary(path); }
};
} // namespace

class DictionaryTest : public QObject {
    Q_OBJECT
private slots:
    void findsWithoutRegardToCase()
    {
        DictFile f(dictionaryBytes({QStringLiteral("apple"), QStringLiteral("Hello"), QStringLiteral("zebra")}));
        for (const QString &w : {QStringLiteral("Hello"), QStringLiteral("HELLO"), QStringLiteral("hello"),
                                 QStringLiteral("hElLo")}) {
            const auto r = f.dict().lookup(w);
            QVERIFY2(r.found, qPrintable(w));
            QCOMPARE(r.lastProbe, qint64(2));
        }
        QVERIFY(f.dict().lookup(QStringLiteral("APPLE")).found);
        QVERIFY(f.dict().lookup(QStringLiteral("Zebra")).found);
        // No trimming: a trailing space makes another word.
        QVERIFY(!f.dict().lookup(QStringLiteral("hello ")).found);
        QVERIFY(!f.dict().lookup(QStringLiteral("hell")).found);
        // A found word brings no suggestions.
        QVERIFY(f.dict().suggest(QStringLiteral("HELLO")).suggestions.isEmpty());
    }

    void emptyAndMissingFiles()
    {
        DictFile f{QByteArray()};
        auto r = f.dict().suggest(QStringLiteral("word"));
        QVERIFY(!r.found);
        QCOMPARE(r.lastProbe, qint64(0));
        QCOMPARE(r.recordReads, 0);
        QVERIFY(r.suggestions.isEmpty());

        // A missing dictionary is created empty and behaves the same.
        QTemporaryDir dir;
        const QString path = dir.path() + QStringLiteral("/spell.dat");
        r = SpellDictionary(path).suggest(QStringLiteral("word"));
        QVERIFY(!r.found);
        QCOMPARE(r.lastProbe, qint64(0));
        QVERIFY(r.suggestions.isEmpty());
        QVERIFY(QFileInfo::exists(path));
        QCOMPARE(QFileInfo(path).size(), qint64(0));
        // A folder in its place is no dictionary either, and no crash.
        QDir().mkdir(dir.path() + QStringLiteral("/sub"));
        r = SpellDictionary(dir.path() + QStringLiteral("/sub")).suggest(QStringLiteral("word"));
        QVERIFY(!r.found);
        QVERIFY(r.suggestions.isEmpty());
    }

    void oneRecord()
    {
        DictFile f(dictionaryBytes({QStringLiteral("cat")}));
        auto r = f.dict().lookup(QStringLiteral("CAT"));
        QVERIFY(r.found);
        QCOMPARE(r.lastProbe, qint64(1));
        QCOMPARE(r.recordReads, 1);
        r = f.dict().suggest(QStringLiteral("dog"));
        QVERIFY(!r.found);
        QCOMPARE(r.lastProbe, qint64(1));
        QCOMPARE(r.suggestions, QStringList{QStringLiteral("cat")});
        r = f.dict().suggest(QStringLiteral("ant"));
        QCOMPARE(r.suggestions, QStringList{QStringLiteral("cat")});
    }

    void suggestionWindow()
    {
        const QStringList words = sortedWords(200);
        DictFile f(dictionaryBytes(words));
        const qint64 n = words.size();

        // Before the first entry: records 1..76.
        auto r = f.dict().suggest(QStringLiteral("a"));
        QVERIFY(!r.found);
        QCOMPARE(r.lastProbe, qint64(1));
        QCOMPARE(r.suggestions, words.mid(0, 76));
        // After the last entry: the last 76 records.
        r = f.dict().suggest(QStringLiteral("zzz"));
        QCOMPARE(r.lastProbe, n);
        QCOMPARE(r.suggestions, words.mid(n - 76));
        // In between: lastProbe-75 .. lastProbe+75, straddling the word.
        const QString missing = words[100] + QStringLiteral("x");
        r = f.dict().suggest(missing);
        QVERIFY(!r.found);
        QVERIFY(r.lastProbe == 101 || r.lastProbe == 102);
        QCOMPARE(r.suggestions, words.mid(int(r.lastProbe) - 1 - 75, 151));
        QVERIFY(r.suggestions.contains(words[100]) && r.suggestions.contains(words[101]));
        // Near the start the window is cut at record 1.
        r = f.dict().suggest(words[3] + QStringLiteral("x"));
        QCOMPARE(r.suggestions, words.mid(0, int(r.lastProbe) + 75));

        // Every entry is found, the first and the last included.
        for (int k = 0; k < n; ++k) {
            r = f.dict().lookup(words[k].toUpper());
            QVERIFY2(r.found, qPrintable(words[k]));
            QCOMPARE(r.lastProbe, qint64(k + 1));
        }
    }

    void storedCaseIsKept()
    {
        DictFile f(dictionaryBytes({QStringLiteral("london"), QStringLiteral("Paris"), QStringLiteral("ROME")}));
        QVERIFY(f.dict().lookup(QStringLiteral("paris")).found);
        QVERIFY(f.dict().lookup(QStringLiteral("rome")).found);
        const auto r = f.dict().suggest(QStringLiteral("parisx"));
        QCOMPARE(r.suggestions, (QStringList{QStringLiteral("london"), QStringLiteral("Paris"), QStringLiteral("ROME")}));
    }

    void readsStayWithinTheBound()
    {
        for (int n : {1, 2, 3, 4, 7, 8, 9, 100, 1000, 1025}) {
            const QStringList words = sortedWords(n);
            DictFile f(dictionaryBytes(words));
            const int bound = int(std::floor(std::log2(double(n)))) + 1;
            QStringList probes = words;
            probes << QStringLiteral("a") << QStringLiteral("zz");
            for (const QString &w : words)
                probes << w + QStringLiteral("m");
            for (const QString &w : probes) {
                const auto r = f.dict().lookup(w);
                QVERIFY2(r.recordReads <= bound, qPrintable(QStringLiteral("%1 in %2: %3 reads").arg(w).arg(n).arg(r.recordReads)));
                QVERIFY(r.recordReads >= 1);
                // A small file is read at once; a big one takes one read per
                // probe until the search has narrowed to a few kilobytes.
                QVERIFY(r.fileReads >= 1 && r.fileReads <= r.recordReads);
                if (n * SpellDictionary::kRecordSize <= 4096)
                    QCOMPARE(r.fileReads, 1);
            }
        }
    }

    void recordCountRounds()
    {
        QCOMPARE(SpellDictionary::recordCount(0), qint64(0));
        QCOMPARE(SpellDictionary::recordCount(10), qint64(0));
        QCOMPARE(SpellDictionary::recordCount(11), qint64(1));
        QCOMPARE(SpellDictionary::recordCount(22), qint64(1));
        QCOMPARE(SpellDictionary::recordCount(22 * 3 + 10), qint64(3));
        QCOMPARE(SpellDictionary::recordCount(22 * 3 + 12), qint64(4));
    }

    void truncatedFiles()
    {
        // Two whole records and 13 bytes of a third: three records, the last
        // read as far as it goes.
        QByteArray bytes = dictionaryBytes({QStringLiteral("cat"), QStringLiteral("dog")});
        bytes += SpellDictionary::encodeRecord("zebra").left(13);
        DictFile f(bytes);
        QVERIFY(f.dict().lookup(QStringLiteral("zebra")).found);
        QCOMPARE(f.dict().suggest(QStringLiteral("zz")).suggestions,
                 (QStringList{QStringLiteral("cat"), QStringLiteral("dog"), QStringLiteral("zebra")}));

        // The word itself cut short: what is there is the word.
        bytes = dictionaryBytes({QStringLiteral("ant")}) + SpellDictionary::encodeRecord("elephant").left(11);
        DictFile g(bytes);
        QVERIFY(g.dict().lookup(QStringLiteral("elephan")).found);
        QVERIFY(!g.dict().lookup(QStringLiteral("elephant")).found);

        // Less than half a record left over is not a record.
        bytes = dictionaryBytes({QStringLiteral("ant")}) + SpellDictionary::encodeRecord("bee").left(10);
        DictFile h(bytes);
        QVERIFY(!h.dict().lookup(QStringLiteral("bee")).found);
        QCOMPARE(h.dict().suggest(QStringLiteral("bee")).suggestions, QStringList{QStringLiteral("ant")});

        // Half a descriptor: an empty entry, no crash.
        bytes = dictionaryBytes({QStringLiteral("ant")}) + QByteArray(13, '\0');
        bytes[22] = 8;
        DictFile k(bytes);
        QCOMPARE(k.dict().suggest(QStringLiteral("b")).suggestions, (QStringList{QStringLiteral("ant"), QString()}));
    }

    void badLengthsAndTags()
    {
        // A length field beyond 18 reads the 18 bytes of the record, never the next record.
        const QByteArray body("abcdefghijklmnopqrstuvwxyz");
        QByteArray rec = rawRecord(8, 1000, body);
        QCOMPARE(SpellDictionary::decodeRecord(rec.constData(), rec.size()), QStringLiteral("abcdefghijklmnopqr"));
        QCOMPARE(SpellDictionary::decodeRecord(rec.constData(), 10), QStringLiteral("abcdef"));
        rec = rawRecord(8, 0xffff, body);
        QCOMPARE(SpellDictionary::decodeRecord(rec.constData(), rec.size()).size(), 18);
        // Tag 0, and tags that are no text entry, read as empty words.
        rec = rawRecord(0, 3, "cat");
        QCOMPARE(SpellDictionary::decodeRecord(rec.constData(), rec.size()), QString());
        rec = rawRecord(2, 3, "cat");
        QCOMPARE(SpellDictionary::decodeRecord(rec.constData(), rec.size()), QString());
        rec = rawRecord(0x0800, 3, "cat"); // big-endian 8 is not 8
        QCOMPARE(SpellDictionary::decodeRecord(rec.constData(), rec.size()), QString());
        QCOMPARE(SpellDictionary::decodeRecord(rec.constData(), 0), QString());

        // In a file: the search goes on and the window lists what the records hold.
        QByteArray bytes = rawRecord(0, 3, "aaa") + rawRecord(7, 3, "bbb") + dictionaryBytes({QStringLiteral("cat")})
                           + rawRecord(8, 500, "dogsdogsdogsdogsdogsXX") + dictionaryBytes({QStringLiteral("zebra")});
        DictFile f(bytes);
        QVERIFY(f.dict().lookup(QStringLiteral("cat")).found);
        QVERIFY(f.dict().lookup(QStringLiteral("ZEBRA")).found);
        QVERIFY(f.dict().lookup(QStringLiteral("dogsdogsdogsdogsdo")).found);
        QVERIFY(!f.dict().lookup(QStringLiteral("dogsdogsdogsdogsdogsXX")).found);
        QCOMPARE(f.dict().suggest(QStringLiteral("x")).suggestions,
                 (QStringList{QString(), QString(), QStringLiteral("cat"), QStringLiteral("dogsdogsdogsdogsdo"),
                              QStringLiteral("zebra")}));
    }

    // A session gives what single lookups give, word for word, also after
    // it has kept more records than its bound.
    void sessionMatchesSingleLookups()
    {
        const QStringList words = sortedWords(6000);
        DictFile f(dictionaryBytes(words) + rawRecord(8, 40, "zzzz"));
        const SpellDictionary dict = f.dict();
        SpellDictionary::Session session(dict);
        QRandomGenerator rng(3);
        for (int i = 0; i < 3000; ++i) {
            QString w = words[rng.bounded(int(words.size()))];
            if (i % 3 == 1)
                w = w.toUpper();
            else if (i % 3 == 2)
                w += QChar(u'a' + rng.bounded(26)); // not in the list
            const SpellDictionary::Result a = dict.lookup(w), b = session.lookup(w);
            QCOMPARE(b.found, a.found);
            QCOMPARE(b.lastProbe, a.lastProbe);
            QCOMPARE(b.recordReads, a.recordReads);
        }
        // A missing dictionary: nothing found, and the file is created empty.
        QTemporaryDir dir;
        const SpellDictionary missing(dir.path() + "/spell.dat");
        SpellDictionary::Session none(missing);
        QVERIFY(!none.lookup("word").found);
        QCOMPARE(none.lookup("word").lastProbe, qint64(0));
        QVERIFY(QFile::exists(dir.path() + "/spell.dat"));
    }

    void longWordsAreNeverFound()
    {
        DictFile f(dictionaryBytes({QStringLiteral("abcdefghijklmnopqr")}));
        QVERIFY(f.dict().lookup(QStringLiteral("ABCDEFGHIJKLMNOPQR")).found);
        QVERIFY(!f.dict().lookup(QStringLiteral("abcdefghijklmnopqrs")).found);
        // The builder's record keeps at most 18 characters.
        QCOMPARE(SpellDictionary::encodeRecord("abcdefghijklmnopqrstuv").mid(2, 2), QByteArray("\x12\x00", 2));
    }
};

QTEST_GUILESS_MAIN(DictionaryTest)
#include "dictionary_test.moc"
