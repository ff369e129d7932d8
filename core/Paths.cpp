// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

#include <dirent.h>

namespace Paths {

namespace {
void sortNoCase(QStringList &names)
{
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
}
} // namespace

QString resolve(const QString &dir, const QString &name)
{
    const QString plain = dir + u'/' + name;
    if (name.isEmpty() || QFileInfo::exists(plain))
        return plain;
    const QDir d(dir);
    const QStringList entries = d.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &e : entries)
        if (e.compare(name, Qt::CaseInsensitive) == 0)
            return dir + u'/' + e;
    return plain;
}

namespace {
bool below(const QString &path, const QString &folder)
{
    const QString clean = QDir::cleanPath(path);
    return clean == folder || clean.startsWith(folder + u'/');
}
} // namespace

QString projectsRoot(const QString &appDir, const QString &userDataDir)
{
    // Only a portable copy keeps its projects beside itself. QFileInfo asks
    // access(2), which also says no on a read-only mount.
    const bool portable = QFileInfo::exists(defaultTemplate(appDir)) && QFileInfo(appDir).isWritable()
                          && !below(appDir, QStringLiteral("/usr"));
    const QString base = portable ? appDir : userDataDir + QLatin1String("/TAGSMITH");
    return resolve(base, QStringLiteral("project"));
}

QString dataDir(const QString &appDir)
{
    if (QFileInfo::exists(defaultTemplate(appDir)))
        return appDir;
    return QDir::cleanPath(appDir + QLatin1String("/" TAGSMITH_DATA_FROM_PROGRAM));
}

QString projectFolder(const QString &root, const QString &project)
{
    return isFolderProject(project) ? QDir::cleanPath(project) : resolve(root, project);
}

bool isFolderProject(const QString &project) { return project.startsWith(u'/'); }

bool isProject(const QString &project) { return isSafeName(project) || isFolderProject(project); }

QString projectOfFolder(const QString &root, const QString &folder)
{
    // The root as given and as the system spells it, for a root reached
    // through a link.
    const QString rootPath = QDir::cleanPath(root);
    const QString rootCanonical = QFileInfo(root).canonicalFilePath();
    const auto inRoot = [&](const QString &path) {
        const QFileInfo fi(path);
        const QString parent = fi.absolutePath();
        return (parent == rootPath || (!rootCanonical.isEmpty() && parent == rootCanonical))
               && isSafeName(fi.fileName());
    };
    // A project folder may itself be a link below the root: its name wins.
    const QString absolute = QDir::cleanPath(QDir(folder).absolutePath());
    if (inRoot(absolute))
        return QFileInfo(absolute).fileName();
    const QString canonical = QFileInfo(absolute).canonicalFilePath();
    const QString path = canonical.isEmpty() ? absolute : canonical;
    if (inRoot(path))
        return QFileInfo(path).fileName();
    return path;
}

QString projectLabel(const QString &project)
{
    return isFolderProject(project) ? QDir::toNativeSeparators(project) : project;
}

QString pagePath(const QString &root, const QString &project, const QString &page)
{
    return resolve(projectFolder(root, project), page);
}

QString defaultTemplate(const QString &dataDir) { return resolve(dataDir, QStringLiteral("default.htm")); }
QString dictionary(const QString &dataDir) { return resolve(dataDir, QStringLiteral("spell.dat")); }
QString translations(const QString &dataDir) { return dataDir + QLatin1String("/translations"); }

PathKind kindOf(const QString &path)
{
    const QFileInfo fi(path);
    if (!fi.exists())
        return PathKind::Missing;
    if (fi.isDir())
        return PathKind::Folder;
    return fi.isFile() && isPageName(fi.fileName()) ? PathKind::Page : PathKind::Other;
}

bool isPageName(const QString &fileName)
{
    return fileName.endsWith(QLatin1String(".htm"), Qt::CaseInsensitive)
           || fileName.endsWith(QLatin1String(".html"), Qt::CaseInsensitive);
}

QStringList listPages(const QString &folder)
{
    QStringList pages;
    const QDir d(folder);
    const QFileInfoList entries = d.entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
    // Only plain files are pages: a pipe or a device named like one would
    // block or never end when read. A link whose target is missing is
    // listed (its page may come back), and refused when opened.
    for (const QFileInfo &fi : entries)
        if (isPageName(fi.fileName()) && (fi.isFile() || (fi.isSymLink() && !fi.exists())))
            pages << fi.fileName();
    sortNoCase(pages);
    return pages;
}

int unlistedPages(const QString &folder)
{
    // Read raw: the names Qt cannot spell are the ones looked for.
    DIR *dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return 0;
    int unlisted = 0;
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArray raw(entry->d_name);
        const QString name = QFile::decodeName(raw);
        if (!isPageName(name))
            continue;
        const QFileInfo fi(folder + u'/' + name);
        if (QFile::encodeName(name) != raw || !(fi.isFile() || (fi.isSymLink() && !fi.exists())))
            ++unlisted;
    }
    ::closedir(dir);
    return unlisted;
}

QStringList listProjects(const QString &root)
{
    // Hidden folders (".git", ".Trash") are not projects.
    QStringList names = QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    sortNoCase(names);
    return names;
}

bool isSafeName(const QString &name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
           && !name.contains(u'/') && !name.contains(u'\\') && !name.contains(QChar(0));
}

bool ensureProjectsRoot(const QString &root)
{
    if (!QFileInfo(projectFolder(root, QStringLiteral("default"))).isDir()) {
        // A per-user root may be the first thing in a new home folder.
        if (!QFileInfo(root).isDir() && !QDir().mkpath(root))
            return false;
        if (!QDir().mkdir(root + QLatin1String("/default")))
            return false;
    }
    return true;
}

bool projectIsWritable(const QString &root, const QString &project)
{
    if (!isProject(project))
        return false;
    const QString folder = projectFolder(root, project);
    if (!QFileInfo(folder).isDir())
        return false;
    QFile scratch(folder + QLatin1String("/test.tst"));
    if (!scratch.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    scratch.close();
    return scratch.remove();
}

} // namespace Paths
