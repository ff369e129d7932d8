#pragma once

class TextBox;

// The automatic closing ">": run after every change of the editing area.
// When the caret has moved forward past lastCaretPos and the character before
// the one just typed is "<", while the character after the caret is not ">",
// a ">" is put in after the caret. lastCaretPos is then the caret position.
void autoCloseBracket(TextBox &box, int &lastCaretPos);
