// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/PageText.h"

#include <QStringDecoder>

#include <cstring>

namespace {
// Windows-1252 bytes 0x80..0x9F; the five unassigned ones keep their own number.
constexpr char16_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t windows1252Char(uchar b) { return b >= 0x80 && b < 0xA0 ? kHigh[b - 0x80] : char16_t(b); }

// The byte for a character of the code page, or -1.
int windows1252Byte(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return int(c);
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == c)
            return 0x80 + i;
    return -1;
}

void appendUtf8(QByteArray &out, char32_t c)
{
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

// The length of the sequence a byte starts; 0 for one that starts none.
int sequenceLength(uchar c) { return c >= 0xC2 && c <= 0xDF ? 2 : c >= 0xE0 && c <= 0xEF ? 3 : c >= 0xF0 && c <= 0xF4 ? 4 : 0; }

// Length of the valid UTF-8 sequence at s[i] and its code point; 0 when the
// bytes there are not one.
int utf8Sequence(const uchar *s, qsizetype i, qsizetype size, char32_t &cp)
{
    const int length = sequenceLength(s[i]);
    if (length == 0)
        return 0;
    const int extra = length - 1;
    cp = s[i] & (0x7F >> length); // the lead byte's bits of the code point
    if (i + extra >= size)
        return 0;
    for (int k = 1; k <= extra; ++k) {
        if ((s[i + k] & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (s[i + k] & 0x3F);
    }
    if ((extra == 2 && cp < 0x800) || (extra == 3 && (cp < 0x10000 || cp > 0x10FFFF))
        || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return length;
}

// Index of the first byte at or after i that is not ASCII.
qsizetype asciiRunEnd(const uchar *s, qsizetype i, qsizetype size)
{
    while (i + 8 <= size) {
        quint64 chunk;
        memcpy(&chunk, s + i, 8);
        if (chunk & 0x8080808080808080ULL)
            break;
        i += 8;
    }
    while (i < size && s[i] < 0x80)
        ++i;
    return i;
}
} // namespace

bool isValidUtf8(const char *data, qsizetype size)
{
    Utf8Check check;
    return check.feed(QByteArrayView(data, size)) && check.finish();
}

bool Utf8Check::feed(QByteArrayView piece)
{
    const auto *s = reinterpret_cast<const uchar *>(piece.data());
    const qsizetype size = piece.size();
    qsizetype i = 0;
    char32_t cp;
    if (m_cutSize > 0 && m_valid) {
        // The character cut at the last piece's end, completed from this one.
        const int need = sequenceLength(m_cut[0]);
        while (m_cutSize < need && i < size)
            m_cut[m_cutSize++] = s[i++];
        if (m_cutSize < need)
            return true;
        m_valid = utf8Sequence(m_cut, 0, need, cp) == need;
        m_cutSize = 0;
    }
    while (m_valid && (i = asciiRunEnd(s, i, size)) < size) {
        const int n = utf8Sequence(s, i, size, cp);
        if (n > 0) {
            i += n;
        } else if (sequenceLength(s[i]) > size - i) {
            m_cutSize = int(size - i); // checked once the next piece brings the rest
            memcpy(m_cut, s + i, size_t(m_cutSize));
            break;
        } else {
            m_valid = false;
        }
    }
    return m_valid;
}

QString utf8ToText(const char *data, qsizetype size)
{
    // Keep a byte order mark as a character, so that it is written back.
    // QString::fromUtf8 would drop a mark at the start, which loses the
    // second of two leading marks; the decoder is told not to.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    return decoder.decode(QByteArrayView(data, size));
}

QByteArray windows1252ToUtf8(QByteArrayView bytes)
{
    const auto *s = reinterpret_cast<const uchar *>(bytes.data());
    const qsizetype size = bytes.size();
    QByteArray out;
    out.reserve(size + size / 8);
    qsizetype i = 0;
    while (i < size) {
        const qsizetype end = asciiRunEnd(s, i, size);
        out.append(bytes.data() + i, end - i);
        i = end;
        if (i < size)
            appendUtf8(out, windows1252Char(s[i++]));
    }
    return out;
}

QByteArray utf8ToWindows1252(QByteArrayView utf8)
{
    const auto *s = reinterpret_cast<const uchar *>(utf8.data());
    const qsizetype size = utf8.size();
    QByteArray out;
    out.reserve(size);
    qsizetype i = 0;
    while (i < size) {
        const qsizetype end = asciiRunEnd(s, i, size);
        out.append(utf8.data() + i, end - i);
        i = end;
        if (i >= size)
            break;
        char32_t cp = 0;
        const int n = utf8Sequence(s, i, size, cp);
        if (n == 0) {
            out += char(s[i++]); // not UTF-8: kept as it is
            continue;
        }
        i += n;
        const int b = windows1252Byte(cp);
        if (b >= 0)
            out += char(b);
        else
            out += "&#" + QByteArray::number(uint(cp)) + ';';
    }
    return out;
}

TextEncoding detectEncoding(const QByteArray &bytes)
{
    return isValidUtf8(bytes.constData(), bytes.size()) ? TextEncoding::Utf8 : TextEncoding::Windows1252;
}

QString decodeBytes(QByteArrayView bytes, TextEncoding encoding)
{
    if (encoding == TextEncoding::Utf8)
        return utf8ToText(bytes.data(), bytes.size());
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    for (qsizetype i = 0; i < bytes.size(); ++i)
        out[i] = windows1252Char(uchar(bytes[i]));
    return text;
}

PageText decodePage(const QByteArray &bytes)
{
    const TextEncoding encoding = detectEncoding(bytes);
    return {decodeBytes(bytes, encoding), encoding};
}

QByteArray encodePage(const QString &text, TextEncoding encoding)
{
    return encoding == TextEncoding::Utf8 ? text.toUtf8() : utf8ToWindows1252(text.toUtf8());
}
