// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringView>

// Offsets into one text counted two ways: in UTF-16 units, as the program
// counts them (a character outside the Basic Multilingual Plane, an emoji,
// is two), and in Unicode code points, as AT-SPI and its screen readers
// count characters. Offsets out of range are clamped to the text.
namespace CodePoints {

// The code points before utf16Offset (a split pair counts once, whole).
int fromUtf16(QStringView text, int utf16Offset);
// The UTF-16 offset of the character at codePointOffset.
int toUtf16(QStringView text, int codePointOffset);

} // namespace CodePoints
