// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file parser: any bytes parse, keys stay unique, and the
// written form reads back as the same document.
#include "FuzzCheck.h"
#include "platform/IniFormat.h"

#include <cstdint>

namespace {

bool sameDocument(const IniDocument &a, const IniDocument &b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (a[i].name != b[i].name || a[i].entries != b[i].entries)
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const IniDocument doc = parseIni(bytes);
    for (qsizetype i = 0; i < doc.size(); ++i) {
        for (qsizetype j = i + 1; j < doc.size(); ++j)
            FUZZ_CHECK(doc[i].name.compare(doc[j].name, Qt::CaseInsensitive) != 0);
        const auto &entries = doc[i].entries;
        for (qsizetype k = 0; k < entries.size(); ++k) {
            FUZZ_CHECK(!entries[k].first.isEmpty());
            FUZZ_CHECK(iniFind(doc, doc[i].name, entries[k].first) == &entries[k].second);
            for (qsizetype m = k + 1; m < entries.size(); ++m)
                FUZZ_CHECK(entries[k].first.compare(entries[m].first, Qt::CaseInsensitive) != 0);
        }
    }
    const QByteArray written = serializeIni(doc);
    const IniDocument again = parseIni(written);
    FUZZ_CHECK(sameDocument(doc, again));
    FUZZ_CHECK(serializeIni(again) == written);

    // Setting a value read from the input and reading it back gives that value.
    IniDocument edited = doc;
    const QString value = QString::fromUtf8(bytes.left(40));
    iniSet(edited, QStringLiteral("Settings"), QStringLiteral("Fuzz"), value);
    const IniDocument reread = parseIni(serializeIni(edited));
    const QString *found = iniFind(reread, QStringLiteral("Settings"), QStringLiteral("Fuzz"));
    FUZZ_CHECK(found && *found == value);
    return 0;
}
