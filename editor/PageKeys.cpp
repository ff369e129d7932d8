// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/PageKeys.h"

#include <QComboBox>
#include <QShortcut>

PageKeys::PageKeys(QWidget *window, QComboBox *pages, QWidget *editingArea)
    : QObject(window), m_pages(pages), m_editingArea(editingArea)
{
    auto add = [&](QList<QKeySequence> keys, void (PageKeys::*command)()) {
        auto *shortcut = new QShortcut(window);
        shortcut->setKeys(keys);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, command);
    };
    add({QKeySequence(Qt::CTRL | Qt::Key_PageDown), QKeySequence(Qt::CTRL | Qt::Key_Tab)}, &PageKeys::nextPage);
    add({QKeySequence(Qt::CTRL | Qt::Key_PageUp), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab)},
        &PageKeys::previousPage);
    add({QKeySequence(Qt::Key_F6)}, &PageKeys::switchFocus);
}

void PageKeys::step(int by)
{
    const int count = m_pages->count();
    if (count < 2 || !m_pages->isEnabled())
        return;
    const int index = ((m_pages->currentIndex() + by) % count + count) % count;
    // The same signals as the user's pick in the list, so the same page
    // switch runs.
    m_pages->setCurrentIndex(index);
    emit m_pages->activated(index);
    emit m_pages->textActivated(m_pages->itemText(index));
}

void PageKeys::switchFocus()
{
    if (m_pages->hasFocus())
        m_editingArea->setFocus(Qt::ShortcutFocusReason);
    else if (m_pages->isEnabled() && m_pages->isVisible())
        m_pages->setFocus(Qt::ShortcutFocusReason);
}
