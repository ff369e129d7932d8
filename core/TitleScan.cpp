// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/TitleScan.h"

QString trimBlanks(const QString &text)
{
    qsizetype b = 0, e = text.size();
    while (b < e && text[b] == u' ')
        ++b;
    while (e > b && text[e - 1] == u' ')
        --e;
    return text.mid(b, e - b);
}

QString scanTitle(const QString &text, bool dropControlChars)
{
    // 1-based position of the tag, 0 when absent.
    const qsizetype found = text.indexOf(QLatin1String("<TITLE>")) + 1;
    QString title;
    for (int i = 7; i <= 55; ++i) {
        const qsizetype pos = found + i; // 1-based
        if (pos > text.size())
            continue; // past the end: nothing
        const QChar c = text[pos - 1];
        if (c == u'<')
            break;
        if (dropControlChars && (c.unicode() < 31 || c.unicode() > 126))
            continue;
        title += c;
    }
    return trimBlanks(title);
}

QString captionForTitle(const QString &title) { return title + QLatin1String(" - Tagsmith"); }

QString scanTitle(const QByteArray &bytes, TextEncoding encoding, bool dropControlChars)
{
    // The scan looks at most 55 characters past the tag's start; take enough
    // bytes for that many characters of up to four bytes each.
    constexpr qsizetype kWindowBytes = (7 + 55) * 4;
    const qsizetype at = bytes.indexOf("<TITLE>");
    const qsizetype from = at < 0 ? 0 : at;
    const QByteArray window = bytes.mid(from, kWindowBytes);
    const QString text = decodeBytes(window, encoding);
    // The window starts with the tag, or (without one) with the text itself.
    return scanTitle(text, dropControlChars);
}
