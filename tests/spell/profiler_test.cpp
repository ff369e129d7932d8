// SPDX-License-Identifier: GPL-3.0-or-later
// The page scan of the Spelling Profiler and its report lines.
#include "spell/Profiler.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {
struct Check {
    qint32 position;
    QString word;
    bool operator==(const Check &o) const { return position == o.position && word == o.word; }
};

QString describe(const QList<Check> &checks)
{
    QStringList parts;
    for (const Check &c : checks)
        parts << QStringLiteral("%1:%2").arg(c.position).arg(c.word);
    return parts.join(u' ');
}

// Every word the scan visits, letterless ones included.
QList<Check> scanAll(const QString &page, const QString &editor)
{
    QList<Check> out;
    Profiler::scanPage(page, editor, [&](qint32 p, const QString &w) { out.append({p, w}); });
    return out;
}

// The words that get checked against the dictionary.
QList<Check> checked(const QString &page, const QString &editor)
{
    QList<Check> out;
    for (const Check &c : scanAll(page, editor))
        if (!c.word.isEmpty())
            out.append(c);
    return out;
}
QList<Check> checked(const QString &page) { return checked(page, page); }

QStringList words(const QString &page)
{
    QStringList out;
    for (const Check &c : checked(page))
        out << c.word;
    return out;
}

// ---- A straightforward reading of the scanning rules, 1-based throughout,
// searching the editor text afresh for every word.

// Position (1-based) of needle in hay at or after start; 0 when absent.
int inStr(int start, const QString &hay, const QString &needle)
{
    if (start < 1 || start > hay.size())
        return 0;
    const qsizetype i = hay.indexOf(needle, start - 1);
    return i < 0 ? 0 : int(i) + 1;
}
QChar at(const QString &s, int pos1) { return s[pos1 - 1]; }
bool letter(QChar c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'); }

QList<Check> reference(const QString &page, const QString &editor)
{
    QList<Check> out;
    const int len = int(page.size());
    int scan = inStr(1, page, QStringLiteral(">"));
    while (scan != 0 && scan <= len) {
        const int opener = scan;
        QString run = QStringLiteral(" ");
        QChar last;
        do {
            last = at(page, scan);
            if (last != u'<' && last != u'>' && last != u'\r' && last != u'\n')
                run += last;
            ++scan;
        } while (!(last == u'<' || scan > len));
        int wordPos = inStr(1, run, QStringLiteral(" "));
        while (wordPos != 0 && wordPos <= run.size()) {
            QString word = at(run, wordPos);
            int next = wordPos + 1;
            while (next <= run.size() && letter(at(run, next)))
                word += at(run, next++);
            const int curpos = inStr(opener, editor, word);
            out.append({curpos, word.trimmed().toLower()});
            wordPos = inStr(next, run, QStringLiteral(" "));
        }
        // scan stands after the "<" that ended the run (or past the end).
        scan = last == u'<' ? inStr(scan + 1, page, QStringLiteral(">")) : 0;
    }
    return out;
}

QString randomText(QRandomGenerator &rng, int maxLen)
{
    static const QString alphabet = QStringLiteral("abcAB   <<>>\r\n\t1-'xyz");
    const int n = int(rng.bounded(maxLen + 1));
    QString s;
    for (int i = 0; i < n; ++i)
        s += alphabet[int(rng.bounded(int(alphabet.size())))];
    return s;
}
} // namespace

class ProfilerTest : public QObject {
    Q_OBJECT
private slots:
    void onlyLettersAfterASpace()
    {
        QCOMPARE(words(QStringLiteral("<p>x (hello)</p>")), QStringList{QStringLiteral("x")});
        QCOMPARE(words(QStringLiteral("<p>x don't</p>")), (QStringList{QStringLiteral("x"), QStringLiteral("don")}));
        QCOMPARE(words(QStringLiteral("<p>x e-mail</p>")), (QStringList{QStringLiteral("x"), QStringLiteral("e")}));
        QCOMPARE(words(QStringLiteral("<p>x word, more</p>")),
                 (QStringList{QStringLiteral("x"), QStringLiteral("word"), QStringLiteral("more")}));
        QCOMPARE(words(QStringLiteral("<p>x abc123</p>")), (QStringList{QStringLiteral("x"), QStringLiteral("abc")}));
        QCOMPARE(words(QStringLiteral("<p>x 123abc</p>")), QStringList{QStringLiteral("x")});
        QCOMPARE(words(QStringLiteral("<p>x\tword</p>")), QStringList{QStringLiteral("x")});
        QCOMPARE(words(QStringLiteral("<p>\tword</p>")), QStringList());
        // The run's own leading space makes its first word count.
        QCOMPARE(words(QStringLiteral("<p>Hello World</p>")),
                 (QStringList{QStringLiteral("hello"), QStringLiteral("world")}));
        // One-letter words, and every occurrence separately.
        QCOMPARE(words(QStringLiteral("<p> a I a</p>")),
                 (QStringList{QStringLiteral("a"), QStringLiteral("i"), QStringLiteral("a")}));
        QCOMPARE(words(QStringLiteral("<p>  </p>")), QStringList());
    }

