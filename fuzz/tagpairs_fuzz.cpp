// SPDX-License-Identifier: GPL-3.0-or-later
// The tag partner search at every position of any bytes: never reads outside
// the input, and what it returns are two whole tags, the first one at the
// position.
#include "FuzzCheck.h"
#include "core/TagPairs.h"

#include <QByteArray>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    // Each search may cross the whole input: a sample of positions on long ones.
    const qsizetype step = qMax<qsizetype>(1, bytes.size() / 512);
    for (qsizetype pos = -1; pos <= bytes.size() + 1; pos += step) {
        const auto pair = findTagPair(bytes, pos);
        if (!pair)
            continue;
        FUZZ_CHECK(pair->tag.start <= pos && pos <= pair->tag.end);
        for (const TagSpan &t : {pair->tag, pair->partner}) {
            FUZZ_CHECK(0 <= t.start && t.start < t.end && t.end <= bytes.size());
            FUZZ_CHECK(bytes[t.start] == '<' && bytes[t.end - 1] == '>');
        }
        FUZZ_CHECK(pair->tag.end <= pair->partner.start || pair->partner.end <= pair->tag.start);
    }
    return 0;
}
