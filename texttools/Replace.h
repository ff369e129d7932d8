// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

// Replacing text by Find's matching rules (see Search.h): positions are
// 0-based UTF-16 units here, as the editing area counts them.
namespace Replace {

// How Replace matches: Find's case rule, and optionally whole words only
// (a match that starts or ends with a letter, digit or "_" may not have
// another one just outside it).
struct Rules {
    int matchCase = 0;
    bool wholeWord = false;
};

// Whether the `length` units at `at` in `text` are, as a whole, a match of `what`.
bool isMatch(QStringView text, int at, int length, QStringView what, const Rules &rules);

// The first match of `what` at or after `from`; past the last one, the
// first from the top of the text (`wrapped`). `at` is -1 when there is none.
struct Found {
    int at = -1;
    bool wrapped = false;
};
Found findNext(QStringView text, QStringView what, int from, const Rules &rules);

// Every match of `what` in `text`, left to right and not overlapping,
// replaced by `with` in one pass. The result names the span of `text` that
// changed (from the first match to the end of the last) and its new text,
// so only that span needs to be put back. An empty `what` matches nothing.
struct Span {
    int start = 0;
    int length = 0;
    QString text;
    int count = 0;
};
Span replaceAll(QStringView text, QStringView what, QStringView with, const Rules &rules);

// The status line's report of a Replace All.
QString replacedMessage(int count);

} // namespace Replace
