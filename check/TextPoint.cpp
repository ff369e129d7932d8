// SPDX-License-Identifier: GPL-3.0-or-later
#include "check/TextPoint.h"

TextPoint TextPointCounter::at(qsizetype index)
{
    index = qMin(index, m_text.size());
    for (; m_index < index; ++m_index) {
        const QChar c = m_text[m_index];
        if (c == u'\n' || (c == u'\r' && (m_index + 1 >= m_text.size() || m_text[m_index + 1] != u'\n'))) {
            ++m_point.line;
            m_point.column = 1;
        } else if (c != u'\r' && !c.isLowSurrogate()) {
            ++m_point.column; // the CR of a CR LF waits for its LF; a pair counts once
        }
    }
    return m_point;
}

TextPoint textPoint(QStringView text, qsizetype index) { return TextPointCounter(text).at(index); }
