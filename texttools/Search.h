// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

// The text search behind Find and Find Next.
//
// Positions are 1-based and count UTF-16 units, as the editing area does.
// Without match case, text and search text are compared in their upper-case
// forms: every UTF-16 unit is replaced by QChar::toUpper of that unit alone.
// This keeps the length (so a match in the upper-case form is a match of the
// same length in the text), maps a to z onto A to Z, and upper-cases letters
// of other scripts that have a one-unit upper-case form (é -> É, ß stays ß).
// Surrogate halves, and so characters outside the Basic Multilingual Plane,
// are left as they are.
namespace Search {

// The upper-case form of one unit, as used by findText with match case 0.
inline char16_t upperUnit(char16_t c)
{
    if (c < 0x80)
        return (c >= u'a' && c <= u'z') ? char16_t(c - 0x20) : c;
    return QChar::toUpper(c);
}
QString upperForm(QStringView text);

// 1-based position of the first match of `what` in `text` at or after
// position `start`, or 0 when there is none. matchCase 1 compares the units
// as they are; any other value compares the upper-case forms.
// An empty `what` matches at `start` itself (length 0) when `start` is a
// position inside a non-empty text. A start below 1 counts as 1.
// No upper-cased copy of `text` is made.
int findText(QStringView text, QStringView what, int start, int matchCase);

namespace detail {
// The scanning methods findText picks from (the best the processor has);
// named so that tests can check each against the others.
enum class Method { Best, Sse2, Plain };
int findTextUsing(Method method, QStringView text, QStringView what, int start, int matchCase);
} // namespace detail

} // namespace Search
