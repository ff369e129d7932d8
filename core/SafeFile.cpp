#include "core/SafeFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
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

bool writeAll(QFileDevice &file, QByteArrayView bytes)
{
    // The device buffers small writes: an error (a full disk) may only show
    // when the buffer is flushed, so flush and look before anything is kept.
    return file.write(bytes.data(), bytes.size()) == bytes.size() && file.flush()
           && file.error() == QFileDevice::NoError;
}

// For a folder that takes no new files: write over the file itself, and put
// the old bytes back if the new ones do not all go in.
bool writeInPlace(const QString &target, QByteArrayView bytes, QString *error)
{
    QByteArray old;
    if (!readWholeFile(target, old, error))
        return false;
    QFile file(target);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return fail(error, file.errorString());
    if (writeAll(file, bytes) && file.handle() >= 0 && ::fsync(file.handle()) == 0) {
        file.close();
        return true;
    }
    const QString why = file.errorString();
    file.close();
    QFile restore(target);
    if (restore.open(QIODevice::WriteOnly | QIODevice::Truncate))
        writeAll(restore, old);
    return fail(error, why);
}

} // namespace

bool writeFileSafely(const QString &path, QByteArrayView bytes, QString *error)
{
    // Write through a symbolic link to its target rather than replacing the link.
    QString target = path;
    const QFileInfo info(path);
    if (info.isSymLink())
        target = info.symLinkTarget();
    const QFileInfo targetInfo(target);
    if (targetInfo.exists() && !targetInfo.isFile())
        return fail(error, QStringLiteral("not a regular file"));
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly)) {
        // A folder we may not create files in, holding a file we may write.
        if (targetInfo.isFile() && targetInfo.isWritable())
            return writeInPlace(target, bytes, error);
        return fail(error, file.errorString());
    }
    if (!writeAll(file, bytes)) {
        const QString why = file.errorString();
        file.cancelWriting();
        return fail(error, why);
    }
    if (!file.commit())
        return fail(error, file.errorString());
    return true;
}

bool readWholeFile(const QString &path, QByteArray &bytes, QString *error)
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
        return fail(error, QStringLiteral("not a regular file"));
    }
    if (st.st_size > kMaxReadBytes) {
        ::close(fd);
        return fail(error, QStringLiteral("too large"));
    }
    QByteArray data(qsizetype(st.st_size), Qt::Uninitialized);
    qsizetype got = 0;
    for (;;) {
        if (got == data.size()) {
            // Grown since it was looked at: read on, within the limit.
            if (data.size() >= kMaxReadBytes) {
                ::close(fd);
                return fail(error, QStringLiteral("too large"));
            }
            data.resize(qMin<qsizetype>(kMaxReadBytes, qMax<qsizetype>(4096, data.size() * 2)));
        }
        const ssize_t n = ::read(fd, data.data() + got, size_t(data.size() - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const QString why = systemError();
            ::close(fd);
            return fail(error, why);
        }
        if (n == 0)
            break;
        got += n;
    }
    ::close(fd);
    data.truncate(got);
    bytes = data;
    return true;
}
