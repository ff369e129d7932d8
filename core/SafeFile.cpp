// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/SafeFile.h"

#include "core/FileIdentity.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool fail(QString *error, const QString &why)
{
    if (error)
        *error = why;
    return false;
}

QString systemError() { return QString::fromLocal8Bit(std::strerror(errno)); }

std::mutex backupMutex;
QString backupFolderPath;

// Writes all bytes at offset (or at the file position when offset < 0).
bool writeAll(int fd, QByteArrayView bytes, off_t offset = -1)
{
    const char *p = bytes.data();
    size_t left = size_t(bytes.size());
    while (left > 0) {
        const ssize_t n = offset < 0 ? ::write(fd, p, left) : ::pwrite(fd, p, left, offset);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        p += n;
        left -= size_t(n);
        if (offset >= 0)
            offset += n;
    }
    return true;
}

// Flushes the folder holding path, so that a rename in it survives a power cut.
bool syncFolderOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    const QByteArray folder = slash > 0 ? path.left(slash) : QByteArray(slash == 0 ? "/" : ".");
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    const int syncError = errno;
    ::close(fd);
    errno = syncError;
    return synced;
}

// Writes a big new file around the page cache (O_DIRECT): the bytes go
// from a small buffer straight to the disk, instead of into 50 MB of cache
// pages the system first has to find, and which the flush then writes
// anyway. Filling fresh cache pages cost 130 ms of a 50 MB save on a
// virtual machine, against 35 ms for the disk. The tail shorter than a
// block, and file systems without direct writes, go the usual way.
bool writeNewFile(int fd, QByteArrayView bytes)
{
    constexpr qsizetype kWorthIt = 8 << 20;
    constexpr size_t kBlock = 4096;      // alignment any disk accepts
    constexpr size_t kBuffer = 256 * 1024; // as fast as bigger ones, and little memory
    const int flags = ::fcntl(fd, F_GETFL);
    if (bytes.size() < kWorthIt || flags < 0 || ::fcntl(fd, F_SETFL, flags | O_DIRECT) != 0)
        return writeAll(fd, bytes);
    struct Aligned {
        void *p = nullptr;
        ~Aligned() { std::free(p); }
    } buffer;
    const size_t blocks = size_t(bytes.size()) / kBlock * kBlock;
    size_t done = 0;
    if (::posix_memalign(&buffer.p, kBlock, kBuffer) == 0) {
        while (done < blocks) {
            const size_t n = std::min(kBuffer, blocks - done);
            std::memcpy(buffer.p, bytes.data() + done, n);
            const ssize_t written = ::write(fd, buffer.p, n);
            if (written < 0 && errno == EINTR)
                continue;
            if (written < 0 && errno == EINVAL)
                break; // direct writes refused after all: the rest goes the usual way
            if (written <= 0)
                return false;
            done += size_t(written);
            if (size_t(written) % kBlock != 0)
                break; // a short write leaves the file unaligned
        }
    }
    if (::fcntl(fd, F_SETFL, flags) != 0)
        return false;
    return writeAll(fd, bytes.sliced(qsizetype(done)));
}

enum class Replaced { Done, InPlace, Failed };

// A new file beside the target, given its identity, renamed over it.
Replaced replaceByRename(const QByteArray &target, const struct stat *old, QByteArrayView bytes, QString *error)
{
    static std::atomic<unsigned> counter{0};
    const qsizetype slash = target.lastIndexOf('/');
    QByteArray temp;
    int fd = -1;
    for (int attempt = 0; fd < 0; ++attempt) {
        temp = target.left(slash + 1) + '.' + target.mid(slash + 1) + ".tagsmith-"
               + QByteArray::number(qint64(::getpid())) + '-' + QByteArray::number(counter++);
        // A new page gets the usual mode (the umask and the folder's default ACL apply).
        fd = ::open(temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, old ? 0600 : 0666);
        if (fd >= 0)
            break;
        if (errno == EEXIST && attempt < 100)
            continue;
        const bool refused = errno == EACCES || errno == EPERM || errno == EROFS;
        fail(error, systemError());
        return refused && old ? Replaced::InPlace : Replaced::Failed;
    }
    Replaced result = Replaced::Failed;
    const Carried carried = old ? carryIdentity(target, *old, fd) : Carried::Done;
    if (carried == Carried::NotPossible)
        result = Replaced::InPlace;
    else if (carried == Carried::Failed || !writeNewFile(fd, bytes) || ::fdatasync(fd) != 0)
        fail(error, systemError());
    else
        result = Replaced::Done;
    // A close may report a write the file system kept back (NFS, FUSE).
    if (::close(fd) != 0 && result == Replaced::Done) {
        fail(error, systemError());
        result = Replaced::Failed;
    }
    if (result == Replaced::Done && ::rename(temp.constData(), target.constData()) != 0) {
        fail(error, systemError());
        result = Replaced::Failed;
    }
    if (result != Replaced::Done) {
        ::unlink(temp.constData());
        return result;
    }
    if (!syncFolderOf(target)) {
        fail(error, systemError()); // the new bytes are in place, but may not survive a power cut
        return Replaced::Failed;
    }
    return Replaced::Done;
}

