// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/CodePoints.h"

#include <algorithm>

namespace CodePoints {

int fromUtf16(QStringView text, int utf16Offset)
{
    const qsizetype end = std::clamp<qsizetype>(utf16Offset, 0, text.size());
    qsizetype pairs = 0;
    // The second half of each pair before the offset is not a character.
    for (qsizetype i = 1; i < end; ++i)
        pairs += text[i].isLowSurrogate() && text[i - 1].isHighSurrogate();
    return int(end - pairs);
}

int toUtf16(QStringView text, int codePointOffset)
{
    qsizetype i = 0;
    for (int n = 0; n < codePointOffset && i < text.size(); ++n)
        i += (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ? 2 : 1;
    return int(i);
}

} // namespace CodePoints
