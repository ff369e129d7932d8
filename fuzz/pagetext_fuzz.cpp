// SPDX-License-Identifier: GPL-3.0-or-later
// Page decoding: whatever the bytes, decoding and encoding again in the
// detected encoding gives back the very same bytes; checking UTF-8 a piece
// at a time agrees with checking it whole.
#include "FuzzCheck.h"
#include "core/PageText.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const PageText page = decodePage(bytes);
    FUZZ_CHECK(page.encoding == detectEncoding(bytes));
    FUZZ_CHECK((page.encoding == TextEncoding::Utf8) == isValidUtf8(bytes.constData(), bytes.size()));
    // The same verdict when the bytes come a few at a time.
    Utf8Check pieces;
    const size_t step = size ? 1 + data[0] % 5 : 1;
    for (size_t at = 0; at < size; at += step)
        pieces.feed(QByteArrayView(bytes.constData() + at, qsizetype(qMin(step, size - at))));
    FUZZ_CHECK(pieces.finish() == (page.encoding == TextEncoding::Utf8));
    const QByteArray again = encodePage(page.text, page.encoding);
    FUZZ_CHECK(again == bytes);
    if (page.encoding == TextEncoding::Windows1252)
        FUZZ_CHECK(page.text.size() == bytes.size()); // one character per byte
    return 0;
}
