#include "texttools/Replace.h"

#include "texttools/Search.h"

namespace Replace {

bool isMatch(QStringView selected, QStringView what, int matchCase)
{
    return !what.isEmpty() && selected.size() == what.size() && Search::findText(selected, what, 1, matchCase) == 1;
}

Span replaceAll(QStringView text, QStringView what, QStringView with, int matchCase)
{
    Span span;
    if (what.isEmpty())
        return span;
    const int whatSize = int(what.size());
    int from = 0; // 0-based: the text before it is done
    for (int at; (at = Search::findText(text, what, from + 1, matchCase)) > 0;) {
        const int match = at - 1;
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
    return count == 1 ? QStringLiteral("Replaced 1 occurrence.")
                      : QStringLiteral("Replaced %1 occurrences.").arg(count);
}

} // namespace Replace
