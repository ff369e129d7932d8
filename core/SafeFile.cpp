#include "core/SafeFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

bool writeFileSafely(const QString &path, QByteArrayView bytes, QString *error)
{
    // Write through a symbolic link to its target rather than replacing the link.
    QString target = path;
    const QFileInfo info(path);
    if (info.isSymLink())
        target = info.symLinkTarget();
    if (QFileInfo(target).isDir()) {
        if (error)
            *error = QStringLiteral("is a folder");
        return false;
    }
    QSaveFile file(target);
    // A folder we may not create files in, holding a page we may write:
    // write in place rather than refuse the save.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    if (file.write(bytes.data(), bytes.size()) != bytes.size()) {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

bool readWholeFile(const QString &path, QByteArray &bytes, QString *error)
{
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}
