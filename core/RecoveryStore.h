// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/PageText.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <memory>
#include <optional>

class QLockFile;

// The per-user folder where text that is not saved yet is kept, so that a
// crash, a kill or a failed save never loses it ($XDG_STATE_HOME/TAGSMITH,
// by default ~/.local/state/TAGSMITH):
// - a journal for each running Tagsmith: the unsaved text of the page on
//   screen, locked for as long as that run lives; one left behind by a run
//   that ended without saving is an orphan, offered at the next start;
// - copies: versions of a page the user chose not to keep when a page had
//   changed both on disk and on screen.
class RecoveryStore {
public:
    // Also makes the copies folder the safe writer's backup folder (see setBackupFolder).
    explicit RecoveryStore(const QString &folder);
    ~RecoveryStore();
    static QString defaultFolder();
    QString folder() const { return m_folder; }
    QString copiesFolder() const;

    struct Journal {
        QString file;     // the journal file itself
        QString pagePath; // the page the text belongs to
        TextEncoding encoding = TextEncoding::Utf8;
        QByteArray utf8;  // the text, as UTF-8
        // What the page was on disk when the text was journaled (the hash of
        // the bytes last read or written), so that recovery can tell whether
        // another program wrote it since.
        std::optional<quint64> diskHash;
    };

    // This run's journal file (locked, and the folder made, on first use);
    // empty when the folder cannot be made.
    QString journalFile();
    // A journal's content: a short header naming the page, then the text.
    static QByteArray journalBytes(const QString &pagePath, TextEncoding encoding, QByteArrayView utf8,
                                   std::optional<quint64> diskHash = std::nullopt);
    static bool parseJournal(const QByteArray &bytes, Journal &journal);

    // Journals of runs that are not running any more, newest first, one per
    // page: of several for one page the older ones are kept as copies and
    // their journals removed.
    QList<Journal> orphans();
    void discard(const Journal &journal);

    // Keeps bytes of a page aside as a copy named after it; returns the
    // copy's path, or empty when it could not be written.
    QString keepCopy(const QString &pagePath, QByteArrayView bytes);

private:
    QString m_folder;
    QString m_journal;
    std::unique_ptr<QLockFile> m_lock;
};
