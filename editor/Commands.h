// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

class frmEditor;

// The main window's commands that open the other windows. Each subsystem
// defines its own entry points; the main window only calls them.
namespace Commands {
// File menu
bool projectManager(frmEditor &editor); // shows the Project Manager; false if the program ended
void newPage(frmEditor &editor);
void print(frmEditor &editor);
void properties(frmEditor &editor);
void preview(frmEditor &editor);
// Edit menu
void find(frmEditor &editor);
void findNext(frmEditor &editor);
void replace(frmEditor &editor);   // shows the modeless Replace dialog
void goToLine(frmEditor &editor);
// View menu
void options(frmEditor &editor);
// Tools menu
void checkSpelling(frmEditor &editor);
void spellCheckWord(frmEditor &editor);
void startTool(frmEditor &editor, int slot);
void checkHtml(frmEditor &editor);         // opens the modeless Problems window
void checkProjectLinks(frmEditor &editor);
// Help menu
void about(frmEditor &editor);
// Pages and folders from outside: the command line, a drop on the window.
// The first page or folder opens, after the page on screen is written back:
// a page of a project below the projects root in its project, any other
// page or folder as a folder project. Paths that are neither (a missing
// file, a .txt) are named in a message. False when nothing was opened.
bool openPaths(frmEditor &editor, const QStringList &paths);
// Paths handed over by a second start: the window comes to the front and
// opens them, once no dialog is in the way.
void openHandedOver(frmEditor &editor, const QStringList &paths);
} // namespace Commands
