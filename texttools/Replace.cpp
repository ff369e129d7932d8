// SPDX-License-Identifier: GPL-3.0-or-later
#include "texttools/Replace.h"

#include "texttools/Search.h"

#include <QCoreApplication>

namespace Replace {

namespace {

bool isWordUnit(QChar c) { return c.isLetterOrNumber() || c == u'_'; }

// Whether a match of `length` units at `at` stands as a whole word: a word
// unit at its edge must not continue a word outside it ("<p>" matches in
// "<p>x", "cat" does not match in "cats").
bool isWhole(QStringView text, qsizetype at, qsizetype length)
{
    const qsizetype end = at + length;
    if (at > 0 && isWordUnit(text[at]) && isWordUnit(text[at - 1]))
        return false;
    return !(end < text.size() && isWordUnit(text[end - 1]) && isWordUnit(text[end]));
}

// 0-based position of the first match at or after `from` that obeys the
// rules, or -1.
int find(QStringView text, QStringView what, int from, const Rules &rules)
{
    for (int at; (at = Search::findText(text, what, from + 1, rules.matchCase)) > 0; from = at) {
        if (!rules.wholeWord || isWhole(text, at - 1, what.size()))
            return at - 1;
    }
    return -1;
}

} // namespace

bool isMatch(QStringView text, int at, int length, QStringView what, const Rules &rules)
{
    if (what.isEmpty() || length != what.size() || at < 0 || at + length > text.size())
        return false;
    return Search::findText(text.mid(at, length), what, 1, rules.matchCase) == 1
           && (!rules.wholeWord || isWhole(text, at, length));
}

Found findNext(QStringView text, QStringView what, int from, const Rules &rules)
{
    if (what.isEmpty())
        return {};
    if (const int at = find(text, what, from, rules); at >= 0)
        return {at, false};
    const int at = find(text, what, 0, rules);
    return {at, at >= 0};
}

Span replaceAll(QStringView text, QStringView what, QStringView with, const Rules &rules)
{
    Span span;
    if (what.isEmpty())
        return span;
    const int whatSize = int(what.size());
    int from = 0; // the text before it is done
    for (int match; (match = find(text, what, from, rules)) >= 0;) {
        if (span.count == 0) {
            span.start = match;
            // A guess that saves most regrowing when the match is frequent.
            span.text.reserve(text.size() - match + qMax<qsizetype>(0, with.size() - whatSize) * 64);
        } else {
            span.text.append(text.mid(from, match - from));
        }
        span.text.append(with);
        from = match + whatSize;
        ++span.count;
    }
    span.length = span.count > 0 ? from - span.start : 0;
    return span;
}

QString replacedMessage(int count)
{
    return count == 1 ? QCoreApplication::translate("Replace", "Replaced 1 occurrence.")
                      : QCoreApplication::translate("Replace", "Replaced %1 occurrences.").arg(count);
}

} // namespace Replace
