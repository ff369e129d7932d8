// SPDX-License-Identifier: GPL-3.0-or-later
#include "check/MarkupFilter.h"

#include <QByteArray>
#include <QStringList>

namespace {
// Elements the browsers of that era knew and pages of it use; tidy calls
// them "not approved by W3C".
bool isEraElement(const QString &text)
{
    static const QStringList kElements = {
        QStringLiteral("<marquee>"), QStringLiteral("<bgsound>"), QStringLiteral("<comment>"),
        QStringLiteral("<blink>"),   QStringLiteral("<nobr>"),    QStringLiteral("<wbr>"),
        QStringLiteral("<embed>"),   QStringLiteral("<noembed>"), QStringLiteral("<spacer>"),
        QStringLiteral("<layer>"),   QStringLiteral("<ilayer>"),  QStringLiteral("<nolayer>"),
        QStringLiteral("<multicol>"), QStringLiteral("<xmp>")};
    for (const QString &e : kElements)
        if (text.startsWith(e))
            return true;
    return false;
}
} // namespace

MarkupEra eraOf(QByteArrayView page)
{
    const QByteArray head = page.first(qMin<qsizetype>(page.size(), 4096)).toByteArray().toLower();
    const qsizetype at = head.indexOf("<!doctype");
    if (at < 0)
        return MarkupEra::Classic;
    const qsizetype end = head.indexOf('>', at);
    const QByteArray doctype = head.mid(at, end < 0 ? -1 : end - at).simplified();
    if (doctype.contains("html 4") || doctype.contains("xhtml"))
        return MarkupEra::Html4;
    if (doctype.contains("html 3") || doctype.contains("html 2"))
        return MarkupEra::Classic;
    return MarkupEra::Html5;
}

bool keepMessage(MarkupEra era, QByteArrayView key, const QString &text, bool previousKept)
{
    if (key == "PREVIOUS_LOCATION")
        return previousKept;
    // Unquoted values are valid HTML of every era when they hold no spaces.
    if (key == "MISSING_QUOTEMARK_OPEN")
        return false;
    if (era == MarkupEra::Html5)
        return true;
    // Tidy judges pages by HTML5 unless told otherwise: its HTML5 verdicts
    // say nothing about a page of an older era.
    if (text.contains(QStringLiteral("HTML5")) || key == "REMOVED_HTML5" || key == "BAD_SUMMARY_HTML5")
        return false;
    if (key == "PROPRIETARY_ELEMENT" && isEraElement(text))
        return false;
    if (era == MarkupEra::Classic) {
        // The skeleton has no doctype, and HTML 3.2 asked for neither ALT
        // nor SUMMARY.
        if (key == "MISSING_DOCTYPE")
            return false;
        if (key == "MISSING_ATTRIBUTE"
            && (text.contains(QStringLiteral("\"alt\"")) || text.contains(QStringLiteral("\"summary\""))))
            return false;
    }
    return true;
}
