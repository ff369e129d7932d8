// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringView>

// A place in a page as the status bar shows it: the 1-based line (CR LF, LF
// and CR each end one) and the column, 1 + the characters from the line
// start (a tab counts one, a character outside the BMP counts one).
struct TextPoint {
    int line = 1;
    int column = 1;
};

// Walks a text forwards, so that places asked for in increasing order cost
// only the characters between them.
class TextPointCounter {
public:
    explicit TextPointCounter(QStringView text) : m_text(text) {}
    // The place of the UTF-16 index `index` (not before the last one asked).
    TextPoint at(qsizetype index);

private:
    QStringView m_text;
    qsizetype m_index = 0;
    TextPoint m_point;
};

// The place of one UTF-16 index of a text.
TextPoint textPoint(QStringView text, qsizetype index);
