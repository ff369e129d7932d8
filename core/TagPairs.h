// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>

#include <optional>
#include <string_view>

// Tag matching on the text of a page (bytes; positions are byte offsets).
struct TagSpan {
    qsizetype start = -1; // the "<"
    qsizetype end = -1;   // just after the ">"
    bool operator==(const TagSpan &o) const { return start == o.start && end == o.end; }
};

struct TagPair {
    TagSpan tag;     // the tag at the position
    TagSpan partner; // its opening or closing partner
};

// The tag the position is in or next to (a tag starting at the position
// wins over one ending there) and its partner: the closing tag of the same
// element for an opening tag, the opening one for a closing tag. Names
// compare without regard to case; nested elements of the same name are
// counted, comments and the contents of script and style elements are
// skipped. Nothing is returned for comments, declarations, void elements
// (br, img, ...), self-closing tags and tags without a partner.
std::optional<TagPair> findTagPair(QByteArrayView text, qsizetype pos);

// One tag as the scanners read it, from the "<" that starts it.
struct ScannedTag {
    enum Kind { Open, Close, Other }; // Other: a comment, <!DOCTYPE ...>, <? ... >
    TagSpan span;
    Kind kind = Other;
    std::string_view name; // as written; empty for a comment
    bool selfClosing = false;
};

// The complete tag whose "<" is at `lt` (a comment runs to its "-->"), or
// nothing: a lone "<" in the text, or a tag not finished yet.
std::optional<ScannedTag> scanTag(QByteArrayView text, qsizetype lt);
