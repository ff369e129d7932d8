// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/WordRuns.h"

#include "editor/ScintillaTextBox.h"

#include <QByteArray>

namespace {
bool isBlank(char c) { return c == ' ' || c == '\t'; }

long send(const ScintillaTextBox &box, unsigned msg, unsigned long w = 0, long l = 0)
{
    return box.SendScintilla(msg, w, l);
}

// Enough cache entries for the distinct words of a wrapped page in both
// styles, whose every line is laid out to wrap it; a page too big to wrap
// has only the lines shown laid out, and the component's own number of
// entries does for a small page. Each entry takes 16 bytes, used or not.
constexpr long kPositionCacheEntries = 1 << 16;
constexpr long kSmallPositionCache = 1024;
constexpr long kUnwrappedPositionCache = 4096;

// Styles are handed over in pieces of this size.
constexpr long kChunk = 64 * 1024;

void sizePositionCache(ScintillaTextBox &box)
{
    const long entries = box.wrapMode() == QsciScintilla::WrapNone
                             ? kUnwrappedPositionCache
                             : qBound(kSmallPositionCache, send(box, QsciScintillaBase::SCI_GETLENGTH) / 16,
                                      kPositionCacheEntries);
    if (entries != send(box, QsciScintillaBase::SCI_GETPOSITIONCACHE))
        send(box, QsciScintillaBase::SCI_SETPOSITIONCACHE, entries);
}

void styleNeeded(ScintillaTextBox &box, long upTo)
{
    using B = QsciScintillaBase;
    // A byte's style follows from the byte before it and that byte's
    // style, so styling goes on from where it stopped (or was undone by an
    // edit) without looking further back.
    long from = send(box, B::SCI_GETENDSTYLED);
    upTo = qMin(upTo, send(box, B::SCI_GETLENGTH));
    if (upTo <= from)
        return;
    char before = ' ';
    char previous = char(WordRuns::kFirst);
    if (from > 0) {
        before = char(send(box, B::SCI_GETCHARAT, from - 1));
        previous = char(send(box, B::SCI_GETSTYLEAT, from - 1));
    }
    const bool characters = box.hasLongLines();
    bool afterSpace = from > 0 && isBlank(before);
    send(box, B::SCI_STARTSTYLING, from);
    QByteArray styles;
    while (from < upTo) {
        const long size = qMin(kChunk, upTo - from);
        const auto *text = reinterpret_cast<const char *>(send(box, B::SCI_GETRANGEPOINTER, from, size));
        styles.resize(size);
        if (characters)
            WordRuns::styleCharacters(text, size, before, previous, styles.data());
        else
            WordRuns::style(text, size, afterSpace, previous, styles.data());
        send(box, B::SCI_SETSTYLINGEX, size, reinterpret_cast<long>(styles.constData()));
        before = text[size - 1];
        afterSpace = isBlank(before);
        previous = styles.constData()[size - 1];
        from += size;
    }
}
} // namespace

bool WordRuns::hasLongLine(const char *text, qsizetype size)
{
    // From each line start, the last line end within reach is looked for
    // backwards; ordinary lines put one close to the end of the window.
    qsizetype start = 0;
    while (size - start > kLongLine) {
        qsizetype end = start + kLongLine; // the last byte a short line may end on
        while (end >= start && text[end] != '\n' && text[end] != '\r')
            --end;
        if (end < start)
            return true;
        start = end + 1;
    }
    return false;
}

void WordRuns::LongLineCheck::feed(const char *text, qsizetype size)
{
    const auto isEnd = [text](qsizetype i) { return text[i] == '\n' || text[i] == '\r'; };
    if (m_found || size == 0)
        return;
    // The line that runs on from the last piece, looked at only as far as
    // it may still be short.
    const qsizetype reach = qMin(size, kLongLine - m_run + 1);
    qsizetype first = 0;
    while (first < reach && !isEnd(first))
        ++first;
    if (first == reach) { // no line end: the piece ended, or the line is long
        m_run += reach;
        m_found = m_run > kLongLine;
        return;
    }
    m_found = hasLongLine(text + first + 1, size - first - 1);
    qsizetype last = size - 1;
    while (last > first && !isEnd(last))
        --last;
    m_run = size - 1 - last;
}

void WordRuns::style(const char *text, qsizetype size, bool afterSpace, char previous, char *out)
{
    const char first = char(kFirst), second = char(kSecond);
    char current = previous;
    for (qsizetype i = 0; i < size; ++i) {
        const bool blank = isBlank(text[i]);
        if (afterSpace && !blank)
            current = current == first ? second : first;
        out[i] = current;
        afterSpace = blank;
    }
}

void WordRuns::styleCharacters(const char *text, qsizetype size, char before, char previous, char *out)
{
    const char first = char(kFirst), second = char(kSecond);
    char current = previous;
    bool afterAscii = uchar(before) < 0x80;
    for (qsizetype i = 0; i < size; ++i) {
        const bool ascii = uchar(text[i]) < 0x80;
        if (ascii && afterAscii)
            current = current == first ? second : first;
        out[i] = current;
        afterAscii = ascii;
    }
}

void WordRuns::attach(ScintillaTextBox &box)
{
    sizePositionCache(box);
    QObject::connect(&box, &ScintillaTextBox::textLoaded, &box, [&box] { sizePositionCache(box); });
    copyLook(box);
    QObject::connect(&box, &QsciScintillaBase::SCN_STYLENEEDED, &box,
                     [&box](int position) { styleNeeded(box, position); });
}

void WordRuns::copyLook(ScintillaTextBox &box)
{
    using B = QsciScintillaBase;
    const auto copy = [&box](unsigned get, unsigned set) {
        send(box, set, kSecond, send(box, get, kFirst));
    };
    copy(B::SCI_STYLEGETFORE, B::SCI_STYLESETFORE);
    copy(B::SCI_STYLEGETBACK, B::SCI_STYLESETBACK);
    copy(B::SCI_STYLEGETSIZEFRACTIONAL, B::SCI_STYLESETSIZEFRACTIONAL);
    copy(B::SCI_STYLEGETWEIGHT, B::SCI_STYLESETWEIGHT);
    copy(B::SCI_STYLEGETITALIC, B::SCI_STYLESETITALIC);
    copy(B::SCI_STYLEGETUNDERLINE, B::SCI_STYLESETUNDERLINE);
    copy(B::SCI_STYLEGETEOLFILLED, B::SCI_STYLESETEOLFILLED);
    copy(B::SCI_STYLEGETCHARACTERSET, B::SCI_STYLESETCHARACTERSET);
    copy(B::SCI_STYLEGETCASE, B::SCI_STYLESETCASE);
    copy(B::SCI_STYLEGETVISIBLE, B::SCI_STYLESETVISIBLE);
    copy(B::SCI_STYLEGETCHANGEABLE, B::SCI_STYLESETCHANGEABLE);
    copy(B::SCI_STYLEGETHOTSPOT, B::SCI_STYLESETHOTSPOT);
    char font[256] = {};
    if (send(box, B::SCI_STYLEGETFONT, kFirst) < long(sizeof font)) {
        send(box, B::SCI_STYLEGETFONT, kFirst, reinterpret_cast<long>(font));
        send(box, B::SCI_STYLESETFONT, kSecond, reinterpret_cast<long>(font));
    }
}
