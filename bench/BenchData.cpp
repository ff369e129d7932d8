// SPDX-License-Identifier: GPL-3.0-or-later
#include "BenchData.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

namespace {
const char *const kWords[] = {"the", "page", "table", "link", "image", "paragraph", "border", "center",
                              "font", "color", "list", "item", "header", "footer", "menu", "about"};

// The system word list, or the 16 words above where it is missing.
const QList<QByteArray> &wordList()
{
    static const QList<QByteArray> words = [] {
        QFile f(QStringLiteral("/usr/share/dict/words"));
        QList<QByteArray> list;
        if (f.open(QIODevice::ReadOnly))
            for (const QByteArray &w : f.readAll().split('\n'))
                if (!w.isEmpty())
                    list << w;
        if (list.isEmpty())
            for (const char *w : kWords)
                list << w;
        return list;
    }();
    return words;
}

// Cuts out at `bytes`, on the start of a character (blanks make up the rest).
void cutAt(QByteArray &out, qsizetype bytes)
{
    if (out.size() <= bytes)
        return;
    while (bytes > 0 && (uchar(out[bytes]) & 0xC0) == 0x80)
        --bytes;
    out.truncate(bytes);
    while (out.size() < bytes)
        out += ' ';
}

// Paragraphs of 5 to 24 words of the word list, like paragraphs() below;
// classed: each in a <div> whose class is a word of the list too.
QByteArray listParagraphs(qsizetype bytes, quint32 seed, const char *head, const char *open, const char *close,
                          bool classed)
{
    const QList<QByteArray> &words = wordList();
    QRandomGenerator rng(seed);
    QByteArray out;
    out.reserve(bytes + 256);
    out += head;
    while (out.size() < bytes) {
        if (classed)
            out += "<div class=\"" + words[rng.bounded(int(words.size()))] + "\">";
        out += open;
        const int n = rng.bounded(5, 25);
        for (int i = 0; i < n; ++i) {
            out += words[rng.bounded(int(words.size()))];
            out += i + 1 < n ? " " : ".";
        }
        out += close;
    }
    cutAt(out, bytes);
    return out;
}

// Paragraphs of 5 to 24 random words, each wrapped in `open` and `close`,
// after `head`, cut at `bytes`.
QByteArray paragraphs(qsizetype bytes, quint32 seed, const char *head, const char *open, const char *close)
{
    QRandomGenerator rng(seed);
    QByteArray out;
    out.reserve(bytes + 256);
    out += head;
    while (out.size() < bytes) {
        out += open;
        const int n = rng.bounded(5, 25);
        for (int i = 0; i < n; ++i) {
            out += kWords[rng.bounded(16)];
            out += i + 1 < n ? " " : ".";
        }
        out += close;
    }
    out.truncate(bytes);
    return out;
}
} // namespace

QByteArray generatedPage(qsizetype bytes, quint32 seed)
{
    return paragraphs(bytes, seed, "<HTML>\r\n<HEAD>\r\n<TITLE>Generated page</TITLE>\r\n</HEAD>\r\n<BODY>\r\n", "<P>",
                      "</P>\r\n");
}

QByteArray minifiedPage(qsizetype bytes, quint32 seed)
{
    return paragraphs(bytes, seed, "<html><head><title>Generated page</title></head><body>", "<div class=\"c\"><p>",
                      "</p></div>");
}

QByteArray wordListPage(qsizetype bytes, quint32 seed)
{
    return listParagraphs(bytes, seed, "<HTML>\r\n<HEAD>\r\n<TITLE>Generated page</TITLE>\r\n</HEAD>\r\n<BODY>\r\n",
                          "<P>", "</P>\r\n", false);
}

QByteArray wordListMinifiedPage(qsizetype bytes, quint32 seed)
{
    return listParagraphs(bytes, seed, "<html><head><title>Generated page</title></head><body>", "<p>",
                          "</p></div>", true);
}

QByteArray unknownWordsPage(qsizetype bytes, quint32 seed)
{
    QRandomGenerator rng(seed);
    QByteArray out;
    out.reserve(bytes + 64);
    out += "<HTML><BODY>";
    while (out.size() < bytes) {
        out += "<P>";
        const int n = rng.bounded(5, 40);
        for (int i = 0; i < n; ++i) {
            out += ' ';
            const int len = rng.bounded(3, 9);
            for (int k = 0; k < len; ++k)
                out += char('a' + rng.bounded(26));
        }
        out += "</P>\r\n";
    }
    out.truncate(bytes);
    return out;
}

QString benchFolder()
{
    static QTemporaryDir dir;
    return dir.path();
}

QString writeBenchFile(const QString &name, const QByteArray &bytes)
{
    const QString path = benchFolder() + u'/' + name;
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return path;
}
