// SPDX-License-Identifier: GPL-3.0-or-later
#include "texttools/Search.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

#if defined(__x86_64__)
#define TAGSMITH_X86_SEARCH 1
#include <immintrin.h>
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

// The units a text may hold at a place where the compared form must be `target`.
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

// One search: the text, the compared form of the search text, and the units
// the first and last unit of a window may be.
struct Scan {
    const char16_t *h;
    const char16_t *p;
    qsizetype m;
    bool exact;
    UnitSet first, last;

    // Whether the window at i matches, its first and last units already known to.
    bool rest(qsizetype i) const
    {
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
    }
    bool at(qsizetype i) const { return first.contains(h[i]) && last.contains(h[i + m - 1]) && rest(i); }
    // Unit by unit from i to lastStart; -1 when nothing matches.
    qsizetype plain(qsizetype i, qsizetype lastStart) const
    {
        for (; i <= lastStart; ++i)
            if (at(i))
                return i;
        return -1;
    }
    // The candidates of a bit mask of windows from i (two bits per unit).
    bool candidates(qsizetype i, unsigned mask, qsizetype &found) const
    {
        while (mask) {
            const int bit = __builtin_ctz(mask);
            if (rest(i + bit / 2)) {
                found = i + bit / 2;
                return true;
            }
            mask &= ~(3u << bit);
        }
        return false;
    }
};

#ifdef TAGSMITH_X86_SEARCH
// Up to three units per set are compared at once; a smaller set repeats its
// first unit.
inline char16_t unitOr(const UnitSet &s, int k) { return s.units[k < s.count ? k : 0]; }

// How a vector compare recognises the units of a set of up to three: units
// that differ from `value` only in the bits of `orMask` (a case pair such as
// a/A or é/É differs in one bit), and optionally one more unit.
struct UnitMatch {
    char16_t orMask = 0, value = 0, extra = 0;
    bool hasExtra = false;
};

bool singleBit(unsigned d) { return d && !(d & (d - 1)); }

bool makeMatch(const UnitSet &s, UnitMatch &m)
{
    if (s.count == 1) {
        m.value = s.units[0];
        return true;
    }
    for (int i = 0; i < s.count; ++i)
        for (int j = i + 1; j < s.count; ++j) {
            const unsigned d = unsigned(s.units[i] ^ s.units[j]);
            if (!singleBit(d))
                continue;
            m.orMask = char16_t(d);
            m.value = char16_t(s.units[i] | d);
            if (s.count == 3) {
                m.extra = s.units[3 - i - j];
                m.hasExtra = true;
            }
            return true;
        }
    if (s.count == 2) {
        m.value = s.units[0];
        m.extra = s.units[1];
        m.hasExtra = true;
        return true;
    }
    return false;
}

// Sixteen windows at a time (AVX2): first units and last units compared with
// their sets, the rest compared only where both fit.
struct Avx2Match {
    __m256i orMask, value, extra;
};

template <bool Extra>
__attribute__((target("avx2"), always_inline)) inline __m256i avx2Is(const Avx2Match &m, __m256i v)
{
    __m256i e = _mm256_cmpeq_epi16(_mm256_or_si256(v, m.orMask), m.value);
    if (Extra)
        e = _mm256_or_si256(e, _mm256_cmpeq_epi16(v, m.extra));
    return e;
}

template <bool FirstExtra, bool LastExtra>
__attribute__((target("avx2"), always_inline)) inline __m256i avx2Hits(const Avx2Match &f, const Avx2Match &l,
                                                                       const char16_t *w, qsizetype tail)
{
    const __m256i a = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(w));
    const __m256i b = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(w + tail));
    return _mm256_and_si256(avx2Is<FirstExtra>(f, a), avx2Is<LastExtra>(l, b));
}

__attribute__((target("avx2"))) Avx2Match avx2Match(const UnitMatch &m)
{
    return {_mm256_set1_epi16(short(m.orMask)), _mm256_set1_epi16(short(m.value)), _mm256_set1_epi16(short(m.extra))};
}

