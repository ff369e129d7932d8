// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QComboBox;
class QWidget;

// Page keys for the keyboard: Ctrl+PgDn / Ctrl+Tab open the next page of the
// list and Ctrl+PgUp / Ctrl+Shift+Tab the previous one (going round at the
// ends), each switching pages exactly as picking the page in the list does;
// F6 moves the focus from the editing area to the page list and back.
class PageKeys : public QObject {
    Q_OBJECT
public:
    PageKeys(QWidget *window, QComboBox *pages, QWidget *editingArea);

    void nextPage() { step(1); }
    void previousPage() { step(-1); }
    void switchFocus();

private:
    void step(int by);

    QComboBox *m_pages;
    QWidget *m_editingArea;
};
