// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <functional>

// Replaces a file's content without ever leaving it half-written: the bytes
// go to a new file in the same folder, which takes the old file's identity
// (owner, group, mode, extended attributes and ACLs), is flushed to the disk
// and renamed over the target; then the folder is flushed, so that a power
// cut cannot bring the old file back. Where the identity cannot be carried
// over (another owner, a group the user is not in, more than one hard link)
// or the folder takes no new files, the file is written in place, after a
// backup copy of its old bytes went to the backup folder (removed once the
// new bytes are on disk). Succeeds only when every write, flush, sync and
// close did; otherwise the old file is left as it was (or, should putting it
// back fail too, its old bytes stay in the backup copy) and false is
// returned. Every file the program writes goes through here.
bool writeFileSafely(const QString &path, QByteArrayView bytes, QString *error = nullptr);

// Where files written in place keep their old bytes meanwhile (the recovery
// store's copies). Without one, no file is written in place.
void setBackupFolder(const QString &folder);
QString backupFolder();

// A name not taken yet in folder for a copy of the page at pagePath: its
// name with the date and time, and a number where needed.
QString freshCopyPath(const QString &folder, const QString &pagePath);

// The largest file read whole: bigger ones are refused rather than read
// until memory runs out.
constexpr qint64 kMaxReadBytes = qint64(1) << 30;

// Reads a whole regular file (after following links). Returns false, without
// ever blocking, when it is missing, not a regular file (a folder, a pipe, a
// device), larger than kMaxReadBytes, or cannot be read.
bool readWholeFile(const QString &path, QByteArray &bytes, QString *error = nullptr);
// The same, a piece of at most kReadPieceBytes at a time, so that a big file
// is never held whole: `sized` learns the file's size as it stands when
// opened (it may still grow or shrink), then `take` gets each piece in
// order. Stops, returning false, when take does.
constexpr qint64 kReadPieceBytes = 1024 * 1024;
bool readFileInPieces(const QString &path, const std::function<void(qint64)> &sized,
                      const std::function<bool(QByteArrayView)> &take, QString *error = nullptr);
