// SPDX-License-Identifier: GPL-3.0-or-later
// Entry points of the Options dialog and the custom tools.
#include "core/AppState.h"
#include "core/SettingsKeys.h"
#include "editor/Commands.h"
#include "editor/frmEditor.h"
#include "options/frmOptions.h"
#include "platform/Desktop.h"
#include "platform/Platform.h"
#include "platform/SettingsStore.h"

namespace Commands {
void options(frmEditor &editor)
{
    frmOptions dialog(editor);
    dialog.load();
    dialog.exec();
}

void startTool(frmEditor &editor, int slot)
{
    if (slot < 1 || slot > kToolSlots)
        return;
    Platform &platform = editor.platform();
    // The program comes from the store, so a tool is started only once the
    // Options dialog has saved it.
    const QString program =
        platform.settings.read(SettingsKeys::Tools, SettingsKeys::toolFilename(slot), QString());
    if (program.isEmpty())
        return;
    // The tool works on the files: give it the text on screen first. If that
    // fails the save error has been shown, and the tool is not started on a
    // file that lacks the text.
    if (editor.pageCount() > 0 && !editor.leavePage())
        return;
    // Started as it is, with no arguments and not waited for. A tool that
    // cannot be started is ignored, as the Tools menu reports nothing.
    platform.starter.start(program, {});
}
} // namespace Commands
