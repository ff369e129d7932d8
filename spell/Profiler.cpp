// SPDX-License-Identifier: GPL-3.0-or-later
#include "spell/Profiler.h"

#include <QHash>
#include <QStringView>

#include <algorithm>
#include <string_view>
#include <vector>

namespace Profiler {

namespace {

bool isLetter(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z');
}

QString asciiLower(QStringView s)
{
    QString out = s.toString();
    for (QChar &c : out) {
        const char16_t u = c.unicode();
        if (u >= u'A' && u <= u'Z')
            c = QChar(char16_t(u + (u'a' - u'A')));
    }
    return out;
}

// Plain code-unit order, compared inline (the locator sorts and searches
// hundreds of thousands of short words).
std::u16string_view units(QStringView s) { return {s.utf16(), size_t(s.size())}; }

// Finds " " + letters in the editor text at or after a start position.
//
// An occurrence of " foo" is a space whose following letters begin with
// "foo", because the word consists of letters only. So every space of the
// editor text is indexed once with the letters after it; sorted by those
// letters, the spaces that match a word form one contiguous stretch. The
// first time a word is asked for, the positions of its stretch are sorted
// and kept; each query is then a binary search for the start position. The
// answer is the same as a plain search from the start position, without
// scanning the text again for each word.
class Locator {
public:
    explicit Locator(const QString &text)
    {
        const qsizetype n = text.size();
        const QChar *d = text.constData();
        for (qsizetype p = 0; p < n; ++p) {
            if (d[p] != u' ')
                continue;
            qsizetype e = p + 1;
            while (e < n && isLetter(d[e]))
                ++e;
            m_spaces.push_back({units(QStringView(d + p + 1, e - p - 1)), qint32(p + 1)});
        }
        std::sort(m_spaces.begin(), m_spaces.end(), [](const Entry &a, const Entry &b) {
            const int c = a.letters.compare(b.letters);
            return c != 0 ? c < 0 : a.position < b.position;
        });
    }

    // 1-based position of the first " " + letters at or after start (1-based), or 0.
    qint32 find(const QString &letters, qint32 start)
    {
        auto it = m_cache.find(letters);
        if (it == m_cache.end())
            it = m_cache.insert(letters, occurrences(letters));
        const std::vector<qint32> &positions = it.value();
        const auto at = std::lower_bound(positions.begin(), positions.end(), start);
        return at != positions.end() ? *at : 0;
    }

private:
    struct Entry {
        std::u16string_view letters;
        qint32 position;
    };
    using Occurrences = std::vector<qint32>;

    Occurrences occurrences(const QString &letters) const
    {
        Occurrences occ;
        const std::u16string_view key = units(letters);
        auto first = std::lower_bound(m_spaces.begin(), m_spaces.end(), key,
                                      [](const Entry &e, std::u16string_view k) { return e.letters < k; });
        for (auto it = first; it != m_spaces.end() && it->letters.substr(0, key.size()) == key; ++it)
            occ.push_back(it->position);
        std::sort(occ.begin(), occ.end());
        return occ;
    }

    std::vector<Entry> m_spaces; // views into the editor text, which outlives the locator
    QHash<QString, Occurrences> m_cache;
};

} // namespace

void scanPage(const QString &page, const QString &editorText, const WordVisitor &visit)
{
    Locator locator(editorText);
    const qsizetype len = page.size();
    const QChar *d = page.constData();
    QString run;
    qsizetype gt = page.indexOf(u'>'); // 0-based position of the ">" opening the run
    while (gt >= 0 && gt < len) {
        // Collect the run: from the ">" up to and including the next "<".
        run = QStringLiteral(" ");
        qsizetype p = gt;
        QChar last;
        do {
            last = d[p];
            if (last != u'<' && last != u'>' && last != u'\r' && last != u'\n')
                run += last;
            ++p;
        } while (last != u'<' && p < len);

        // Split it into words: a space and the letters directly after it.
        const qint32 start = qint32(gt + 1);
        const qsizetype runLen = run.size();
        qsizetype w = 0; // the run starts with its space
        while (w >= 0 && w < runLen) {
            qsizetype e = w + 1;
            while (e < runLen && isLetter(run[e]))
                ++e;
            const QStringView letters = QStringView(run).mid(w + 1, e - w - 1);
            const qint32 position = locator.find(letters.toString(), start);
            visit(position, asciiLower(letters));
            w = run.indexOf(u' ', e > w + 1 ? e : w + 1);
        }

        // The next run starts at the next ">" from two characters after the "<".
        if (last == u'<')
            gt = p + 1 < len ? page.indexOf(u'>', p + 1) : -1;
        else
            gt = -1;
    }
}

QString reportLine(const QString &page, qint32 position, const QString &word)
{
    QString name = page.size() > 20 ? page.left(17) + QStringLiteral("...") : page;
    return name.leftJustified(20, u' ') + QStringLiteral(" | ")
           + QString::number(position).leftJustified(5, u' ') + QStringLiteral(" | ") + word;
}

qint32 reportPosition(const QString &line)
{
    if (line.size() < 24)
        return 0;
    qsizetype end = line.indexOf(QStringLiteral(" | "), 23);
    if (end < 0)
        end = line.size();
    bool ok = false;
    const qint32 v = QStringView(line).mid(23, end - 23).trimmed().toInt(&ok);
    return ok && v > 0 ? v : 0;
}

QString excerpt(const QString &text, qint32 position)
{
    if (position < 1 || position > text.size())
        return QString();
    return text.mid(position - 1, 20);
}

} // namespace Profiler