    void lineBreaksJoinWords()
    {
        QCOMPARE(words(QStringLiteral("<p>x foo\r\nbar y</p>")),
                 (QStringList{QStringLiteral("x"), QStringLiteral("foobar"), QStringLiteral("y")}));
        QCOMPARE(words(QStringLiteral("<p>x foo\nbar</p>")), (QStringList{QStringLiteral("x"), QStringLiteral("foobar")}));
        QCOMPARE(words(QStringLiteral("<p>x foo\rbar</p>")), (QStringList{QStringLiteral("x"), QStringLiteral("foobar")}));
        // A line break after a space keeps the words apart.
        QCOMPARE(words(QStringLiteral("<p>x foo \r\nbar</p>")),
                 (QStringList{QStringLiteral("x"), QStringLiteral("foo"), QStringLiteral("bar")}));
    }

    void onlyTextBetweenTags()
    {
        QCOMPARE(words(QStringLiteral("before any tag <p> ok")), QStringList{QStringLiteral("ok")});
        QCOMPARE(words(QStringLiteral("no tags at all")), QStringList());
        QCOMPARE(words(QString()), QStringList());
        QCOMPARE(words(QStringLiteral("<a title=\"bad wurds\" href=\"x y\">link text</a>")),
                 (QStringList{QStringLiteral("link"), QStringLiteral("text")}));
        // After the last ">" the text is checked to the end.
        QCOMPARE(words(QStringLiteral("<p>end of page")),
                 (QStringList{QStringLiteral("end"), QStringLiteral("of"), QStringLiteral("page")}));
        // A ">" inside a run is dropped and does not start a new run.
        QCOMPARE(words(QStringLiteral("<p>a > b</p>")), (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
        // The next ">" is looked for from two characters after the "<":
        // an empty tag "<>" is passed over together with the text behind it.
        QCOMPARE(words(QStringLiteral("<i>a<>b c<i>d")), (QStringList{QStringLiteral("a"), QStringLiteral("d")}));
        // A page ending on "<" leaves nothing after it.
        QCOMPARE(words(QStringLiteral("<p>a<")), QStringList{QStringLiteral("a")});
    }

    void positionsInTheEditorText()
    {
        // " cat" at 1-based 5; "a" has no space before it in the text: 0.
        QCOMPARE(checked(QStringLiteral("<p>a cat</p>")), (QList<Check>{{0, QStringLiteral("a")}, {5, QStringLiteral("cat")}}));
        // Directly after a tag, at the start of a line: 0.
        QCOMPARE(checked(QStringLiteral("<b>word</b>")), (QList<Check>{{0, QStringLiteral("word")}}));
        QCOMPARE(checked(QStringLiteral("<p>x\r\nword</p>")), (QList<Check>{{0, QStringLiteral("xword")}}));
        // Each occurrence is looked for from its own run's ">".
        QCOMPARE(checked(QStringLiteral("<p> dog</p><p>x dog</p>")),
                 (QList<Check>{{4, QStringLiteral("dog")}, {0, QStringLiteral("x")}, {16, QStringLiteral("dog")}}));
        // Within a run, the first occurrence wins, also as the start of a longer word.
        QCOMPARE(checked(QStringLiteral("<p> catalog cat</p>")),
                 (QList<Check>{{4, QStringLiteral("catalog")}, {4, QStringLiteral("cat")}}));
        // The search is by case; the word is reported in lower case.
        QCOMPARE(checked(QStringLiteral("<p> Hello hello</p>")),
                 (QList<Check>{{4, QStringLiteral("hello")}, {10, QStringLiteral("hello")}}));
        // The positions are in the editor text, which may differ from the file.
        QCOMPARE(checked(QStringLiteral("<p> cat</p>"), QStringLiteral("xxxxxxxx<p> cat</p>")),
                 (QList<Check>{{12, QStringLiteral("cat")}}));
        QCOMPARE(checked(QStringLiteral("<p>xxxxxxxx cat</p>"), QStringLiteral("<p> cat</p>")),
                 (QList<Check>{{0, QStringLiteral("xxxxxxxx")}, {4, QStringLiteral("cat")}}));
        QCOMPARE(checked(QStringLiteral("<p> cat"), QString()), (QList<Check>{{0, QStringLiteral("cat")}}));
    }

    void reportLines()
    {
        const QString line = Profiler::reportLine(QStringLiteral("index.htm"), 123, QStringLiteral("wurd"));
        QCOMPARE(line.left(20), QStringLiteral("index.htm").leftJustified(20));
        QCOMPARE(line.mid(20, 3), QStringLiteral(" | "));
        QCOMPARE(line.mid(23, 5), QStringLiteral("123  "));
        QCOMPARE(line.mid(28, 3), QStringLiteral(" | "));
        QCOMPARE(line.mid(31), QStringLiteral("wurd"));
        QCOMPARE(Profiler::reportPosition(line), 123);
        QCOMPARE(Profiler::reportPosition(Profiler::reportLine(QStringLiteral("a.htm"), 0, QStringLiteral("x"))), 0);

        // A long page name is shortened so the position keeps its columns.
        const QString longName = QStringLiteral("a-very-long-page-name-indeed.html");
        const QString l2 = Profiler::reportLine(longName, 99999, QStringLiteral("x"));
        QCOMPARE(l2.left(20), longName.left(17) + QStringLiteral("..."));
        QCOMPARE(l2.mid(23, 5), QStringLiteral("99999"));
        QCOMPARE(Profiler::reportPosition(l2), 99999);
        // A position of more than five digits takes the room it needs.
        const QString l3 = Profiler::reportLine(QStringLiteral("p.htm"), 1234567, QStringLiteral("word"));
        QCOMPARE(l3.mid(23), QStringLiteral("1234567 | word"));
        QCOMPARE(Profiler::reportPosition(l3), 1234567);
        QCOMPARE(Profiler::reportPosition(QStringLiteral("short")), 0);
    }

    void excerpts()
    {
        QString text = QStringLiteral("0123456789abcdefghijklmnopqrstuvwxyz");
        QCOMPARE(Profiler::excerpt(text, 1), QStringLiteral("0123456789abcdefghij"));
        QCOMPARE(Profiler::excerpt(text, 30), QStringLiteral("tuvwxyz"));
        QCOMPARE(Profiler::excerpt(text, 36), QStringLiteral("z"));
        QCOMPARE(Profiler::excerpt(text, 37), QString());
        QCOMPARE(Profiler::excerpt(text, 0), QString());
        QCOMPARE(Profiler::excerpt(text, -4), QString());
        text = QString(12345, u'.') + QStringLiteral(" target word here and more");
        QCOMPARE(Profiler::excerpt(text, 12346), QStringLiteral(" target word here an"));
    }

    void matchesTheStraightforwardScan()
    {
        QRandomGenerator rng(20261209);
        for (int round = 0; round < 3000; ++round) {
            const QString page = randomText(rng, round < 2000 ? 60 : 400);
            QString editor = page;
            if (round % 3 == 1) {
                editor = randomText(rng, 400);
            } else if (round % 3 == 2 && !editor.isEmpty()) {
                // A slightly different editor text: something inserted and removed.
                editor.insert(int(rng.bounded(int(editor.size()) + 1)), randomText(rng, 8));
                editor.remove(int(rng.bounded(int(editor.size()))), int(rng.bounded(6)));
            }
            const QList<Check> fast = scanAll(page, editor), slow = reference(page, editor);
            if (!(fast == slow))
                QFAIL(qPrintable(QStringLiteral("page %1 editor %2\n fast %3\n slow %4")
                                     .arg(page.toUtf8().toPercentEncoding(), editor.toUtf8().toPercentEncoding(),
                                          describe(fast), describe(slow))));
        }
    }

    void bigPageOfUnknownWords()
    {
        // A page of about 1 MB with many different unknown words, many of them
        // at the start of a line (never found in the editor text).
        QRandomGenerator rng(7);
        QString page = QStringLiteral("<html><body>");
        while (page.size() < 1000000) {
            page += QStringLiteral("<p>");
            for (int w = 0; w < 10; ++w) {
                if (w == 5)
                    page += QStringLiteral("\r\n");
                else
                    page += u' ';
                const int n = 1 + int(rng.bounded(9));
                for (int i = 0; i < n; ++i)
                    page += QChar(u'a' + int(rng.bounded(26)));
            }
            page += QStringLiteral("</p>\r\n");
        }
        // Its speed is measured by the benchmarks, not here.
        int count = 0;
        qint64 sum = 0;
        Profiler::scanPage(page, page, [&](qint32 p, const QString &) {
            ++count;
            sum += p;
        });
        QVERIFY(count > 100000);
        QVERIFY(sum > 0);
    }
};

QTEST_GUILESS_MAIN(ProfilerTest)
#include "profiler_test.moc"
