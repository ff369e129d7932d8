// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/HtmlColouring.h"

#include "editor/ScintillaTextBox.h"

#include <Qsci/qscilexerhtml.h>

#include <QEvent>

namespace {
// Keyword lists of the lexer: none for HTML (every tag and attribute is
// coloured alike, known to the lexer or not), the words of the scripts, and
// the markup declarations, without which the lexer leaves the words of a
// "<!DOCTYPE html>" uncoloured as an error.
const char kJavaScriptWords[] =
    "break case catch class const continue debugger default delete do else export extends false finally for "
    "function if import in instanceof let new null return super switch this throw true try typeof var void "
    "while with yield";
const char kVbScriptWords[] =
    "and as byref byval call case class const dim do each else elseif empty end erase error exit explicit "
    "false for function get if in is let loop me mod new next not nothing null on option or private "
    "property public redim rem resume select set sub then to true until wend while with xor";
const char kDeclarationWords[] = "DOCTYPE doctype ELEMENT ATTLIST ENTITY NOTATION";

struct StyleColour {
    int style;
    QRgb light; // on a light background
    QRgb dark;  // on a dark background
    bool bold = false;
    bool italic = false;
};

using H = QsciLexerHTML;
const StyleColour kColours[] = {
    {H::Tag, 0x1a3fa8, 0x7fb2ff},
    {H::UnknownTag, 0x1a3fa8, 0x7fb2ff},
    {H::XMLTagEnd, 0x1a3fa8, 0x7fb2ff},
    {H::Script, 0x1a3fa8, 0x7fb2ff},
    {H::Attribute, 0x9a3b00, 0xffb273},
    {H::UnknownAttribute, 0x9a3b00, 0xffb273},
    {H::OtherInTag, 0x1a3fa8, 0x7fb2ff},
    {H::HTMLDoubleQuotedString, 0x0d7a20, 0x93e09d},
    {H::HTMLSingleQuotedString, 0x0d7a20, 0x93e09d},
    {H::HTMLValue, 0x0d7a20, 0x93e09d},
    {H::HTMLNumber, 0x0d7a20, 0x93e09d},
    {H::HTMLComment, 0x727272, 0x9d9d9d, false, true},
    {H::SGMLComment, 0x727272, 0x9d9d9d, false, true},
    {H::Entity, 0x98168a, 0xec9ae2},
    // A declaration looks like a tag: "<!DOCTYPE" as a tag name, "html" as an attribute.
    {H::SGMLDefault, 0x1a3fa8, 0x7fb2ff},
    {H::SGMLCommand, 0x1a3fa8, 0x7fb2ff},
    {H::SGMLError, 0x1a3fa8, 0x7fb2ff},
    {H::SGMLParameter, 0x9a3b00, 0xffb273},
    {H::SGMLDoubleQuotedString, 0x0d7a20, 0x93e09d},
    {H::SGMLSingleQuotedString, 0x0d7a20, 0x93e09d},
    {H::CDATA, 0x727272, 0x9d9d9d},
    {H::JavaScriptComment, 0x727272, 0x9d9d9d, false, true},
    {H::JavaScriptCommentLine, 0x727272, 0x9d9d9d, false, true},
    {H::JavaScriptCommentDoc, 0x727272, 0x9d9d9d, false, true},
    {H::JavaScriptNumber, 0xa35200, 0xf2b36b},
    {H::JavaScriptKeyword, 0x1a3fa8, 0x7fb2ff, true},
    {H::JavaScriptDoubleQuotedString, 0x0d7a20, 0x93e09d},
    {H::JavaScriptSingleQuotedString, 0x0d7a20, 0x93e09d},
    {H::JavaScriptUnclosedString, 0x0d7a20, 0x93e09d},
    {H::JavaScriptRegex, 0x98168a, 0xec9ae2},
    {H::VBScriptComment, 0x727272, 0x9d9d9d, false, true},
    {H::VBScriptNumber, 0xa35200, 0xf2b36b},
    {H::VBScriptKeyword, 0x1a3fa8, 0x7fb2ff, true},
    {H::VBScriptString, 0x0d7a20, 0x93e09d},
    {H::VBScriptUnclosedString, 0x0d7a20, 0x93e09d},
};

constexpr int kLexerStyles = 128; // the HTML lexer's style numbers are below
} // namespace

HtmlColouring::HtmlColouring(ScintillaTextBox &box) : EditorDecorator(box) { box.installEventFilter(this); }

