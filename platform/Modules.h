// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Parts of the program with big libraries of their own live in modules,
// loaded on first use, so that their libraries cost no memory before: the
// live preview's engine, and libtidy for the HTML check. Modules are looked
// for in modules/ beside the program, or in the folder TAGSMITH_MODULES
// names (tests), and stay loaded until the program ends.
//
// The function `symbol` of the module file `file`; nothing, with the reason
// in `reason`, when the module or the function is missing.
QFunctionPointer moduleFunction(const QString &file, const char *symbol, QString *reason);
