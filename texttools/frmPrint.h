// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

struct Platform;
class TextBox;
class QGroupBox;
class QPushButton;
class QRadioButton;

// The Print dialog: the whole page or the selected text, printed as plain lines.
class frmPrint : public QDialog {
    Q_OBJECT
public:
    // `pageName` names the print job.
    frmPrint(TextBox &txtEdit, Platform &platform, const QString &pageName, QWidget *parent = nullptr);

    // Centres the dialog; "Selection" is offered only when text is selected.
    void load();

    QGroupBox *Frame1 = nullptr;
    QRadioButton *Option1 = nullptr; // "All"
    QRadioButton *Option2 = nullptr; // "Selection"
    QPushButton *Command1 = nullptr; // "&Print"
    QPushButton *Command2 = nullptr; // "&Cancel"

private:
    void Command1_Click();

    TextBox &m_txtEdit;
    Platform &m_platform;
    QString m_pageName;
};
