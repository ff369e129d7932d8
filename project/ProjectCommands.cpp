// Entry points of the project windows (Project Manager, New Web Page, Properties).
#include "editor/Commands.h"
#include "editor/frmEditor.h"

namespace Commands {
bool projectManager(frmEditor &) { return true; }
void newPage(frmEditor &) {}
void properties(frmEditor &) {}
} // namespace Commands
