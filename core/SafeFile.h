#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Replaces a file's content without ever leaving it half-written: the bytes
// go to a temporary file in the same folder, are flushed, and the temporary
// file is renamed over the target (keeping the target's permissions). On any
// failure the old file is left exactly as it was and false is returned.
bool writeFileSafely(const QString &path, QByteArrayView bytes, QString *error = nullptr);

// Reads a whole file. Returns false when it cannot be opened or read
// (missing, a folder, unreadable).
bool readWholeFile(const QString &path, QByteArray &bytes, QString *error = nullptr);
