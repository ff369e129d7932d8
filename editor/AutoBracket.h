// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class ScintillaTextBox;

// The automatic closing ">": run after every change of the editing area.
// When the caret has moved forward past lastCaretPos and the character before
// the one just typed is "<", while the character after the caret is not ">",
// a ">" is put in after the caret. lastCaretPos is then the caret position.
// The character typed must be one that can start a tag (a letter, "/" or
// "!"), and the "<" must not stand in a comment or in script or style
// content. Returns whether a ">" was put in.
bool autoCloseBracket(ScintillaTextBox &box, int &lastCaretPos);
