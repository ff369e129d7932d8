// Entry point of the browser preview.
#include "editor/Commands.h"
#include "editor/frmEditor.h"

namespace Commands {
void preview(frmEditor &) {}
} // namespace Commands
