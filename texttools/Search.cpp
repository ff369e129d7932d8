#include "texttools/Search.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace Search {

QString upperForm(QStringView text)
{
    QString out(text.size(), Qt::Uninitialized);
    char16_t *d = reinterpret_cast<char16_t *>(out.data());
    for (qsizetype i = 0; i < text.size(); ++i)
        d[i] = upperUnit(text[i].unicode());
    return out;
}

namespace {

// Every unit whose upper-case form is not the unit itself, as pairs
// (upper-case form, unit), sorted: the reverse of upperUnit. Built once.
const std::vector<std::pair<char16_t, char16_t>> &reverseUpper()
{
    static const std::vector<std::pair<char16_t, char16_t>> table = [] {
        std::vector<std::pair<char16_t, char16_t>> t;
        for (unsigned u = 0; u <= 0xFFFF; ++u) {
            const char16_t up = upperUnit(char16_t(u));
            if (up != u)
                t.emplace_back(up, char16_t(u));
        }
        std::sort(t.begin(), t.end());
        return t;
    }();
    return table;
}

// The units a text may hold at a place where the compared form must be `c`.
struct UnitSet {
    static constexpr int Max = 8;
    std::array<char16_t, Max> units{};
    int count = 0;
    bool overflow = false;
    void add(char16_t u)
    {
        if (count < Max)
            units[count++] = u;
        else
            overflow = true;
    }
    bool contains(char16_t u) const
    {
        for (int i = 0; i < count; ++i)
            if (units[i] == u)
                return true;
        return false;
    }
};

UnitSet unitsFor(char16_t target, bool matchCase)
{
    UnitSet s;
    if (matchCase) {
        s.add(target);
        return s;
    }
    // target is already an upper-case form.
    if (upperUnit(target) == target)
        s.add(target);
    const auto &t = reverseUpper();
    auto range = std::equal_range(t.begin(), t.end(), std::make_pair(target, char16_t(0)),
                                  [](const auto &a, const auto &b) { return a.first < b.first; });
    for (auto it = range.first; it != range.second; ++it)
        s.add(it->second);
    return s;
}

} // namespace

int findText(QStringView text, QStringView what, int start, int matchCase)
{
    const qsizetype n = text.size();
    const qsizetype m = what.size();
    if (start < 1)
        start = 1;
    if (n == 0 || start > n)
        return 0;
    if (m == 0)
        return start;
    if (m > n - (start - 1))
        return 0;

    const bool exact = matchCase == 1;
    const QString pattern = exact ? what.toString() : upperForm(what);
    const char16_t *p = reinterpret_cast<const char16_t *>(pattern.utf16());
    const char16_t *h = reinterpret_cast<const char16_t *>(text.utf16());

    // Candidates are windows whose first and last units can match; only those
    // are compared unit by unit.
    const UnitSet first = unitsFor(p[0], exact);
    const UnitSet last = unitsFor(p[m - 1], exact);
    auto rest = [&](qsizetype i) {
        if (exact) {
            for (qsizetype k = 1; k < m - 1; ++k)
                if (h[i + k] != p[k])
                    return false;
        } else {
            for (qsizetype k = 1; k < m - 1; ++k)
                if (upperUnit(h[i + k]) != p[k])
                    return false;
        }
        return true;
    };

    qsizetype i = start - 1;
    const qsizetype lastStart = n - m; // the last window that fits

    if (first.overflow || last.overflow) {
        // Not expected with the Unicode tables Qt ships; stay correct anyway.
        for (; i <= lastStart; ++i) {
            bool ok = true;
            for (qsizetype k = 0; k < m && ok; ++k)
                ok = (exact ? h[i + k] : upperUnit(h[i + k])) == p[k];
            if (ok)
                return int(i + 1);
        }
        return 0;
    }

#if defined(__SSE2__)
    __m128i fv[UnitSet::Max], lv[UnitSet::Max];
    for (int k = 0; k < first.count; ++k)
        fv[k] = _mm_set1_epi16(short(first.units[k]));
    for (int k = 0; k < last.count; ++k)
        lv[k] = _mm_set1_epi16(short(last.units[k]));
    // Eight windows at a time: their first units and their last units.
    for (; i + 7 <= lastStart; i += 8) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i *>(h + i));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i *>(h + i + m - 1));
        __m128i ea = _mm_cmpeq_epi16(a, fv[0]);
        for (int k = 1; k < first.count; ++k)
            ea = _mm_or_si128(ea, _mm_cmpeq_epi16(a, fv[k]));
        __m128i eb = _mm_cmpeq_epi16(b, lv[0]);
        for (int k = 1; k < last.count; ++k)
            eb = _mm_or_si128(eb, _mm_cmpeq_epi16(b, lv[k]));
        unsigned mask = unsigned(_mm_movemask_epi8(_mm_and_si128(ea, eb)));
        while (mask) {
            const int bit = __builtin_ctz(mask);
            const qsizetype at = i + bit / 2;
            if (rest(at))
                return int(at + 1);
            mask &= ~(3u << bit);
        }
    }
#endif
    for (; i <= lastStart; ++i) {
        if (first.contains(h[i]) && last.contains(h[i + m - 1]) && rest(i))
            return int(i + 1);
    }
    return 0;
}

} // namespace Search
