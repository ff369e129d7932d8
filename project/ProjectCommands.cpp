// SPDX-License-Identifier: GPL-3.0-or-later
// Entry points of the project windows (Project Manager, New Web Page, Properties).
#include "editor/Commands.h"
#include "editor/frmEditor.h"
#include "platform/Desktop.h"
#include "platform/Platform.h"
#include "project/ProjMan.h"
#include "project/frmProperties.h"
#include "project/webNew.h"

namespace Commands {
bool projectManager(frmEditor &editor)
{
    {
        ProjMan dialog(editor.state(), editor.platform(), &editor);
        dialog.load();
        dialog.exec();
    }
    if (editor.platform().end.ended())
        return false;
    // The callers rebuild the page list next. The page on screen has been
    // saved already (or there was none: the no-page notice), so the rebuild
    // must not write the text on screen into CurrentPagePath again; for a
    // project without pages that path is not a page at all.
    editor.setPageLoaded(0);
    return true;
}

void newPage(frmEditor &editor)
{
    webNew dialog(editor);
    dialog.load();
    dialog.exec();
}

void properties(frmEditor &editor)
{
    frmProperties dialog(editor);
    dialog.load();
    dialog.exec();
}
} // namespace Commands
