// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

class QTextStream;

// "tagsmith --check FILE...": checks each page as the Problems window does
// and prints one line per problem, "FILE:LINE:COL: error|warning|info:
// message". Returns 0 when no error or warning was found, 1 when some were,
// 2 when a file could not be read (or none was named). Needs no display.
int runCheckCommand(const QStringList &files, QTextStream &out, QTextStream &err);
