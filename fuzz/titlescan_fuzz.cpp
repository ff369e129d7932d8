// SPDX-License-Identifier: GPL-3.0-or-later
// The title scan, over text and over a page's bytes: never reads outside the
// input, keeps within 49 characters, and both overloads agree.
#include "FuzzCheck.h"
#include "core/TitleScan.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const PageText page = decodePage(bytes);
    for (const bool drop : {false, true}) {
        const QString fromText = scanTitle(page.text, drop);
        const QString fromBytes = scanTitle(bytes, page.encoding, drop);
        FUZZ_CHECK(fromText == fromBytes);
        FUZZ_CHECK(fromText.size() <= 49);
        FUZZ_CHECK(!fromText.startsWith(u' ') && !fromText.endsWith(u' '));
        FUZZ_CHECK(!fromText.contains(u'<'));
        if (drop) {
            for (const QChar c : fromText)
                FUZZ_CHECK(c.unicode() >= 31 && c.unicode() <= 126);
        }
        // The other encoding must be just as safe on the same bytes.
        const TextEncoding other = page.encoding == TextEncoding::Utf8 ? TextEncoding::Windows1252 : TextEncoding::Utf8;
        FUZZ_CHECK(scanTitle(bytes, other, drop).size() <= 49);
    }
    const QString caption = captionForTitle(scanTitle(page.text, true));
    FUZZ_CHECK(caption.endsWith(QLatin1String(" - Tagsmith")));
    return 0;
}
