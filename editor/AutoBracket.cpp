// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/AutoBracket.h"

#include "core/MarkupSpot.h"
#include "editor/ScintillaTextBox.h"

namespace {
bool canStartTag(QChar c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'/' || c == u'!'; }

// Whether the "<" just before the character typed stands where markup goes.
bool inMarkup(ScintillaTextBox &box)
{
    const long caret = box.SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS);
    const MarkupSpot::Kind kind = markupSpotAt(box.utf8(), caret - 2).kind;
    return kind != MarkupSpot::Comment && kind != MarkupSpot::RawText;
}
} // namespace

bool autoCloseBracket(ScintillaTextBox &box, int &lastCaretPos)
{
    // p counts the characters before the caret, so the character just typed
    // is at 1-based position p (0-based p - 1).
    const int p = box.selStart();
    const bool close = p > lastCaretPos && p > 1 && box.charAt(p - 2) == u'<' && box.charAt(p) != u'>'
                       && canStartTag(box.charAt(p - 1)) && inMarkup(box);
    if (close)
        box.insertAfterCaret(QStringLiteral(">"));
    lastCaretPos = p;
    return close;
}
