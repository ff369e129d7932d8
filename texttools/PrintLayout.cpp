// SPDX-License-Identifier: GPL-3.0-or-later
#include "texttools/PrintLayout.h"

#include "platform/LinePrinter.h"

namespace PrintLayout {

QString trimSpaces(const QString &text)
{
    qsizetype from = 0, to = text.size();
    while (from < to && text[from] == u' ')
        ++from;
    while (to > from && text[to - 1] == u' ')
        --to;
    return text.mid(from, to - from);
}

bool printText(const QString &source, LinePrinter &printer)
{
    const qsizetype length = source.size();
    qsizetype index = 0; // 1-based index of the last character taken
    QString buffer;
    for (;;) {
        for (int slot = 1; slot <= SlotsPerPage; ++slot) {
            for (int n = 0; n < CharsPerLine; ++n) {
                ++index;
                if (index > length) {
                    if (!buffer.isEmpty())
                        printer.line(buffer);
                    return printer.endDoc();
                }
                const QChar c = source[index - 1];
                if (c == u'\r') {
                    ++slot; // the blank line the following line feed gives
                    break;
                }
                // Pages written with bare line feeds: the line feed ends the
                // line (one slot) instead of running the lines together in
                // 79-character pieces.
                if (c == u'\n' && (index < 2 || source[index - 2] != u'\r'))
                    break;
                buffer.append(c);
            }
            printer.line(buffer);
            buffer.clear();
        }
        printer.newPage();
    }
}

} // namespace PrintLayout
