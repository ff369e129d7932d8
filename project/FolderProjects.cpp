// SPDX-License-Identifier: GPL-3.0-or-later
#include "project/FolderProjects.h"

#include "platform/SettingsStore.h"

#include <QCryptographicHash>
#include <QFileInfo>

#include <algorithm>

namespace FolderProjects {

QString key(const QString &folder)
{
    const QByteArray digest = QCryptographicHash::hash(folder.toUtf8(), QCryptographicHash::Sha256);
    return QStringLiteral("Folder ") + QString::fromLatin1(digest.toHex().left(16));
}

QStringList remembered(const SettingsStore &settings)
{
    QStringList folders;
    for (const QString &k : settings.keys(Section)) {
        const QString folder = settings.read(Section, k, QString());
        // Only absolute paths under their own key: a hand-edited line that
        // names anything else is passed over.
        if (folder.startsWith(u'/') && k.compare(key(folder), Qt::CaseInsensitive) == 0
            && QFileInfo(folder).isDir() && !folders.contains(folder))
            folders << folder;
    }
    std::sort(folders.begin(), folders.end(), [](const QString &a, const QString &b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    return folders;
}

bool remember(SettingsStore &settings, const QString &folder)
{
    if (settings.read(Section, key(folder), QString()) == folder)
        return true;
    return settings.write(Section, key(folder), folder);
}

bool forget(SettingsStore &settings, const QString &folder)
{
    if (settings.read(Section, key(folder), QString()).isEmpty())
        return true;
    return settings.write(Section, key(folder), QString());
}

} // namespace FolderProjects
