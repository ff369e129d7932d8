#include "editor/AutoBracket.h"

#include "core/TextBox.h"

void autoCloseBracket(TextBox &box, int &lastCaretPos)
{
    // p counts the characters before the caret, so the character just typed
    // is at 1-based position p (0-based p - 1).
    const int p = box.selStart();
    if (p > lastCaretPos && p > 1 && box.charAt(p - 2) == u'<' && box.charAt(p) != u'>') {
        box.insertAfterCaret(QStringLiteral(">"));
    }
    lastCaretPos = p;
}
