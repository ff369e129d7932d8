#include "core/PageGuard.h"

#include "core/SafeFile.h"

#include <QFile>
#include <QHash>

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

quint64 contentHash(QByteArrayView bytes) { return qHashBits(bytes.data(), size_t(bytes.size()), 0); }

void PageGuard::remember(const QString &path, QByteArrayView bytes)
{
    m_path = path;
    m_stamp = stampFile(path);
    m_hash = contentHash(bytes);
}

void PageGuard::forget()
{
    m_path.clear();
    m_stamp = FileStamp();
}

PageGuard::Disk PageGuard::check(const QString &path, QByteArray *current)
{
    if (m_path.isEmpty() || path != m_path)
        return Disk::NotRemembered;
    const FileStamp now = stampFile(path);
    if (!now.exists)
        return Disk::Missing;
    if (now == m_stamp)
        return Disk::AsRemembered;
    // Touched: the bytes decide (a program may write back the same text).
    QByteArray bytes;
    if (!readWholeFile(path, bytes))
        return Disk::Missing; // no page there now (a folder, say): the write reports that
    if (contentHash(bytes) == m_hash) {
        m_stamp = now;
        return Disk::AsRemembered;
    }
    if (current)
        *current = bytes;
    return Disk::Changed;
}
