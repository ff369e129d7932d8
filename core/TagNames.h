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

// Elements whose content is text, not markup.
inline bool isRawText(View name) { return sameName(name, "script") || sameName(name, "style"); }
} // namespace TagNames
