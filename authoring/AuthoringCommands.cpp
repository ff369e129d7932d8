// SPDX-License-Identifier: GPL-3.0-or-later
// Entry point of the browser preview.
#include "authoring/Preview.h"
#include "editor/Commands.h"
#include "editor/frmEditor.h"

namespace Commands {
void preview(frmEditor &editor) { Preview::run(editor); }
} // namespace Commands
