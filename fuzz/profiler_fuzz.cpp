// SPDX-License-Identifier: GPL-3.0-or-later
// The profiler's page scan and its report lines. The input is the page text;
// after a 0 byte, the editor text (the page itself when there is none).
#include "FuzzCheck.h"
#include "spell/Profiler.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const qsizetype split = bytes.indexOf('\0');
    const QString page = QString::fromLatin1(split < 0 ? bytes : bytes.left(split));
    const QString editor = split < 0 ? page : QString::fromLatin1(bytes.mid(split + 1));
    const QString pageName = QString::fromLatin1(bytes.left(30));

    int visits = 0;
    Profiler::scanPage(page, editor, [&](qint32 position, const QString &word) {
        ++visits;
        FUZZ_CHECK(position >= 0 && position <= editor.size());
        for (const QChar c : word)
            FUZZ_CHECK(c >= u'a' && c <= u'z');
        if (position > 0) {
            // The located occurrence is a space and then the word's letters.
            FUZZ_CHECK(editor[position - 1] == u' ');
            FUZZ_CHECK(editor.mid(position, word.size()).compare(word, Qt::CaseInsensitive) == 0);
        }
        const QString line = Profiler::reportLine(pageName, position, word);
        FUZZ_CHECK(Profiler::reportPosition(line) == position);
        FUZZ_CHECK(line.endsWith(QStringLiteral(" | ") + word));
        const QString shown = Profiler::excerpt(editor, position);
        FUZZ_CHECK(shown.size() <= 20);
        FUZZ_CHECK(position == 0 ? shown.isEmpty() : shown.startsWith(u' '));
    });
    // Every word starts at a space of a run, and runs only grow by characters of the page.
    FUZZ_CHECK(visits <= page.size() + 1);

    // Report lines read back from any text without fault.
    const qint32 read = Profiler::reportPosition(QString::fromLatin1(bytes));
    FUZZ_CHECK(read >= 0);
    FUZZ_CHECK(Profiler::excerpt(page, qint32(size % 64) - 8).size() <= 20);
    return 0;
}