// Puts bytes over the file's own, from the start, and cuts it to their length.
bool overwrite(int fd, QByteArrayView bytes)
{
    return writeAll(fd, bytes, 0) && ::ftruncate(fd, off_t(bytes.size())) == 0 && ::fdatasync(fd) == 0;
}

// Writes over the file itself, its old bytes first kept in a backup copy,
// and put back should the new ones not all go in.
bool writeInPlace(const QString &target, QByteArrayView bytes, QString *error)
{
    QByteArray old;
    if (!readWholeFile(target, old, error))
        return false;
    const QString folder = backupFolder();
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return fail(error, QCoreApplication::translate("SafeFile", "no folder for a backup copy"));
    const QString backup = freshCopyPath(folder, target);
    if (!writeFileSafely(backup, old, error))
        return false;
    const int fd = ::open(QFile::encodeName(target).constData(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) {
        fail(error, systemError());
        QFile::remove(backup);
        return false;
    }
    bool written = overwrite(fd, bytes);
    if (!written)
        fail(error, systemError());
    if (::close(fd) != 0 && written) {
        fail(error, systemError());
        written = false;
    }
    bool restored = false;
    if (!written) {
        const int again = ::open(QFile::encodeName(target).constData(), O_WRONLY | O_CLOEXEC);
        restored = again >= 0 && overwrite(again, old);
        if (again >= 0 && ::close(again) != 0)
            restored = false;
    }
    if (written || restored)
        QFile::remove(backup);
    else if (error)
        *error += QCoreApplication::translate("SafeFile", "; the old content is kept in %1")
                      .arg(QDir::toNativeSeparators(backup));
    return written;
}

} // namespace

void setBackupFolder(const QString &folder)
{
    std::lock_guard<std::mutex> lock(backupMutex);
    backupFolderPath = folder;
}

QString backupFolder()
{
    std::lock_guard<std::mutex> lock(backupMutex);
    return backupFolderPath;
}

QString freshCopyPath(const QString &folder, const QString &pagePath)
{
    const QFileInfo page(pagePath);
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const QString suffix = page.suffix().isEmpty() ? QStringLiteral("htm") : page.suffix();
    for (int n = 0;; ++n) {
        const QString path = folder + u'/' + page.completeBaseName() + u'-' + stamp
                             + (n ? u'-' + QString::number(n) : QString()) + u'.' + suffix;
        if (!QFileInfo::exists(path))
            return path;
    }
}

bool writeFileSafely(const QString &path, QByteArrayView bytes, QString *error)
{
    // Write through a symbolic link to its target rather than replacing the link.
    QString target = path;
    const QFileInfo info(path);
    if (info.isSymLink())
        target = info.symLinkTarget();
    const QByteArray name = QFile::encodeName(target);
    struct stat old;
    const bool exists = ::stat(name.constData(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode))
        return fail(error, QCoreApplication::translate("SafeFile", "not a regular file"));
    // Another name of the same file would keep the old bytes after a rename.
    if (exists && old.st_nlink > 1)
        return writeInPlace(target, bytes, error);
    switch (replaceByRename(name, exists ? &old : nullptr, bytes, error)) {
    case Replaced::Done: return true;
    case Replaced::InPlace: return writeInPlace(target, bytes, error);
    default: return false;
    }
}

bool readFileInPieces(const QString &path, const std::function<void(qint64)> &sized,
                      const std::function<bool(QByteArrayView)> &take, QString *error)
{
    // Opened without blocking, and looked at before a byte is read: a pipe
    // would wait for a writer for ever, a device never end.
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return fail(error, systemError());
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return fail(error, QCoreApplication::translate("SafeFile", "not a regular file"));
    }
    if (st.st_size > kMaxReadBytes) {
        ::close(fd);
        return fail(error, QCoreApplication::translate("SafeFile", "too large"));
    }
    sized(st.st_size);
    QByteArray piece(qsizetype(qBound<qint64>(4096, qint64(st.st_size), kReadPieceBytes)), Qt::Uninitialized);
    qint64 total = 0;
    for (;;) {
        const ssize_t n = ::read(fd, piece.data(), size_t(piece.size()));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const QString why = systemError();
            ::close(fd);
            return fail(error, why);
        }
        if (n == 0)
            break;
        // It may have grown since it was looked at: read on, within the limit.
        total += n;
        if (total > kMaxReadBytes) {
            ::close(fd);
            return fail(error, QCoreApplication::translate("SafeFile", "too large"));
        }
        if (!take(QByteArrayView(piece.constData(), n))) {
            ::close(fd);
            return false;
        }
    }
    ::close(fd);
    return true;
}

bool readWholeFile(const QString &path, QByteArray &bytes, QString *error)
{
    QByteArray data;
    const bool read = readFileInPieces(
        path, [&data](qint64 size) { data.reserve(qsizetype(size)); },
        [&data](QByteArrayView piece) {
            data.append(piece);
            return true;
        },
        error);
    if (read)
        bytes = data;
    return read;
}
