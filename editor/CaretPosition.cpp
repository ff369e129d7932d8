// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/CaretPosition.h"

#include "editor/ScintillaTextBox.h"

#include <QLabel>
#include <QTimer>

CaretPosition::CaretPosition(ScintillaTextBox &box, QLabel *label) : EditorDecorator(box), m_label(label)
{
    connect(&box, &QsciScintillaBase::SCN_UPDATEUI, this, [this](int updated) {
        if (updated & (Sci::SC_UPDATE_SELECTION | Sci::SC_UPDATE_CONTENT))
            schedule();
    });
    connect(&box, &QsciScintillaBase::SCN_MODIFIED, this,
            [this](int position, int type, const char *, int, int, int, int, int, int, int) {
                if ((type & (Sci::SC_MOD_BEFOREINSERT | Sci::SC_MOD_BEFOREDELETE)) && position < m_anchorPos)
                    m_anchorPos = -1;
            });
    connect(&box, &ScintillaTextBox::changed, this, &CaretPosition::schedule);
}

QString CaretPosition::text(long line, long column)
{
    return tr("Ln %1, Col %2").arg(line).arg(column);
}

void CaretPosition::apply(bool enabled)
{
    if (m_label)
        m_label->setVisible(enabled);
    m_anchorPos = -1;
    if (enabled)
        show();
}

void CaretPosition::documentReplaced()
{
    m_anchorPos = -1;
    schedule();
}

void CaretPosition::schedule()
{
    // Once per turn of the event loop, however many moves and edits came.
    if (m_scheduled || !isEnabled())
        return;
    m_scheduled = true;
    QTimer::singleShot(0, this, [this] {
        m_scheduled = false;
        if (isEnabled())
            show();
    });
}

long CaretPosition::columnOf(long pos, long lineStart)
{
    if (m_anchorPos >= 0 && m_anchorLineStart == lineStart) {
        if (pos >= m_anchorPos)
            return m_anchorColumn + sci(Sci::SCI_COUNTCHARACTERS, m_anchorPos, pos);
        if (m_anchorPos - pos < pos - lineStart)
            return m_anchorColumn - sci(Sci::SCI_COUNTCHARACTERS, pos, m_anchorPos);
    }
    return 1 + sci(Sci::SCI_COUNTCHARACTERS, lineStart, pos);
}

void CaretPosition::show()
{
    const long pos = sci(Sci::SCI_GETCURRENTPOS);
    const long line = sci(Sci::SCI_LINEFROMPOSITION, pos);
    const long lineStart = sci(Sci::SCI_POSITIONFROMLINE, line);
    const long column = columnOf(pos, lineStart);
    m_anchorPos = pos;
    m_anchorLineStart = lineStart;
    m_anchorColumn = column;
    if (m_label)
        m_label->setText(text(line + 1, column));
}
