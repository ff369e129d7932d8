// SPDX-License-Identifier: GPL-3.0-or-later
// Writes one file through the program's safe writer, in a process of its own
// so that a test can run it as another user or with failing calls preloaded.
//   safewrite <backup folder> <file> <content>
// Exits 0 when the write was reported done, 1 (with the reason) when not.
#include "core/SafeFile.h"

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: safewrite <backup folder> <file> <content>\n");
        return 2;
    }
    setBackupFolder(QString::fromLocal8Bit(argv[1]));
    QString why;
    if (writeFileSafely(QString::fromLocal8Bit(argv[2]), QByteArray(argv[3]), &why))
        return 0;
    std::fprintf(stderr, "%s\n", why.toLocal8Bit().constData());
    return 1;
}
