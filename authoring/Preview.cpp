// SPDX-License-Identifier: GPL-3.0-or-later
#include "authoring/Preview.h"

#include "core/AppState.h"
#include "core/PageOps.h"
#include "core/Paths.h"
#include "core/SettingsKeys.h"
#include "editor/frmEditor.h"
#include "platform/Desktop.h"
#include "platform/MessageBoxes.h"
#include "platform/Platform.h"
#include "platform/SettingsStore.h"

namespace Preview {

bool usesChosenBrowser(const SettingsStore &settings)
{
    return vbBool(settings.read(SettingsKeys::Settings, SettingsKeys::CBrowser, QStringLiteral("False")));
}

QString commandLine(const QString &browser, const QString &pagePath)
{
    return browser + u' ' + u'"' + pagePath + u'"';
}

Plan plan(const SettingsStore &settings, const QString &pagePath)
{
    Plan p;
    p.pagePath = pagePath;
    if (!usesChosenBrowser(settings)) {
        p.kind = Plan::Kind::ShellOpen;
        return p;
    }
    p.program = settings.read(SettingsKeys::Settings, SettingsKeys::PBrowser, QString());
    if (p.program.isEmpty()) {
        p.kind = Plan::Kind::NoBrowser;
        return p;
    }
    p.kind = Plan::Kind::StartBrowser;
    p.arguments = QStringList{pagePath};
    p.commandLine = commandLine(p.program, pagePath);
    return p;
}

void run(frmEditor &editor)
{
    // With no page in the project there is nothing to show (the menu item is
    // greyed then), and the page path would not name a page to save.
    if (editor.pageCount() == 0)
        return;
    AppState &state = editor.state();
    Platform &platform = editor.platform();

    // Always save first, also when the preview then fails or only shows its
    // message. A failed save has shown its own message and ends the command:
    // the browser would show the file without the text on screen.
    if (!SavePage(platform, editor, state.CurrentPagePath))
        return;

    const QString page = Paths::pagePath(state.projectsRoot, state.CurrentProject, editor.currentPageName());
    const Plan p = plan(platform.settings, page);
    switch (p.kind) {
    case Plan::Kind::ShellOpen:
        // Without an opener (xdg-open) the desktop does nothing: say so.
        if (!platform.shell.open(p.pagePath))
            platform.messages.inform(&editor, kNoOpenerText, kNoBrowserTitle, MessageRequest::Icon::Exclamation);
        break;
    case Plan::Kind::StartBrowser:
        // A browser that cannot be started ends the command silently.
        platform.starter.start(p.program, p.arguments);
        break;
    case Plan::Kind::NoBrowser:
        platform.messages.inform(&editor, kNoBrowserText, kNoBrowserTitle, MessageRequest::Icon::Information);
        break;
    }
}

} // namespace Preview
