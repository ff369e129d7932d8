// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "texttools/Replace.h"

#include <QDialog>

class frmEditor;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The modeless Replace dialog. It keeps its own search text and matching
// choices: the Find state of Find and Find Next is left as it is.
class frmReplace : public QDialog {
    Q_OBJECT
public:
    explicit frmReplace(frmEditor &editor);

    // Shows the dialog with a selection of one line as the search text.
    void load();

    QLineEdit *Text1 = nullptr; // "Find what:"
    QLineEdit *Text2 = nullptr; // "Replace with:"
    QCheckBox *Check1 = nullptr; // "Match &Case"
    QCheckBox *Check2 = nullptr; // "Match &whole word only"
    QPushButton *CmdFindNext = nullptr;
    QPushButton *CmdReplace = nullptr;
    QPushButton *CmdReplaceAll = nullptr;
    QPushButton *CmdClose = nullptr;

private:
    Replace::Rules rules() const;
    bool findNext();
    void replaceOne();
    void replaceAll();
    void Text1_Change();

    frmEditor &m_editor;
};
