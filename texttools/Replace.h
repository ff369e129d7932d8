#pragma once

#include <QString>
#include <QStringView>

// Replacing text by Find's matching rules (see Search.h): positions are
// 0-based UTF-16 units here, as the editing area counts them.
namespace Replace {

// Whether `selected` is, as a whole, a match of `what`.
bool isMatch(QStringView selected, QStringView what, int matchCase);

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
Span replaceAll(QStringView text, QStringView what, QStringView with, int matchCase);

// The status line's report of a Replace All.
QString replacedMessage(int count);

} // namespace Replace
