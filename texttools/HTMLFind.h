// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

struct FindState;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The Find dialog: records the search text and the case choice in the Find
// state; the search itself is run by the main window once it has closed.
class HTMLFind : public QDialog {
    Q_OBJECT
public:
    explicit HTMLFind(FindState &state, QWidget *parent = nullptr);

    // Centres the dialog and shows the stored search text (selected) and case choice.
    void load();

    QLabel *Label1 = nullptr;
    QLineEdit *Text1 = nullptr;
    QCheckBox *Check1 = nullptr;
    QPushButton *Command1 = nullptr; // "&Find"
    QPushButton *Command2 = nullptr; // "&Cancel"

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Text1_Change();
    void Command1_Click();

    FindState &m_state;
};
