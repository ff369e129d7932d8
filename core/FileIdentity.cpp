// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/FileIdentity.h"

#include <QList>

#include <cerrno>
#include <sys/xattr.h>
#include <unistd.h>

namespace {

bool notPermitted(int error) { return error == EPERM || error == EACCES || error == ENOTSUP; }

// The names of a file's extended attributes (an empty list where the file system has none).
bool attributeNames(const QByteArray &path, int fd, QList<QByteArray> &names)
{
    for (;;) {
        const ssize_t size = fd >= 0 ? ::flistxattr(fd, nullptr, 0) : ::listxattr(path.constData(), nullptr, 0);
        if (size < 0)
            return errno == ENOTSUP;
        QByteArray list(size, '\0');
        const ssize_t got = fd >= 0 ? ::flistxattr(fd, list.data(), list.size())
                                    : ::listxattr(path.constData(), list.data(), list.size());
        if (got < 0 && errno == ERANGE)
            continue; // grown meanwhile
        if (got < 0)
            return false;
        list.truncate(got);
        names = list.split('\0');
        names.removeAll(QByteArray());
        return true;
    }
}

Carried carryAttributes(const QByteArray &path, int fd)
{
    QList<QByteArray> names, inherited;
    if (!attributeNames(path, -1, names) || !attributeNames(QByteArray(), fd, inherited))
        return Carried::Failed;
    // The new file may have taken the folder's default ACL: only the old file's stand.
    for (const QByteArray &name : inherited)
        if (!names.contains(name))
            ::fremovexattr(fd, name.constData());
    for (const QByteArray &name : names) {
        QByteArray value;
        ssize_t size;
        for (;;) {
            size = ::getxattr(path.constData(), name.constData(), nullptr, 0);
            if (size < 0)
                break;
            value.resize(size);
            size = ::getxattr(path.constData(), name.constData(), value.data(), value.size());
            if (size >= 0 || errno != ERANGE)
                break;
        }
        if (size < 0) {
            if (errno == ENODATA)
                continue; // removed meanwhile
            return notPermitted(errno) ? Carried::NotPossible : Carried::Failed;
        }
        if (::fsetxattr(fd, name.constData(), value.constData(), size_t(size), 0) != 0)
            return notPermitted(errno) ? Carried::NotPossible : Carried::Failed;
    }
    return Carried::Done;
}

} // namespace

Carried carryIdentity(const QByteArray &path, const struct stat &old, int fd)
{
    const bool root = ::geteuid() == 0;
    if (old.st_uid != ::geteuid() && !root)
        return Carried::NotPossible; // the new file would change hands
    struct stat now;
    if (::fstat(fd, &now) != 0)
        return Carried::Failed;
    if (now.st_uid != old.st_uid || now.st_gid != old.st_gid) {
        if (::fchown(fd, root ? old.st_uid : uid_t(-1), old.st_gid) != 0)
            return notPermitted(errno) ? Carried::NotPossible : Carried::Failed;
    }
    const Carried attributes = carryAttributes(path, fd);
    if (attributes != Carried::Done)
        return attributes;
    // Last: a change of owner clears the set-id bits, an ACL sets the group bits.
    return ::fchmod(fd, old.st_mode & 07777) == 0 ? Carried::Done : Carried::Failed;
}
