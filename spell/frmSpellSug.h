// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

struct AppState;
struct Platform;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The Spell Check dialog: checks one typed word and, when the dictionary
// does not hold it, lists the dictionary's words around where it would stand.
class frmSpellSug : public QDialog {
    Q_OBJECT
public:
    frmSpellSug(AppState &state, Platform &platform, QWidget *parent = nullptr);
    void load();

    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr;
    QLineEdit *Text1 = nullptr, *Text2 = nullptr;
    QListWidget *List1 = nullptr;
    QPushButton *Command1 = nullptr, *Command2 = nullptr, *Command3 = nullptr;

    // The buttons' actions.
    void suggest();
    void about();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void lineSelected();

    AppState &m_state;
    Platform &m_platform;
};
