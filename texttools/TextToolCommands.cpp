// Entry points of Find, Find Next and Print.
#include "editor/Commands.h"
#include "editor/frmEditor.h"

namespace Commands {
void find(frmEditor &) {}
void findNext(frmEditor &) {}
void print(frmEditor &) {}
} // namespace Commands
