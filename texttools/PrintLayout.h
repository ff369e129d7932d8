// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class LinePrinter;

// The printout's layout: plain lines of at most 79 characters, 66 line slots
// to a page. A carriage return ends a line and takes a second slot; the line
// feed after it begins the next printed line, where the printer turns it
// into the blank line that second slot stands for. A line feed without a
// carriage return before it ends its line in one slot and is not printed.
namespace PrintLayout {

constexpr int CharsPerLine = 79;
constexpr int SlotsPerPage = 66;

// The text as printed: spaces (only spaces) trimmed from both ends.
QString trimSpaces(const QString &text);

// Sends `source` to the printer line by line, starting new pages as the
// slots run out, and ends the document. Returns what endDoc returned.
bool printText(const QString &source, LinePrinter &printer);

} // namespace PrintLayout
