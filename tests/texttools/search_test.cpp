// SPDX-License-Identifier: GPL-3.0-or-later
// The search behind Find and Find Next, against its definition.
#include "texttools/Search.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {

// The definition, written plainly: upper-case copies of both texts (one
// QChar::toUpper per UTF-16 unit, or none with match case 1), then every
// window from `start` on.
int reference(const QString &text, const QString &what, int start, int matchCase)
{
    auto form = [&](const QString &s) {
        if (matchCase == 1)
            return s;
        QString u = s;
        for (QChar &c : u)
            c = c.toUpper();
        return u;
    };
    const QString t = form(text), w = form(what);
    if (start < 1)
        start = 1;
    if (t.isEmpty() || start > t.size())
        return 0;
    if (w.isEmpty())
        return start;
    for (qsizetype i = start - 1; i + w.size() <= t.size(); ++i)
        if (QStringView(t).mid(i, w.size()) == w)
            return int(i + 1);
    return 0;
}

// Units that make case mapping interesting: ASCII both cases, letters whose
// upper-case form is ASCII (long s, dotless i), Latin-1 and Greek pairs,
// sharp s (no one-unit upper case), the Kelvin sign (upper case already,
// not K), a surrogate pair, line breaks and tabs.
const char16_t kAlphabet[] = {u'a', u'A', u'b', u'B', u's', u'S', u'i', u'I', u'k', u'K', 0x017F, 0x0131,
                              0x00E9, 0x00C9, 0x00DF, 0x03C3, 0x03C2, 0x03A3, 0x212A, 0xD83D, 0xDE00,
                              u'\r', u'\n', u'\t', u' '};

QString randomText(QRandomGenerator &rng, int length, int alphabetSize)
{
    QString s;
    for (int i = 0; i < length; ++i)
        s.append(QChar(kAlphabet[rng.bounded(alphabetSize)]));
    return s;
}

} // namespace

class SearchTest : public QObject {
    Q_OBJECT
private slots:
    void caseRules()
    {
        const QString text = QStringLiteral("<TABLE border=1><tr>");
        QCOMPARE(Search::findText(text, u"table", 1, 0), 2);
        QCOMPARE(Search::findText(text, u"table", 1, 1), 0);
        QCOMPARE(Search::findText(text, u"TABLE", 1, 1), 2);
        QCOMPARE(Search::findText(text, u"TR", 1, 0), 18);
        // Letters beyond a to z: one-unit upper-case forms.
        QCOMPARE(Search::findText(u"caf\u00C9", u"caf\u00E9", 1, 0), 1);
        QCOMPARE(Search::findText(u"caf\u00C9", u"caf\u00E9", 1, 1), 0);
        // Long s and dotless i have ASCII upper-case forms; the Kelvin sign is
        // its own upper-case form and so does not match k.
        QCOMPARE(Search::findText(u"\u017Fi\u0131", u"SII", 1, 0), 1);
        QCOMPARE(Search::findText(u"\u212A", u"k", 1, 0), 0);
        QCOMPARE(Search::upperForm(u"stra\u00DFe"), QStringLiteral(u"STRA\u00DFE"));
    }

    void startAndEmptySearchText()
    {
        QCOMPARE(Search::findText(u"aaa", u"aa", 1, 0), 1);
        QCOMPARE(Search::findText(u"aaa", u"aa", 2, 0), 2); // overlapping
        QCOMPARE(Search::findText(u"aaa", u"aa", 3, 0), 0);
        QCOMPARE(Search::findText(u"abc", u"a", 0, 0), 1);
        QCOMPARE(Search::findText(u"abc", u"a", 9, 0), 0);
        QCOMPARE(Search::findText(u"abc", u"abcd", 1, 0), 0);
        QCOMPARE(Search::findText(u"abc", u"", 1, 0), 1);
        QCOMPARE(Search::findText(u"abc", u"", 3, 1), 3);
        QCOMPARE(Search::findText(u"abc", u"", 4, 0), 0);
        QCOMPARE(Search::findText(u"", u"", 1, 0), 0);
        QCOMPARE(Search::findText(u"", u"a", 1, 1), 0);
    }

    void matchesAtEveryPlaceOfLongTexts()
    {
        // Long enough for the eight-at-a-time scan; the match is moved over
        // every offset so block edges and the tail are all crossed.
        for (int len : {1, 2, 3, 7, 8, 9, 17}) {
            const QString needle = QString(len, u'x').replace(0, 1, QStringLiteral("Q"));
            for (int at = 0; at < 40; ++at) {
                QString text(60, u'x');
                text.replace(at, len, QString(needle).toLower());
                const int expected = reference(text, needle, 1, 0);
                QCOMPARE(Search::findText(text, needle, 1, 0), expected);
                QCOMPARE(Search::findText(text, needle, 1, 1), reference(text, needle, 1, 1));
                QVERIFY(expected >= 1);
            }
        }
    }

    void equalsTheDefinitionOnRandomTexts_data()
    {
        QTest::addColumn<int>("method");
        QTest::newRow("best") << int(Search::detail::Method::Best);
        QTest::newRow("sse2") << int(Search::detail::Method::Sse2);
        QTest::newRow("plain") << int(Search::detail::Method::Plain);
    }
    void equalsTheDefinitionOnRandomTexts()
    {
        QFETCH(int, method);
        QRandomGenerator rng(20261209);
        const int alphabet = int(sizeof kAlphabet / sizeof kAlphabet[0]);
        int found = 0;
        for (int round = 0; round < 20000; ++round) {
            const int size = round % 5 == 0 ? 4 : alphabet; // small alphabets give many matches
            const int length = round % 3 == 0 ? rng.bounded(100, 400) : rng.bounded(0, 120);
            QString text = randomText(rng, length, size);
            const QString what = randomText(rng, rng.bounded(0, 6), size);
            if (round % 7 == 0 && !what.isEmpty()) // plant one near the end, past the vector blocks
                text.replace(qMax<qsizetype>(0, text.size() - what.size() - rng.bounded(0, 20)), what.size(), what);
            const int start = round % 3 == 0 ? rng.bounded(-1, 60) : rng.bounded(-1, 125);
            const int matchCase = rng.bounded(2);
            const int expected = reference(text, what, start, matchCase);
            const int got = Search::detail::findTextUsing(Search::detail::Method(method), text, what, start, matchCase);
            if (got != expected)
                QFAIL(qPrintable(QStringLiteral("text %1 what %2 start %3 case %4: %5 instead of %6")
                                     .arg(QString::fromLatin1(text.toUtf8().toHex()),
                                          QString::fromLatin1(what.toUtf8().toHex()))
                                     .arg(start)
                                     .arg(matchCase)
                                     .arg(got)
                                     .arg(expected)));
            found += expected > 0;
        }
        QVERIFY(found > 2000); // the cases were not all misses
    }
};

QTEST_MAIN(SearchTest)
#include "search_test.moc"
