// Entry point of the About box.
#include "editor/Commands.h"
#include "editor/frmEditor.h"

namespace Commands {
void about(frmEditor &) {}
} // namespace Commands
