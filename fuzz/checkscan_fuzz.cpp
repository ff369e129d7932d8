// SPDX-License-Identifier: GPL-3.0-or-later
// The tag scan and the link check of the HTML check: tags come in page
// order inside the text, values lie inside their tag, and every place of a
// problem is one the status bar can show.
#include "FuzzCheck.h"
#include "check/LinkCheck.h"
#include "check/TagScan.h"
#include "check/TextPoint.h"
#include "core/PageText.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = decodePage(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size))).text;
    qsizetype last = -1;
    scanTags(text, [&](const ScannedTag &tag) {
        FUZZ_CHECK(tag.start > last && tag.start < tag.end && tag.end <= text.size());
        FUZZ_CHECK(text[tag.start] == u'<' && !tag.name.isEmpty());
        for (const ScannedAttribute &a : tag.attributes) {
            FUZZ_CHECK(!a.name.isEmpty());
            if (a.valueAt >= 0)
                FUZZ_CHECK(a.valueAt > tag.start && a.valueAt + a.value.size() <= tag.end);
        }
        hasPlaceholder(QStringView(text).mid(tag.start, tag.end - tag.start));
        last = tag.start;
    });
    const TextPoint end = textPoint(text, text.size());
    for (const Problem &p : checkLinks(text, QStringLiteral("/nonexistent-tagsmith-fuzz"))) {
        FUZZ_CHECK(p.line >= 1 && p.line <= end.line && p.column >= 1);
        FUZZ_CHECK(p.message.startsWith(QLatin1String("missing file: ")));
    }
    return 0;
}
