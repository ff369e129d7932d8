// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// How a page's bytes became text. Pages are plain 8-bit files: a file whose
// bytes are valid UTF-8 is shown as UTF-8, any other file as Windows-1252
// (the ANSI code page pages were written in), every byte one character; the
// five bytes that code page leaves unassigned stand for the control
// characters of the same number, so every byte comes back as it was.
// Saving uses the encoding the page was read with, so an unedited page is
// written back byte for byte. A character Windows-1252 cannot hold is
// written as an HTML numeric character reference ("&#20013;"), which a
// browser shows as that very character.
enum class TextEncoding { Utf8, Windows1252 };

struct PageText {
    QString text;
    TextEncoding encoding = TextEncoding::Utf8;
};

bool isValidUtf8(const char *data, qsizetype size);
// Checks bytes that come a piece at a time for valid UTF-8; a character cut
// at the end of one piece is checked with the next.
class Utf8Check {
public:
    // False once the bytes so far are not valid UTF-8.
    bool feed(QByteArrayView piece);
    // Whether all the bytes were valid UTF-8, with no character left cut.
    bool finish() const { return m_valid && m_cutSize == 0; }
    bool valid() const { return m_valid; }

private:
    uchar m_cut[4] = {};
    int m_cutSize = 0;
    bool m_valid = true;
};
// UTF-8 bytes as text, keeping a leading byte order mark.
QString utf8ToText(const char *data, qsizetype size);
// The encoding a page file's bytes are read in.
TextEncoding detectEncoding(const QByteArray &bytes);
PageText decodePage(const QByteArray &bytes);
QByteArray encodePage(const QString &text, TextEncoding encoding);
// Bytes in the given encoding as text.
QString decodeBytes(QByteArrayView bytes, TextEncoding encoding);

// Windows-1252 bytes to and from UTF-8 bytes (the editing area keeps every
// page as UTF-8). Converting back writes a character outside the code page
// as a numeric character reference; a byte that is not part of valid UTF-8
// is kept as it is.
QByteArray windows1252ToUtf8(QByteArrayView bytes);
QByteArray utf8ToWindows1252(QByteArrayView utf8);
