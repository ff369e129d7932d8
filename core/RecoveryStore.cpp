// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/RecoveryStore.h"

#include "core/SafeFile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSet>
#include <QStandardPaths>

#include <algorithm>

namespace {
const QByteArray kMagic = QByteArrayLiteral("TAGSMITH RECOVERY 1\n");
const QString kJournalPrefix = QStringLiteral("journal-");
const QString kJournalSuffix = QStringLiteral(".txt");

QString lockFileOf(const QString &journal) { return journal + QStringLiteral(".lock"); }
} // namespace

RecoveryStore::RecoveryStore(const QString &folder) : m_folder(folder)
{
    // A file written in place keeps its old bytes beside the journals meanwhile.
    setBackupFolder(copiesFolder());
}

RecoveryStore::~RecoveryStore() = default;

QString RecoveryStore::defaultFolder()
{
    // Qt names no state location: $XDG_STATE_HOME, by default ~/.local/state.
    QString base = qEnvironmentVariable("XDG_STATE_HOME");
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/state");
    return base + QStringLiteral("/TAGSMITH");
}

QString RecoveryStore::copiesFolder() const { return m_folder + QStringLiteral("/copies"); }

QString RecoveryStore::journalFile()
{
    if (!m_journal.isEmpty())
        return m_journal;
    if (!QDir().mkpath(m_folder))
        return QString();
    const QString name = kJournalPrefix + QString::number(QCoreApplication::applicationPid()) + u'-'
                         + QString::number(QDateTime::currentMSecsSinceEpoch()) + kJournalSuffix;
    const QString file = m_folder + u'/' + name;
    auto lock = std::make_unique<QLockFile>(lockFileOf(file));
    lock->setStaleLockTime(0); // stale only when its process is gone
    if (!lock->tryLock(0))
        return QString();
    m_lock = std::move(lock);
    m_journal = file;
    return m_journal;
}

QByteArray RecoveryStore::journalBytes(const QString &pagePath, TextEncoding encoding, QByteArrayView utf8,
                                      std::optional<quint64> diskHash)
{
    QByteArray header = kMagic + "page=" + pagePath.toUtf8() + "\nencoding="
                        + (encoding == TextEncoding::Utf8 ? "utf-8" : "windows-1252") + '\n';
    if (diskHash)
        header += "disk=" + QByteArray::number(*diskHash, 16) + '\n';
    header += '\n';
    QByteArray out;
    out.reserve(header.size() + utf8.size());
    out.append(header);
    out.append(utf8.data(), utf8.size());
    return out;
}

bool RecoveryStore::parseJournal(const QByteArray &bytes, Journal &journal)
{
    if (!bytes.startsWith(kMagic))
        return false;
    const qsizetype end = bytes.indexOf("\n\n", kMagic.size() - 1);
    if (end < 0)
        return false;
    bool havePage = false;
    const QList<QByteArray> lines = bytes.mid(kMagic.size(), end - kMagic.size()).split('\n');
    for (const QByteArray &line : lines) {
        if (line.startsWith("page=")) {
            journal.pagePath = QString::fromUtf8(line.mid(5));
            havePage = !journal.pagePath.isEmpty();
        } else if (line == "encoding=windows-1252") {
            journal.encoding = TextEncoding::Windows1252;
        } else if (line.startsWith("disk=")) {
            bool ok = false;
            const quint64 hash = line.mid(5).toULongLong(&ok, 16);
            if (ok)
                journal.diskHash = hash;
        }
    }
    journal.utf8 = bytes.mid(end + 2);
    return havePage;
}

QList<RecoveryStore::Journal> RecoveryStore::orphans()
{
    QList<Journal> found;
    QSet<QString> pages;
    const QFileInfoList files = QDir(m_folder).entryInfoList(
        {kJournalPrefix + u'*' + kJournalSuffix}, QDir::Files, QDir::Time);
    for (const QFileInfo &fi : files) {
        const QString file = fi.absoluteFilePath();
        if (file == m_journal)
            continue;
        // A journal whose run still lives holds its lock.
        QLockFile lock(lockFileOf(file));
        lock.setStaleLockTime(0);
        if (!lock.tryLock(0))
            continue;
        Journal j;
        QByteArray bytes;
        if (!readWholeFile(file, bytes) || !parseJournal(bytes, j))
            continue;
        j.file = file;
        if (pages.contains(j.pagePath)) {
            // An older journal of a page offered already: kept, not offered.
            const QByteArray page = encodePage(QString::fromUtf8(j.utf8), j.encoding);
            lock.unlock();
            if (!keepCopy(j.pagePath, page).isEmpty())
                discard(j);
            continue;
        }
        pages.insert(j.pagePath);
        found.append(j);
    }
    return found;
}

void RecoveryStore::discard(const Journal &journal)
{
    QFile::remove(journal.file);
    QFile::remove(lockFileOf(journal.file));
}

QString RecoveryStore::keepCopy(const QString &pagePath, QByteArrayView bytes)
{
    const QString folder = copiesFolder();
    if (!QDir().mkpath(folder))
        return QString();
    const QString path = freshCopyPath(folder, pagePath);
    return writeFileSafely(path, bytes) ? path : QString();
}
