// SPDX-License-Identifier: GPL-3.0-or-later
// Where a position stands in the markup, and the end tag a ">" there gets, at
// every position of any bytes: never reads outside the input (kept in a
// buffer of its exact size), and the answers point inside it.
#include "FuzzCheck.h"
#include "core/MarkupSpot.h"

#include <cstdint>
#include <cstring>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::unique_ptr<char[]> exact(new char[size ? size : 1]);
    memcpy(exact.get(), data, size);
    const QByteArrayView bytes(exact.get(), qsizetype(size));
    const qsizetype step = qMax<qsizetype>(1, bytes.size() / 512);
    for (qsizetype pos = -1; pos <= bytes.size() + 1; pos += step) {
        // A short reach too, so that its bound is crossed on small inputs.
        for (qsizetype reach : {kMarkupSpotReach, qsizetype(40)}) {
            const MarkupSpot spot = markupSpotAt(bytes, pos, reach);
            if (spot.kind == MarkupSpot::Text)
                continue;
            FUZZ_CHECK(0 <= spot.tagStart && spot.tagStart < pos && bytes[spot.tagStart] == '<');
            FUZZ_CHECK(spot.wordStart <= pos);
        }
        const QByteArray tag = endTagFor(bytes, pos);
        FUZZ_CHECK(tag.isEmpty() || (tag.startsWith("</") && tag.endsWith('>') && tag.size() > 3));
    }
    return 0;
}