void HtmlColouring::apply(bool enabled)
{
    if (enabled) {
        setColours();
        setLexer();
    } else {
        // No lexer: the editing area styles the page in word runs itself.
        sci(Sci::SCI_SETIDLESTYLING, Sci::SC_IDLESTYLING_NONE);
        sci(Sci::SCI_SETLEXER, Sci::SCLEX_CONTAINER);
        sci(Sci::SCI_CLEARDOCUMENTSTYLE);
    }
    box().update();
}

void HtmlColouring::documentReplaced() { setLexer(); }

bool HtmlColouring::eventFilter(QObject *watched, QEvent *event)
{
    if (isEnabled() && event->type() == QEvent::PaletteChange)
        setColours();
    return EditorDecorator::eventFilter(watched, event);
}

void HtmlColouring::setLexer()
{
    // A page with a long line (minified markup) stays plain: the lexer
    // styles a line whole, from its start, on every keystroke, and its long
    // runs of text miss the layout cache (see WordRuns), which made typing
    // take most of a second per keystroke on a line of a megabyte.
    if (box().hasLongLines()) {
        sci(Sci::SCI_SETIDLESTYLING, Sci::SC_IDLESTYLING_NONE);
        sci(Sci::SCI_SETLEXER, Sci::SCLEX_CONTAINER);
        return;
    }
    // The lexer needs its state from the top of the page: a jump far down
    // styles everything above the screen. It does a fiftieth of a second of
    // that at once and the rest in idle time, in steps that keep keys and
    // painting going, so the text shown there is plain for a moment (half a
    // second after a jump to the end of 50 MB) before it takes its colours.
    sci(Sci::SCI_SETIDLESTYLING, Sci::SC_IDLESTYLING_TOVISIBLE);
    // Per document; setting it styles nothing yet, painting does the rest.
    sci(Sci::SCI_SETLEXER, Sci::SCLEX_HTML);
    sci(Sci::SCI_SETKEYWORDS, 1, reinterpret_cast<long>(kJavaScriptWords));
    sci(Sci::SCI_SETKEYWORDS, 2, reinterpret_cast<long>(kVbScriptWords));
    sci(Sci::SCI_SETKEYWORDS, 5, reinterpret_cast<long>(kDeclarationWords));
    // The lexer keeps a state for every line it styles, in an array that
    // grows as it goes, to twice what it needs on a big page (2.9 MB at the
    // end of 50 MB): made at its full size at once instead, with the state
    // the lines have before they are styled.
    const long lastLine = sci(Sci::SCI_GETLINECOUNT) - 1;
    if (lastLine > 0 && sci(Sci::SCI_GETLINESTATE, lastLine) == 0)
        sci(Sci::SCI_SETLINESTATE, lastLine, 0);
}

void HtmlColouring::setColours()
{
    // Every style takes the font and background of the plain text.
    const QColor paperColour = box().paper();
    const long paper = colourValue(paperColour);
    const long size = sci(Sci::SCI_STYLEGETSIZEFRACTIONAL, Sci::STYLE_DEFAULT);
    char font[256] = {};
    if (sci(Sci::SCI_STYLEGETFONT, Sci::STYLE_DEFAULT, 0) < long(sizeof font))
        sci(Sci::SCI_STYLEGETFONT, Sci::STYLE_DEFAULT, reinterpret_cast<long>(font));
    const long ink = colourValue(box().color());
    const bool dark = paperColour.lightness() < 128;
    // All the lexer's styles look like plain text, except those coloured below.
    for (int style = 0; style < kLexerStyles; ++style) {
        if (style >= Sci::STYLE_DEFAULT && style <= Sci::STYLE_LASTPREDEFINED)
            continue;
        sci(Sci::SCI_STYLESETFORE, style, ink);
        sci(Sci::SCI_STYLESETBACK, style, paper);
        if (font[0])
            sci(Sci::SCI_STYLESETFONT, style, reinterpret_cast<long>(font));
        sci(Sci::SCI_STYLESETSIZEFRACTIONAL, style, size);
        sci(Sci::SCI_STYLESETBOLD, style, 0);
        sci(Sci::SCI_STYLESETITALIC, style, 0);
    }
    for (const StyleColour &c : kColours) {
        sci(Sci::SCI_STYLESETFORE, c.style, colourValue(QColor::fromRgb(dark ? c.dark : c.light)));
        sci(Sci::SCI_STYLESETBOLD, c.style, c.bold);
        sci(Sci::SCI_STYLESETITALIC, c.style, c.italic);
    }
}
