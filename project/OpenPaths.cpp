// SPDX-License-Identifier: GPL-3.0-or-later
// Pages and folders named from outside the window: the command line, a drop,
// a second start handing its files over.
#include "core/AppState.h"
#include "core/Paths.h"
#include "core/UiText.h"
#include "editor/Commands.h"
#include "editor/frmEditor.h"
#include "platform/MessageBoxes.h"
#include "platform/Platform.h"
#include "project/FolderProjects.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QTimer>

namespace {
constexpr UiText kMissingPathText{"OpenPaths", QT_TRANSLATE_NOOP("OpenPaths", "\"%1\" was not found.")};
constexpr UiText kNotPageText{"OpenPaths", QT_TRANSLATE_NOOP("OpenPaths", "\"%1\" is not a web page.")};
constexpr UiText kOpensWhatText{
    "OpenPaths", QT_TRANSLATE_NOOP("OpenPaths", "Tagsmith opens web pages (.htm and .html files) and folders of them.")};

// The page or folder's project becomes the current one; a page is then
// shown through the normal page switch.
void openProjectPath(frmEditor &editor, const QString &path, bool isFolder)
{
    AppState &state = editor.state();
    const QFileInfo fi(path);
    const QString project =
        Paths::projectOfFolder(state.projectsRoot, isFolder ? fi.absoluteFilePath() : fi.absolutePath());
    // A folder outside the projects root is listed in the Project Manager from now on.
    if (Paths::isFolderProject(project))
        FolderProjects::remember(editor.platform().settings, project);
    state.CurrentProject = project;
    state.StartingUp = 0;
    editor.pageList()->clear(); // the list starts at its first page, not at the old project's place
    editor.updatelist();
    if (!isFolder)
        editor.openPage(fi.fileName());
}
} // namespace

namespace Commands {

bool openPaths(frmEditor &editor, const QStringList &paths)
{
    QString target;
    bool targetIsFolder = false;
    QStringList refused;
    for (const QString &path : paths) {
        const Paths::PathKind kind = Paths::kindOf(path);
        if (kind == Paths::PathKind::Page || kind == Paths::PathKind::Folder) {
            if (target.isEmpty()) {
                target = path;
                targetIsFolder = kind == Paths::PathKind::Folder;
            }
        } else {
            refused << (kind == Paths::PathKind::Missing ? kMissingPathText : kNotPageText)
                           .arg(QDir::toNativeSeparators(path));
        }
    }
    if (!refused.isEmpty())
        editor.platform().messages.inform(&editor, refused.join(u'\n') + QStringLiteral("\n\n") + QString(kOpensWhatText),
                                          QStringLiteral("Tagsmith"), MessageRequest::Icon::Exclamation);
    if (target.isEmpty() || !editor.leavePage())
        return false; // a page that could not be written back stays on screen
    editor.setPageLoaded(0); // just written back: the switch need not write it again
    openProjectPath(editor, target, targetIsFolder);
    return true;
}

void openHandedOver(frmEditor &editor, const QStringList &paths)
{
    // A dialog in the way (the Project Manager, a question) is answered first.
    if (QApplication::activeModalWidget()) {
        QTimer::singleShot(200, &editor, [&editor, paths] { openHandedOver(editor, paths); });
        return;
    }
    if (editor.isMinimized())
        editor.showNormal();
    editor.raise();
    editor.activateWindow();
    openPaths(editor, paths);
}

} // namespace Commands
