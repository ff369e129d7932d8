// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/PageGuard.h"

#include "core/SafeFile.h"

#include <QFile>
#include <QFileInfo>

#include <cstring>

#include <sys/stat.h>

bool FileStamp::operator==(const FileStamp &o) const
{
    return exists == o.exists && size == o.size && modifiedNs == o.modifiedNs && changedNs == o.changedNs
           && inode == o.inode && device == o.device;
}

FileStamp stampFile(const QString &path)
{
    FileStamp s;
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return s;
    s.exists = true;
    s.size = st.st_size;
    s.modifiedNs = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    s.changedNs = qint64(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec;
    s.inode = st.st_ino;
    s.device = st.st_dev;
    return s;
}

namespace {
constexpr quint64 kPrime1 = 0x9E3779B185EBCA87ULL;
constexpr quint64 kPrime2 = 0xC2B2AE3D27D4EB4FULL;

quint64 rotl(quint64 v, int n) { return (v << n) | (v >> (64 - n)); }
quint64 round(quint64 lane, quint64 word) { return rotl(lane + word * kPrime2, 31) * kPrime1; }
} // namespace

// Every open and save hashes the whole page. Four lanes of 8-byte words,
// independent of one another, keep the processor's multipliers busy: a
// 10 MB page takes a few milliseconds, several times less than qHashBits.
quint64 contentHash(QByteArrayView bytes)
{
    const char *p = bytes.data();
    const size_t size = size_t(bytes.size());
    quint64 lanes[4] = {kPrime1 + kPrime2, kPrime2, 0, 0 - kPrime1};
    size_t i = 0;
    for (; i + 32 <= size; i += 32) {
        for (int k = 0; k < 4; ++k) {
            quint64 word;
            memcpy(&word, p + i + 8 * k, 8);
            lanes[k] = round(lanes[k], word);
        }
    }
    quint64 h = size;
    for (int k = 0; k < 4; ++k)
        h = (h ^ round(0, lanes[k])) * kPrime1 + kPrime2;
    for (; i < size; ++i)
        h = rotl(h ^ (uchar(p[i]) * kPrime1), 11) * kPrime2;
    // Final mixing, so that every input bit reaches every output bit.
    h ^= h >> 33;
    h *= kPrime2;
    h ^= h >> 29;
    h *= kPrime1;
    h ^= h >> 32;
    return h;
}

void PageGuard::remember(const QString &path, QByteArrayView bytes)
{
    m_path = path;
    m_stamp = stampFile(path);
    m_hash = contentHash(bytes);
    m_hashKnown = true;
    m_refused = false;
}

void PageGuard::rememberHash(const QString &path, std::optional<quint64> hash)
{
    m_path = path;
    m_stamp = FileStamp(); // never equal to a file's: the bytes decide
    m_hash = hash.value_or(0);
    m_hashKnown = hash.has_value();
    m_refused = false;
}

void PageGuard::refuse(const QString &path)
{
    forget();
    m_path = path;
    m_refused = true;
}

void PageGuard::forget()
{
    m_path.clear();
    m_stamp = FileStamp();
    m_hashKnown = false;
    m_refused = false;
}

std::optional<quint64> PageGuard::hashOf(const QString &path) const
{
    if (path != m_path || !m_hashKnown || m_refused)
        return std::nullopt;
    return m_hash;
}

bool PageGuard::mayWrite(Disk disk, const QString &path) const
{
    switch (disk) {
    case Disk::AsRemembered:
    case Disk::Missing:
        return true;
    case Disk::NotRemembered:
        // Never loaded here: only where no page would be lost (a new file;
        // a folder in the way makes the write itself fail).
        return !QFileInfo(path).isFile();
    default:
        return false;
    }
}

PageGuard::Disk PageGuard::check(const QString &path, QByteArray *current)
{
    if (m_path.isEmpty() || path != m_path)
        return Disk::NotRemembered;
    if (m_refused)
        return Disk::Refused;
    const FileStamp now = stampFile(path);
    if (!now.exists)
        return Disk::Missing;
    if (now == m_stamp)
        return Disk::AsRemembered;
    // Touched: the bytes decide (a program may write back the same text).
    QByteArray bytes;
    if (!readWholeFile(path, bytes))
        return Disk::Missing; // no page there now (a folder, say): the write reports that
    if (m_hashKnown && contentHash(bytes) == m_hash) {
        m_stamp = now;
        return Disk::AsRemembered;
    }
    if (current)
        *current = bytes;
    return Disk::Changed;
}
