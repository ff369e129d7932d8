// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/UndoHistory.h"

#include "editor/ScintillaTextBox.h"

#include <QAction>

UndoHistory::UndoHistory(ScintillaTextBox &box, QAction *undoItem, QAction *redoItem, QObject *parent)
    : QObject(parent), m_box(box), m_undo(undoItem), m_redo(redoItem)
{
    connect(&box, &ScintillaTextBox::changed, this, &UndoHistory::refresh);
    connect(&box, &ScintillaTextBox::textLoaded, this, &UndoHistory::refresh);
    refresh();
}

void UndoHistory::refresh()
{
    m_undo->setEnabled(m_box.isUndoAvailable());
    m_redo->setEnabled(m_box.isRedoAvailable());
}
