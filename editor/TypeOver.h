// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>

class ScintillaTextBox;

// Text the program put in ahead of the caret while the user types (the
// automatic ">", an end tag): when the user types exactly its next character
// with the caret right before it, the caret steps over that character instead
// of typing a second one, so typing every character by hand gives what was
// typed. A run is forgotten once the caret leaves it (moves before the place
// it was made at or past its end), an edit goes into it, or on undo.
class TypeOver : public QObject {
    Q_OBJECT
public:
    explicit TypeOver(ScintillaTextBox &box);

    // `text` was just put in at byte position `at`, where the caret is.
    void add(long at, const QByteArray &text);
    void clear() { m_runs.clear(); }
    bool isEmpty() const { return m_runs.isEmpty(); }

signals:
    // The caret stepped over the program's `ch` as the user typed it.
    void steppedOver(char ch);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Run {
        long anchor; // the caret when the run was made: leaving it backwards ends the run
        long start;  // where the text not yet stepped over starts
        QByteArray rest;
        long end() const { return start + long(rest.size()); }
    };
    bool stepOver(char ch);
    void noteEdit(bool insert, long pos, long length);
    void noteCaret();

    ScintillaTextBox &m_box;
    QList<Run> m_runs;
};
