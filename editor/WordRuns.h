// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

class ScintillaTextBox;

// Keeps typing fast in very long lines (minified markup). The editing
// component lays out a whole line again after every change to it, measuring
// it through the font in runs of one style; only the widths of runs shorter
// than 30 bytes come from its cache. Uncoloured text is one run per line, so
// a line of a megabyte was measured afresh, character by character, on every
// keystroke. Here every word, with the spaces after it, gets a style of its
// own, alternating between two styles that look alike: the line is measured
// in short runs the cache already knows. The style changes only where a word
// follows a space or tab, where word wrap may break a line anyway, so the
// lines wrap exactly as before.
namespace WordRuns {
// The two styles: the plain text's, and its look-alike, a number no lexer
// uses (they stay below 128), so that no colouring restyles it.
constexpr int kFirst = 0;
constexpr int kSecond = 160;

// A page with a line longer than this (minified markup) is not coloured:
// the lexer restyles a whole line on every keystroke, and its long runs of
// text miss the layout cache. It is shown plain, in word runs.
constexpr qsizetype kLongLine = 32 * 1024;
// Whether a line of the text (ended by CR, LF or both) is longer than
// kLongLine bytes. Looks at a few bytes per kLongLine of text.
bool hasLongLine(const char *text, qsizetype size);
// The same for text that comes a piece at a time.
class LongLineCheck {
public:
    void feed(const char *text, qsizetype size);
    bool found() const { return m_found; }

private:
    qsizetype m_run = 0; // bytes since the last line end
    bool m_found = false;
};

// Styles size bytes of text into out, continuing a run whose last byte was a
// space or tab (afterSpace) and had the given style.
void style(const char *text, qsizetype size, bool afterSpace, char previous, char *out);
// The same in character runs, for pages with a long line: the style changes
// between any two ASCII characters, so the cache holds every run after the
// first few hundred, where the words of real text (tens of thousands, each
// measured through the font) did not fit. Characters of more than one byte
// stay in the run of the character before and after them, as shaping may
// join them. Such pages wrap only at blanks (SC_WRAP_WHITESPACE), which is
// where word runs broke them: a style change is no place to wrap there.
// before: the byte before the text (or an ASCII one at the start).
void styleCharacters(const char *text, qsizetype size, char before, char previous, char *out);

// Styles the text box's page as it is shown (the component asks for it).
void attach(ScintillaTextBox &box);
// Gives the look-alike style the current look of the plain text.
void copyLook(ScintillaTextBox &box);
}
