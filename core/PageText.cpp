#include "core/PageText.h"

#include <QStringDecoder>

#include <cstring>

bool isValidUtf8(const char *data, qsizetype size)
{
    const auto *s = reinterpret_cast<const unsigned char *>(data);
    qsizetype i = 0;
    while (i < size) {
        // Fast path over plain ASCII, eight bytes at a time.
        while (i + 8 <= size) {
            quint64 chunk;
            memcpy(&chunk, s + i, 8);
            if (chunk & 0x8080808080808080ULL)
                break;
            i += 8;
        }
        if (i >= size)
            break;
        const unsigned char c = s[i];
        if (c < 0x80) { ++i; continue; }
        int extra;
        unsigned int cp;
        if (c >= 0xC2 && c <= 0xDF) { extra = 1; cp = c & 0x1F; }
        else if (c >= 0xE0 && c <= 0xEF) { extra = 2; cp = c & 0x0F; }
        else if (c >= 0xF0 && c <= 0xF4) { extra = 3; cp = c & 0x07; }
        else return false;
        if (i + extra >= size)
            return false;
        for (int k = 1; k <= extra; ++k) {
            const unsigned char cc = s[i + k];
            if ((cc & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (cc & 0x3F);
        }
        // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
        if ((extra == 2 && cp < 0x800) || (extra == 3 && (cp < 0x10000 || cp > 0x10FFFF))
            || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += extra + 1;
    }
    return true;
}

QString utf8ToText(const char *data, qsizetype size)
{
    // Keep a byte order mark as a character, so that it is written back.
    // QString::fromUtf8 would drop a mark at the start, which loses the
    // second of two leading marks; the decoder is told not to.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    return decoder.decode(QByteArrayView(data, size));
}

TextEncoding detectEncoding(const QByteArray &bytes)
{
    return isValidUtf8(bytes.constData(), bytes.size()) ? TextEncoding::Utf8 : TextEncoding::Latin1;
}

PageText decodePage(const QByteArray &bytes)
{
    if (isValidUtf8(bytes.constData(), bytes.size()))
        return {utf8ToText(bytes.constData(), bytes.size()), TextEncoding::Utf8};
    return {QString::fromLatin1(bytes), TextEncoding::Latin1};
}

QByteArray encodePage(const QString &text, TextEncoding encoding)
{
    return encoding == TextEncoding::Utf8 ? text.toUtf8() : text.toLatin1();
}