template <bool FirstExtra, bool LastExtra>
__attribute__((target("avx2"))) qsizetype scanAvx2(const Scan &s, const UnitMatch &fm, const UnitMatch &lm,
                                                   qsizetype i, qsizetype lastStart)
{
    const Avx2Match f = avx2Match(fm), l = avx2Match(lm);
    const qsizetype tail = s.m - 1;
    qsizetype found = -1;
    for (; i + 63 <= lastStart; i += 64) {
        const __m256i c0 = avx2Hits<FirstExtra, LastExtra>(f, l, s.h + i, tail);
        const __m256i c1 = avx2Hits<FirstExtra, LastExtra>(f, l, s.h + i + 16, tail);
        const __m256i c2 = avx2Hits<FirstExtra, LastExtra>(f, l, s.h + i + 32, tail);
        const __m256i c3 = avx2Hits<FirstExtra, LastExtra>(f, l, s.h + i + 48, tail);
        const __m256i any = _mm256_or_si256(_mm256_or_si256(c0, c1), _mm256_or_si256(c2, c3));
        if (_mm256_testz_si256(any, any))
            continue;
        if (s.candidates(i, unsigned(_mm256_movemask_epi8(c0)), found)
            || s.candidates(i + 16, unsigned(_mm256_movemask_epi8(c1)), found)
            || s.candidates(i + 32, unsigned(_mm256_movemask_epi8(c2)), found)
            || s.candidates(i + 48, unsigned(_mm256_movemask_epi8(c3)), found))
            return found;
    }
    for (; i + 15 <= lastStart; i += 16)
        if (s.candidates(i, unsigned(_mm256_movemask_epi8(avx2Hits<FirstExtra, LastExtra>(f, l, s.h + i, tail))),
                         found))
            return found;
    return s.plain(i, lastStart);
}

qsizetype scanAvx2(const Scan &s, const UnitMatch &f, const UnitMatch &l, qsizetype i, qsizetype lastStart)
{
    if (f.hasExtra)
        return l.hasExtra ? scanAvx2<true, true>(s, f, l, i, lastStart) : scanAvx2<true, false>(s, f, l, i, lastStart);
    return l.hasExtra ? scanAvx2<false, true>(s, f, l, i, lastStart) : scanAvx2<false, false>(s, f, l, i, lastStart);
}

// Eight windows at a time (SSE2, always there on x86-64).
qsizetype scanSse2(const Scan &s, qsizetype i, qsizetype lastStart)
{
    const __m128i f0 = _mm_set1_epi16(short(unitOr(s.first, 0))), f1 = _mm_set1_epi16(short(unitOr(s.first, 1))),
                  f2 = _mm_set1_epi16(short(unitOr(s.first, 2)));
    const __m128i l0 = _mm_set1_epi16(short(unitOr(s.last, 0))), l1 = _mm_set1_epi16(short(unitOr(s.last, 1))),
                  l2 = _mm_set1_epi16(short(unitOr(s.last, 2)));
    qsizetype found = -1;
    for (; i + 7 <= lastStart; i += 8) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i *>(s.h + i));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i *>(s.h + i + s.m - 1));
        const __m128i ea = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi16(a, f0), _mm_cmpeq_epi16(a, f1)),
                                        _mm_cmpeq_epi16(a, f2));
        const __m128i eb = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi16(b, l0), _mm_cmpeq_epi16(b, l1)),
                                        _mm_cmpeq_epi16(b, l2));
        if (s.candidates(i, unsigned(_mm_movemask_epi8(_mm_and_si128(ea, eb))), found))
            return found;
    }
    return s.plain(i, lastStart);
}

bool haveAvx2()
{
    static const bool have = __builtin_cpu_supports("avx2");
    return have;
}
#endif

} // namespace

int findText(QStringView text, QStringView what, int start, int matchCase)
{
    return detail::findTextUsing(detail::Method::Best, text, what, start, matchCase);
}

int detail::findTextUsing(Method method, QStringView text, QStringView what, int start, int matchCase)
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
    Scan s{reinterpret_cast<const char16_t *>(text.utf16()), reinterpret_cast<const char16_t *>(pattern.utf16()), m,
           exact, {}, {}};
    // Candidates are windows whose first and last units can match; only those
    // are compared unit by unit.
    s.first = unitsFor(s.p[0], exact);
    s.last = unitsFor(s.p[m - 1], exact);
    const qsizetype from = start - 1;
    const qsizetype lastStart = n - m; // the last window that fits

    qsizetype at = -1;
    if (s.first.overflow || s.last.overflow) {
        // Not expected with the Unicode tables Qt ships; stay correct anyway.
        for (qsizetype i = from; i <= lastStart && at < 0; ++i) {
            bool ok = true;
            for (qsizetype k = 0; k < m && ok; ++k)
                ok = (exact ? s.h[i + k] : upperUnit(s.h[i + k])) == s.p[k];
            if (ok)
                at = i;
        }
    }
#ifdef TAGSMITH_X86_SEARCH
    else if (method != Method::Plain && s.first.count <= 3 && s.last.count <= 3) {
        UnitMatch f, l;
        if (method == Method::Best && haveAvx2() && makeMatch(s.first, f) && makeMatch(s.last, l))
            at = scanAvx2(s, f, l, from, lastStart);
        else
            at = scanSse2(s, from, lastStart);
    }
#endif
    else
        at = s.plain(from, lastStart);
    return at < 0 ? 0 : int(at + 1);
}

} // namespace Search
