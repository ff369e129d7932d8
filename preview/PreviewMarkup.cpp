// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/PreviewMarkup.h"

#include "core/TagNames.h"
#include "core/TagPairs.h"

#include <QChar>

#include <algorithm>

namespace {
// Elements whose content the browser reads as text: a tag-like run in them
// must not get an attribute, or the text on screen would change.
bool holdsText(std::string_view name)
{
    using TagNames::sameName;
    return TagNames::isRawText(name) || sameName(name, "textarea") || sameName(name, "title")
           || sameName(name, "xmp");
}

// Where the end tag of the text element opened before `from` starts, or the
// end of the page.
qsizetype endOfText(QByteArrayView page, qsizetype from, std::string_view name)
{
    for (qsizetype i = from; (i = page.indexOf("</", i)) >= 0; i += 2) {
        const auto tag = scanTag(page, i);
        if (tag && tag->kind == ScannedTag::Close && TagNames::sameName(tag->name, name))
            return i;
    }
    return page.size();
}

// Line ends from `from` up to `to`: CR LF counts once, as do lone CR and LF.
int lineEnds(QByteArrayView page, qsizetype from, qsizetype to)
{
    int n = 0;
    const char *p = page.data();
    for (qsizetype i = from; i < to; ++i)
        if (p[i] == '\n' || (p[i] == '\r' && (i + 1 >= page.size() || p[i + 1] != '\n')))
            ++n;
    return n;
}
} // namespace

PreviewCopy annotatePage(QByteArrayView page)
{
    PreviewCopy copy;
    copy.html.reserve(page.size() + page.size() / 8);
    qsizetype copied = 0, counted = 0;
    int line = 1;
    qsizetype i = 0;
    while ((i = page.indexOf('<', i)) >= 0) {
        const auto tag = scanTag(page, i);
        if (!tag) {
            ++i;
            continue;
        }
        qsizetype next = tag->span.end;
        if (tag->kind == ScannedTag::Open) {
            line += lineEnds(page, counted, i);
            counted = i;
            const qsizetype nameEnd = i + 1 + qsizetype(tag->name.size());
            copy.html.append(page.sliced(copied, nameEnd - copied));
            copy.html.append(' ').append(kPreviewAttribute).append("=\"");
            copy.html.append(QByteArray::number(qulonglong(copy.starts.size()))).append('"');
            copied = nameEnd;
            copy.starts.push_back(i);
            copy.lines.push_back(line);
            copy.scripted = copy.scripted || TagNames::sameName(tag->name, "script")
                            || TagNames::sameName(tag->name, "noscript");
            if (!tag->selfClosing && holdsText(tag->name))
                next = endOfText(page, next, tag->name);
        }
        i = next;
    }
    copy.html.append(page.sliced(copied));
    return copy;
}

int elementAt(const PreviewCopy &copy, qsizetype pos)
{
    const auto after = std::upper_bound(copy.starts.begin(), copy.starts.end(), pos);
    return int(after - copy.starts.begin()) - 1;
}

qsizetype headPlace(QByteArrayView page)
{
    qsizetype i = 0;
    for (;;) {
        while (i < page.size() && QChar::isSpace(uchar(page[i])))
            ++i;
        const auto tag = i < page.size() && page[i] == '<' ? scanTag(page, i) : std::nullopt;
        if (!tag || tag->kind != ScannedTag::Other)
            return 0;
        if (page.sliced(i).startsWith("<!--")) {
            i = tag->span.end;
            continue;
        }
        return QByteArrayView(page.sliced(i + 2, qMin<qsizetype>(7, page.size() - i - 2))).compare("doctype", Qt::CaseInsensitive) == 0
                   ? tag->span.end
                   : 0;
    }
}
