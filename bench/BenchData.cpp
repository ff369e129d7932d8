#include "BenchData.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

namespace {
const char *const kWords[] = {"the", "page", "table", "link", "image", "paragraph", "border", "center",
                              "font", "color", "list", "item", "header", "footer", "menu", "about"};

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
