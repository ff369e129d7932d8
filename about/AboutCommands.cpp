// SPDX-License-Identifier: GPL-3.0-or-later
// Entry point of the About box.
#include "about/frmAbout.h"
#include "editor/Commands.h"
#include "editor/frmEditor.h"

namespace Commands {
void about(frmEditor &editor)
{
    frmAbout box(editor);
    box.load();
    box.exec();
}
} // namespace Commands
