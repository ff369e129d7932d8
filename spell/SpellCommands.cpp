// Entry points of the spelling windows.
#include "editor/Commands.h"
#include "editor/frmEditor.h"

namespace Commands {
void checkSpelling(frmEditor &) {}
void spellCheckWord(frmEditor &) {}
} // namespace Commands
