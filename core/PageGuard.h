// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QString>

#include <optional>

// What a file was on disk at one moment: enough to tell, without reading
// it, that it has not been touched since.
struct FileStamp {
    bool exists = false;
    qint64 size = 0;
    qint64 modifiedNs = 0;
    qint64 changedNs = 0;
    quint64 inode = 0;
    quint64 device = 0;
    bool operator==(const FileStamp &other) const;
    bool operator!=(const FileStamp &other) const { return !(*this == other); }
};
// The stamp of the file a path names now (links followed).
FileStamp stampFile(const QString &path);
quint64 contentHash(QByteArrayView bytes);

// Remembers what the page on screen was on disk when the editor last read or
// wrote it, so that writing it back never replaces what another program (or
// another Tagsmith) put there since.
class PageGuard {
public:
    enum class Disk {
        NotRemembered, // another file than the one remembered, or none
        Refused,       // the page could not be loaded: the text on screen is not its text
        AsRemembered,  // unchanged (or changed back to the same bytes)
        Missing,       // gone, or no readable file: writing it back loses nothing
        Changed,       // other bytes than those read or written
    };

    // After the page's bytes were read from, or written to, path.
    void remember(const QString &path, QByteArrayView bytes);
    // Text put on screen for path from elsewhere (a recovery journal) while
    // the disk held bytes of this hash; without one, any file there counts
    // as changed.
    void rememberHash(const QString &path, std::optional<quint64> hash);
    // The page at path could not be loaded: nothing may be written to it.
    void refuse(const QString &path);
    void forget();
    // Whether the text on screen may be written to path: the page was loaded
    // (or written) there, or there is no file there to lose.
    bool mayWrite(Disk disk, const QString &path) const;
    // How the file at path stands now. Reads it only when its stamp moved.
    // With Changed, *current (when given) receives the bytes on disk.
    Disk check(const QString &path, QByteArray *current = nullptr);
    QString path() const { return m_path; }
    // The hash of the bytes remembered for path, if any.
    std::optional<quint64> hashOf(const QString &path) const;

private:
    QString m_path;
    FileStamp m_stamp;
    quint64 m_hash = 0;
    bool m_hashKnown = false;
    bool m_refused = false;
};
