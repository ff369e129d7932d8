// SPDX-License-Identifier: GPL-3.0-or-later
// The print layout: lines of at most 79 characters, at most 66 slots a page,
// and every character but the line ends printed, in order.
#include "FuzzCheck.h"
#include "platform/LinePrinter.h"
#include "texttools/PrintLayout.h"

#include <cstdint>

namespace {

class CountingPrinter : public LinePrinter {
public:
    void line(const QString &text) override
    {
        FUZZ_CHECK(!ended);
        FUZZ_CHECK(text.size() <= PrintLayout::CharsPerLine);
        ++linesOnPage;
        FUZZ_CHECK(linesOnPage <= PrintLayout::SlotsPerPage);
        printed += text;
    }
    void newPage() override
    {
        FUZZ_CHECK(!ended);
        linesOnPage = 0;
    }
    bool endDoc() override
    {
        FUZZ_CHECK(!ended);
        ended = true;
        return true;
    }
    QString printed;
    int linesOnPage = 0;
    bool ended = false;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString source = QString::fromLatin1(reinterpret_cast<const char *>(data), qsizetype(size));
    CountingPrinter printer;
    FUZZ_CHECK(PrintLayout::printText(source, printer));
    FUZZ_CHECK(printer.ended);

    // What should have reached the paper: carriage returns and bare line feeds end lines.
    QString expected;
    for (qsizetype i = 0; i < source.size(); ++i) {
        const QChar c = source[i];
        if (c == u'\r' || (c == u'\n' && (i == 0 || source[i - 1] != u'\r')))
            continue;
        expected += c;
    }
    FUZZ_CHECK(printer.printed == expected);

    const QString trimmed = PrintLayout::trimSpaces(source);
    FUZZ_CHECK(!trimmed.startsWith(u' ') && !trimmed.endsWith(u' '));
    FUZZ_CHECK(source.contains(trimmed));
    return 0;
}
