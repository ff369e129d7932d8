// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAction>
#include <QKeySequence>
#include <QList>
#include <QMenu>

// Appends an item ("-" for a separator) to a menu and to its indexed item
// list; a key given works wherever the focus is in the window.
inline QAction *addItem(QMenu *menu, QList<QAction *> &items, const QString &caption, const QKeySequence &key = {})
{
    QAction *a = caption == u'-' ? menu->addSeparator() : menu->addAction(caption);
    if (!key.isEmpty()) {
        a->setShortcut(key);
        a->setShortcutContext(Qt::WindowShortcut);
    }
    items.append(a);
    return a;
}
