#pragma once

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
} // namespace Commands
