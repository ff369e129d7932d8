// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

// The page scan of the Spelling Profiler, without any window.
//
// The page text is read run by run: a run is the text from a ">" up to the
// next "<" (or the end), with "<", ">", CR and LF dropped, after one leading
// space. Within a run, a word is a space followed by the letters (A-Z, a-z)
// directly after it. Each word is located in the editor text: the first
// occurrence of the word, leading space included, at or after the position of
// the ">" that opened its run (1-based; 0 when it does not occur there).
namespace Profiler {

// Called for every word of the scan, in page order: the located position and
// the word trimmed and in lower case (empty when the space was followed by no
// letter; callers check only non-empty words).
using WordVisitor = std::function<void(qint32 position, const QString &word)>;

void scanPage(const QString &pageText, const QString &editorText, const WordVisitor &visit);

// Report line: the page name in 20 columns, " | ", the position in 5 columns,
// " | ", the word. A page name longer than 20 characters is shortened to 17
// characters and "..."; a position of more than five digits takes the room it
// needs, so the position always starts in column 24.
QString reportLine(const QString &page, qint32 position, const QString &word);
// The position of a report line: the number from column 24 up to the next
// " | "; 0 when there is none.
qint32 reportPosition(const QString &line);
// The excerpt shown for a position: 20 characters of the text starting at
// the 1-based position (fewer at the end); nothing for position 0 or a
// position outside the text.
QString excerpt(const QString &text, qint32 position);

} // namespace Profiler
