// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <iterator>
#include <string_view>

// Names in markup, as the tag scanners read them: ASCII, compared without
// regard to case.
namespace TagNames {
using View = std::string_view;

inline char lower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

inline bool sameName(View a, View b)
{
    return a.size() == b.size()
           && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return lower(x) == lower(y); });
}

inline bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

inline bool isNameChar(char c)
{
    return isLetter(c) || (c >= '0' && c <= '9') || c == '-' || c == ':' || c == '_' || c == '.';
}

// Elements that never have an end tag, today's and those of older browsers.
inline bool isVoid(View name)
{
    static const View kVoid[] = {"area",  "base",    "basefont", "bgsound", "br",   "col",   "command",
                                 "embed", "frame",   "hr",       "image",   "img",  "input", "isindex",
                                 "keygen", "link",   "meta",     "param",   "source", "spacer", "track", "wbr"};
    return std::any_of(std::begin(kVoid), std::end(kVoid), [name](View v) { return sameName(v, name); });
}

// The ">" that ends the tag whose name starts before `from`, looked for up to
// `end`: not one inside a quoted attribute value. None (npos) when a "<"
// comes first (an unfinished tag) or nothing ends it.
inline size_t tagEnd(View text, size_t from, size_t end)
{
    char quote = 0;
    for (size_t i = from; i < end; ++i) {
        const char c = text[i];
        if (quote) {
            if (c == quote)
                quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '<') {
            return View::npos;
        } else if (c == '>') {
            return i;
        }
    }
    return View::npos;
}

// Elements whose content is text, not markup.
inline bool isRawText(View name) { return sameName(name, "script") || sameName(name, "style"); }
} // namespace TagNames
