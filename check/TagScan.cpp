// SPDX-License-Identifier: GPL-3.0-or-later
#include "check/TagScan.h"

namespace {
bool isSpace(QChar c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\f'; }
bool isLetter(QChar c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }

qsizetype skipPast(QStringView text, qsizetype from, QStringView what)
{
    const qsizetype at = text.indexOf(what, from, Qt::CaseInsensitive);
    return at < 0 ? text.size() : at + what.size();
}

// Reads the attributes from `i` up to the ">" ending the tag.
qsizetype readAttributes(QStringView text, qsizetype i, ScannedTag &tag)
{
    const qsizetype n = text.size();
    for (;;) {
        while (i < n && (isSpace(text[i]) || text[i] == u'/'))
            ++i;
        if (i >= n || text[i] == u'>' || text[i] == u'<')
            return i < n && text[i] == u'>' ? i + 1 : i;
        const qsizetype nameAt = i;
        while (i < n && !isSpace(text[i]) && text[i] != u'=' && text[i] != u'>' && text[i] != u'<')
            ++i;
        ScannedAttribute a;
        a.name = text.mid(nameAt, qMax<qsizetype>(1, i - nameAt));
        if (i == nameAt)
            ++i; // a stray "=": step over it
        qsizetype j = i;
        while (j < n && isSpace(text[j]))
            ++j;
        if (j < n && text[j] == u'=' && i > nameAt) {
            i = j + 1;
            while (i < n && isSpace(text[i]))
                ++i;
            if (i < n && (text[i] == u'"' || text[i] == u'\'')) {
                const QChar quote = text[i];
                const qsizetype close = text.indexOf(quote, i + 1);
                a.valueAt = i + 1;
                a.value = text.mid(i + 1, (close < 0 ? n : close) - i - 1);
                i = close < 0 ? n : close + 1;
            } else {
                a.valueAt = i;
                while (i < n && !isSpace(text[i]) && text[i] != u'>')
                    ++i;
                a.value = text.mid(a.valueAt, i - a.valueAt);
            }
        }
        tag.attributes.append(a);
    }
}
} // namespace

void scanTags(QStringView text, const std::function<void(const ScannedTag &)> &visit)
{
    const qsizetype n = text.size();
    qsizetype i = 0;
    while ((i = text.indexOf(u'<', i)) >= 0 && i + 1 < n) {
        const QChar next = text[i + 1];
        if (text.mid(i, 4) == u"<!--") {
            i = skipPast(text, i + 4, u"-->");
        } else if (next == u'!' || next == u'?' || next == u'/') {
            i = skipPast(text, i + 2, u">");
        } else if (isLetter(next)) {
            ScannedTag tag;
            tag.start = i;
            qsizetype j = i + 1;
            while (j < n && !isSpace(text[j]) && text[j] != u'>' && text[j] != u'/' && text[j] != u'<')
                ++j;
            tag.name = text.mid(i + 1, j - i - 1);
            tag.end = readAttributes(text, j, tag);
            visit(tag);
            i = tag.end;
            // Script and style hold no markup of the page.
            for (QStringView raw : {u"script", u"style"})
                if (tag.name.compare(raw, Qt::CaseInsensitive) == 0) {
                    const qsizetype close = text.indexOf(QStringLiteral("</") + raw.toString(), i, Qt::CaseInsensitive);
                    i = close < 0 ? n : close;
                }
        } else {
            ++i;
        }
    }
}

bool hasPlaceholder(QStringView text)
{
    for (qsizetype open = text.indexOf(u'['); open >= 0; open = text.indexOf(u'[', open + 1)) {
        if (open + 1 >= text.size() || !isLetter(text[open + 1]))
            continue;
        for (qsizetype k = open + 2; k < text.size(); ++k) {
            const QChar c = text[k];
            if (c == u']')
                return true;
            if (c == u'[' || c == u'\r' || c == u'\n' || c == u'<' || c == u'>')
                break;
        }
    }
    return false;
}
