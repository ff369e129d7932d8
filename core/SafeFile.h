#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Replaces a file's content without ever leaving it half-written: the bytes
// go to a temporary file in the same folder, are flushed to the disk, and the
// temporary file is renamed over the target (keeping the target's
// permissions). Where the folder refuses new files but the file itself may
// be written, it is written in place, and put back as it was should that
// fail. On any failure the old file is left exactly as it was and false is
// returned. Every file the program writes goes through here.
bool writeFileSafely(const QString &path, QByteArrayView bytes, QString *error = nullptr);

// The largest file read whole: bigger ones are refused rather than read
// until memory runs out.
constexpr qint64 kMaxReadBytes = qint64(1) << 30;

// Reads a whole regular file (after following links). Returns false, without
// ever blocking, when it is missing, not a regular file (a folder, a pipe, a
// device), larger than kMaxReadBytes, or cannot be read.
bool readWholeFile(const QString &path, QByteArray &bytes, QString *error = nullptr);
