// SPDX-License-Identifier: GPL-3.0-or-later
#include "check/MarkupCheck.h"

#include "check/MarkupFilter.h"
#include "check/TagScan.h"
#include "check/TextPoint.h"
#include "check/TidyRun.h"
#include "platform/Modules.h"

#include <QSet>

#include <algorithm>

namespace {
struct Collected {
    MarkupEra era;
    QList<QList<Problem>> groups; // a message and the notes that follow it
    bool previousKept = false;
};

void onNote(void *context, const TidyNote &m)
{
    auto *c = static_cast<Collected *>(context);
    // Line 0: summaries ("Document content looks like HTML5"), not places.
    if (m.line <= 0)
        return;
    const QByteArray key = m.key;
    const QString text = QString::fromUtf8(m.text).trimmed();
    const bool note = key == "PREVIOUS_LOCATION";
    c->previousKept = keepMessage(c->era, key, text, c->previousKept);
    if (c->previousKept) {
        const Severity severity = m.level == 0 ? Severity::Info : m.level == 1 ? Severity::Warning : Severity::Error;
        const Problem p{m.line, m.column, severity, text};
        if (note && !c->groups.isEmpty())
            c->groups.last().append(p);
        else
            c->groups.append({p});
    }
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
    QString why;
    const auto runTidy = reinterpret_cast<RunTidy>(moduleFunction(QStringLiteral("tagsmith_tidy.so"), kRunTidy, &why));
    if (!runTidy)
        return {{1, 1, Severity::Error, QCoreApplication::translate("MarkupCheck", "The markup check could not start: %1").arg(why)}};
    runTidy(utf8.constData(), &collected, onNote);

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
