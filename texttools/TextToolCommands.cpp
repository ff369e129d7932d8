// SPDX-License-Identifier: GPL-3.0-or-later
// Entry points of Find, Find Next, Replace, Go To Line and Print.
#include "core/TextBox.h"
#include "editor/Commands.h"
#include "editor/ScintillaTextBox.h"
#include "editor/frmEditor.h"
#include "platform/MessageBoxes.h"
#include "platform/Platform.h"
#include "texttools/HTMLFind.h"
#include "texttools/Search.h"
#include "texttools/frmGoToLine.h"
#include "texttools/frmPrint.h"
#include "texttools/frmReplace.h"

namespace {

// Searches the editor's current text from `start` (1-based) with the stored
// search text and case choice; selects the match or reports `notFound`.
void searchFrom(frmEditor &editor, int start, const QString &notFound)
{
    FindState &find = editor.findState();
    TextBox &box = editor.txtEdit();
    const QString text = box.text();
    const int at = Search::findText(text, find.searchText, start, find.matchCase);
    if (at > 0) {
        find.lastMatch = at;
        box.setSelection(at - 1, int(find.searchText.size()));
        editor.setFindNextEnabled(true);
        return;
    }
    find.lastMatch = 0;
    box.setSelection(box.selStart(), 0);
    editor.platform().messages.show(&editor, MessageRequest{notFound, QStringLiteral("Tagsmith"),
                                                         MessageRequest::Icon::None, MessageRequest::Buttons::Ok, false});
    editor.setFindNextEnabled(false);
}

} // namespace

namespace Commands {

void find(frmEditor &editor)
{
    {
        HTMLFind dialog(editor.findState(), &editor);
        dialog.load();
        dialog.exec(); // Find or Cancel: the search runs with what is stored
    }
    searchFrom(editor, 1, QCoreApplication::translate("Commands", "No matches found."));
}

void findNext(frmEditor &editor)
{
    searchFrom(editor, editor.findState().lastMatch + 1,
               QCoreApplication::translate("Commands", "No more matches found."));
}

void replace(frmEditor &editor)
{
    // One dialog per window, kept while hidden so it remembers its texts.
    auto *dialog = editor.findChild<frmReplace *>();
    if (!dialog)
        dialog = new frmReplace(editor);
    dialog->load();
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void goToLine(frmEditor &editor)
{
    ScintillaTextBox &box = *editor.editorWidget();
    int line = 0, index = 0;
    box.getCursorPosition(&line, &index);
    frmGoToLine dialog(line + 1, box.lineCount(), &editor);
    if (dialog.exec() == QDialog::Accepted)
        box.goToLine(dialog.line());
    box.setFocus();
}

void print(frmEditor &editor)
{
    frmPrint dialog(editor.txtEdit(), editor.platform(), editor.currentPageName(), &editor);
    dialog.load();
    dialog.exec();
}

} // namespace Commands
