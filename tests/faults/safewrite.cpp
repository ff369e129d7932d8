// SPDX-License-Identifier: GPL-3.0-or-later
// Writes one file through the program's safe writer, in a process of its own
// so that a test can run it as another user or with failing calls preloaded.
//   safewrite <backup folder> <file> <content>   (@path: the bytes of that file)
// Exits 0 when the write was reported done, 1 (with the reason) when not.
#include "core/SafeFile.h"

#include <QFile>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: safewrite <backup folder> <file> <content>\n");
        return 2;
    }
    setBackupFolder(QString::fromLocal8Bit(argv[1]));
    QByteArray content(argv[3]);
    if (content.startsWith('@')) {
        QFile from(QString::fromLocal8Bit(argv[3] + 1));
        if (!from.open(QIODevice::ReadOnly))
            return 2;
        content = from.readAll();
    }
    QString why;
    if (writeFileSafely(QString::fromLocal8Bit(argv[2]), content, &why))
        return 0;
    std::fprintf(stderr, "%s\n", why.toLocal8Bit().constData());
    return 1;
}
