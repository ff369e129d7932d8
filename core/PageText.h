#pragma once

#include <QByteArray>
#include <QString>

// How a page's bytes became text. Pages are plain 8-bit files: a file whose
// bytes are valid UTF-8 is shown as UTF-8, any other file byte for byte as
// Latin-1 (every byte one character). Saving uses the encoding the page was
// read with, so an unedited page is written back byte for byte.
enum class TextEncoding { Utf8, Latin1 };

struct PageText {
    QString text;
    TextEncoding encoding = TextEncoding::Utf8;
};

bool isValidUtf8(const char *data, qsizetype size);
// UTF-8 bytes as text, keeping a leading byte order mark.
QString utf8ToText(const char *data, qsizetype size);
// The encoding a page file's bytes are read in.
TextEncoding detectEncoding(const QByteArray &bytes);
PageText decodePage(const QByteArray &bytes);
QByteArray encodePage(const QString &text, TextEncoding encoding);
