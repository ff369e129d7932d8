// SPDX-License-Identifier: GPL-3.0-or-later
#include "options/ProgramChooser.h"

#include "platform/Desktop.h"

#include <QDir>
#include <QFileInfo>

namespace {
QString startFolder(const QString &chosen, const QString &stored)
{
    if (!chosen.isEmpty())
        return QFileInfo(chosen).absolutePath();
    if (!stored.isEmpty() && QFileInfo(stored).absoluteDir().exists())
        return QFileInfo(stored).absolutePath();
    return QStringLiteral("/usr/bin");
}
} // namespace

QString chooseProgram(FileDialogs &files, QWidget *parent, const QString &title, const QString &filter,
                      const QString &chosen, const QString &stored)
{
    OpenFileRequest request;
    request.title = title;
    request.filter = filter;
    request.defaultExt = QStringLiteral("EXE");
    request.startFolder = startFolder(chosen, stored);
    request.executablesOnly = true;
    const QString picked = files.openFile(parent, request);
    return picked.isEmpty() ? chosen : picked;
}
