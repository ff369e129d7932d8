#include "BenchData.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

namespace {
const char *const kWords[] = {"the", "page", "table", "link", "image", "paragraph", "border", "center",
                              "font", "color", "list", "item", "header", "footer", "menu", "about"};
}

QByteArray generatedPage(qsizetype bytes, quint32 seed)
{
    QRandomGenerator rng(seed);
    QByteArray out;
    out.reserve(bytes + 256);
    out += "<HTML>\r\n<HEAD>\r\n<TITLE>Generated page</TITLE>\r\n</HEAD>\r\n<BODY>\r\n";
    while (out.size() < bytes) {
        out += "<P>";
        const int n = rng.bounded(5, 25);
        for (int i = 0; i < n; ++i) {
            out += kWords[rng.bounded(16)];
            out += i + 1 < n ? " " : ".";
        }
        out += "</P>\r\n";
    }
    out.truncate(bytes);
    return out;
}

QByteArray minifiedPage(qsizetype bytes, quint32 seed)
{
    QRandomGenerator rng(seed);
    QByteArray out;
    out.reserve(bytes + 256);
    out += "<html><head><title>Generated page</title></head><body>";
    while (out.size() < bytes) {
        out += "<div class=\"c\"><p>";
        const int n = rng.bounded(5, 25);
        for (int i = 0; i < n; ++i) {
            out += kWords[rng.bounded(16)];
            out += i + 1 < n ? " " : ".";
        }
        out += "</p></div>";
    }
    out.truncate(bytes);
    return out;
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
