// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editor/EditorDecorator.h"

#include <QPointer>

class QLabel;

// The caret's line and column ("Ln 12, Col 5", both counted from 1; the
// column counts characters from the start of the line) in a label.
class CaretPosition : public EditorDecorator {
    Q_OBJECT
public:
    CaretPosition(ScintillaTextBox &box, QLabel *label);

    // The text for a caret at the given line and column (both from 1).
    static QString text(long line, long column);

protected:
    void apply(bool enabled) override;
    void documentReplaced() override;

private:
    void schedule();
    void show();
    long columnOf(long pos, long lineStart);

    QPointer<QLabel> m_label;
    bool m_scheduled = false;
    // The last position shown and its column: a caret moving along a long
    // line counts only the characters from there, not from the line start.
    // Forgotten when text before it changes.
    long m_anchorPos = -1;
    long m_anchorLineStart = -1;
    long m_anchorColumn = 0;
};
