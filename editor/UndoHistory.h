// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QAction;
class ScintillaTextBox;

// Keeps the Undo and Redo menu items enabled exactly while the editing
// area has a step to take back or forward: after every change, every new
// page, and whenever refresh() is called (the Edit menu opening).
class UndoHistory : public QObject {
    Q_OBJECT
public:
    UndoHistory(ScintillaTextBox &box, QAction *undoItem, QAction *redoItem, QObject *parent = nullptr);
    void refresh();

private:
    ScintillaTextBox &m_box;
    QAction *m_undo;
    QAction *m_redo;
};
