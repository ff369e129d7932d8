// SPDX-License-Identifier: GPL-3.0-or-later
#include "check/MarkupCheck.h"

#include "check/MarkupFilter.h"
#include "check/TagScan.h"
#include "check/TextPoint.h"

#include <QSet>

#include <algorithm>
#include <tidy/tidy.h>

namespace {
struct Collected {
    MarkupEra era;
    QList<QList<Problem>> groups; // a message and the notes that follow it
    bool previousKept = false;
};

Severity severityOf(TidyReportLevel level)
{
    if (level <= TidyInfo)
        return Severity::Info;
    return level < TidyError ? Severity::Warning : Severity::Error;
}

// The message without tidy's "line 1 column 1 - Warning: ".
QString bodyOf(TidyMessage m)
{
    QByteArray out = tidyGetMessageOutputDefault(m);
    for (const char *lead : {tidyGetMessagePosDefault(m), tidyGetMessagePrefixDefault(m)})
        if (lead && out.startsWith(lead))
            out.remove(0, qstrlen(lead));
    return QString::fromUtf8(out).trimmed();
}

Bool TIDY_CALL onMessage(TidyMessage m)
{
    auto *c = static_cast<Collected *>(tidyGetAppData(tidyGetMessageDoc(m)));
    const int line = tidyGetMessageLine(m);
    // Line 0: summaries ("Document content looks like HTML5"), not places.
    if (line <= 0)
        return no;
    const QByteArray key = tidyGetMessageKey(m);
    const QString text = bodyOf(m);
    const bool note = key == "PREVIOUS_LOCATION";
    c->previousKept = keepMessage(c->era, key, text, c->previousKept);
    if (c->previousKept) {
        const Problem p{line, tidyGetMessageColumn(m), severityOf(tidyGetMessageLevel(m)), text};
        if (note && !c->groups.isEmpty())
            c->groups.last().append(p);
        else
            c->groups.append({p});
    }
    return no; // tidy prints nothing
}

// The places of the tags that still hold a template placeholder.
QSet<QPair<int, int>> placeholderTags(const QString &text)
{
    QSet<QPair<int, int>> places;
    TextPointCounter counter(text);
    scanTags(text, [&](const ScannedTag &tag) {
        if (hasPlaceholder(QStringView(text).mid(tag.start, tag.end - tag.start))) {
            const TextPoint p = counter.at(tag.start);
            places.insert({p.line, p.column});
        }
    });
    return places;
}
} // namespace

QList<Problem> checkMarkup(const QByteArray &utf8)
{
    Collected collected{eraOf(utf8), {}, false};
    TidyDoc doc = tidyCreate();
    tidySetAppData(doc, &collected);
    tidySetMessageCallback(doc, onMessage);
    tidyOptSetBool(doc, TidyQuiet, yes);
    tidyOptSetBool(doc, TidyShowWarnings, yes);
    tidyOptSetBool(doc, TidyShowInfo, yes);
    tidyOptSetInt(doc, TidyShowErrors, 1000);
    tidyOptSetBool(doc, TidyWarnPropAttrs, yes);
    tidyOptSetInt(doc, TidyTabSize, 1); // a tab is one column, as on the status bar
    tidySetCharEncoding(doc, "utf8");
    // The HTML5 and proprietary verdicts come only from the repair of tidy's
    // own tree; the page is never written back.
    if (tidyParseString(doc, utf8.constData()) >= 0 && tidyCleanAndRepair(doc) >= 0)
        tidyRunDiagnostics(doc);
    tidyRelease(doc);

    // Tidy reports some checks after the parse: put them in page order.
    std::stable_sort(collected.groups.begin(), collected.groups.end(), [](const auto &a, const auto &b) {
        return std::pair(a.first().line, a.first().column) < std::pair(b.first().line, b.first().column);
    });
    const auto unfinished = placeholderTags(QString::fromUtf8(utf8));
    QList<Problem> problems;
    QSet<QString> seen; // tidy may say the same twice: once in the parse, once in the repair
    for (const QList<Problem> &group : collected.groups) {
        if (unfinished.contains({group.first().line, group.first().column}))
            continue;
        for (const Problem &p : group)
            if (!seen.contains(problemRow(p))) {
                seen.insert(problemRow(p));
                problems.append(p);
            }
    }
    return problems;
}
