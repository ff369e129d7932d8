// SPDX-License-Identifier: GPL-3.0-or-later
// Entry points of the spelling windows.
#include "editor/Commands.h"
#include "editor/frmEditor.h"
#include "spell/frmSpell.h"
#include "spell/frmSpellSug.h"

namespace Commands {

// Tools "&Check Spelling...": the main window has saved the page already.
void checkSpelling(frmEditor &editor)
{
    frmSpell dialog(editor);
    dialog.load();
    dialog.exec();
}

// Tools "Spell Check &Word...".
void spellCheckWord(frmEditor &editor)
{
    frmSpellSug dialog(editor.state(), editor.platform(), &editor);
    dialog.load();
    dialog.exec();
}

} // namespace Commands
