// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>

// Where a position stands in the markup of a page (bytes; positions are byte
// offsets), as the typing aids need to know it: only the text before the
// position counts, so the answer holds while the user types there.
struct MarkupSpot {
    enum Kind {
        Text,          // between tags
        Comment,       // inside <!-- -->
        RawText,       // the content of a script or style element
        Declaration,   // inside <!DOCTYPE ...> or <? ... >
        StartTagName,  // in the name of a start tag ("<ta|")
        EndTagName,    // in an end tag ("</ta|")
        AttributeName, // where an attribute name is or may start ("<a h|", "<a |")
        AttributeValue // in an attribute's value ("<a href="x|")
    };
    Kind kind = Text;
    qsizetype tagStart = -1;  // the "<" of the tag the position is in
    QByteArray element;       // that tag's name as written
    QByteArray attribute;     // the attribute whose value the position is in
    qsizetype wordStart = -1; // where the name or value before the position starts
    char quote = 0;           // the quote the value is in ('"', '\'' or none)

    // In a start tag, where a ">" would end it (not inside a quoted value).
    bool endsStartTagHere() const
    {
        return kind == StartTagName || kind == AttributeName || (kind == AttributeValue && quote == 0);
    }
};

// The page text before `pos` is looked at back to `reach` bytes, so typing at
// the end of a page of many megabytes stays quick; a comment or script longer
// than that is not seen from its far end.
inline constexpr qsizetype kMarkupSpotReach = 256 * 1024;
MarkupSpot markupSpotAt(QByteArrayView text, qsizetype pos, qsizetype reach = kMarkupSpotReach);

// The end tag to put after a ">" typed at `gt` that ends a start tag ("</p>"
// after "<p>", in the case written), or nothing: for void elements,
// self-closing tags, end tags, comments, declarations, script and style
// content, and when the same end tag already follows on the rest of the line.
QByteArray endTagFor(QByteArrayView text, qsizetype gt);
