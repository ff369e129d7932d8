// Entry points of the Options dialog and the custom tools.
#include "editor/Commands.h"
#include "editor/frmEditor.h"

namespace Commands {
void options(frmEditor &) {}
void startTool(frmEditor &, int) {}
} // namespace Commands
