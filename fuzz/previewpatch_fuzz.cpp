// SPDX-License-Identifier: GPL-3.0-or-later
// The live preview's in-place change for an edit of any bytes: the input is
// a page, a 0xFF, then the edit (where, as a fraction of the page, how many
// bytes go, what comes in). A patch found is the new page's own content of
// an element, annotated, that ends where that element's end tag starts, or
// the whole new copy; the renumbering stays within both copies.
#include "FuzzCheck.h"
#include "core/TagPairs.h"
#include "preview/PreviewPatch.h"

#include <QRegularExpression>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    const qsizetype cut = input.indexOf('\xFF');
    if (cut < 0 || input.size() < cut + 3)
        return 0;
    const QByteArray before = input.left(cut);
    const qsizetype at = before.size() * uchar(input[cut + 1]) / 256;
    QByteArray after = before;
    after.replace(at, qMin<qsizetype>(uchar(input[cut + 2]) % 8, before.size() - at), input.mid(cut + 3));

    const PreviewCopy shown = annotatePage(before), next = annotatePage(after);
    const auto patch = previewPatch(before, shown, after, next);
    if (!patch)
        return 0;
    FUZZ_CHECK(patch->after >= 0 && size_t(patch->after) <= shown.starts.size());
    FUZZ_CHECK(patch->after + patch->shift >= 0 && size_t(patch->after + patch->shift) <= next.starts.size());
    if (patch->element < 0) { // the whole page, for the pane to compare
        FUZZ_CHECK(patch->element == -1 && patch->inner == next.html);
        return 0;
    }
    FUZZ_CHECK(size_t(patch->element) < next.starts.size());
    // Latin-1 keeps every byte as one character, so the bytes come back as they were.
    static const QRegularExpression attribute(QStringLiteral(" data-ts=\"[0-9]+\""));
    const QByteArray plain = QString::fromLatin1(patch->inner).remove(attribute).toLatin1();
    const auto tag = scanTag(after, next.starts[size_t(patch->element)]);
    FUZZ_CHECK(tag && after.mid(tag->span.end, plain.size()) == plain);
    FUZZ_CHECK(after.mid(tag->span.end + plain.size(), 2) == "</");
    return 0;
}
