// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/UiText.h"

#include <QDialog>

class frmEditor;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The comment line every new page starts with (no line break after it).
QString newPageCommentLine();

inline constexpr UiText kPageNameSeparatorText{
    "webNew",
    QT_TRANSLATE_NOOP("webNew", "A page name cannot contain \"/\" or \"\\\". Please type the name without them.")};

// The New Web Page dialog: adds a page, made of the comment line and the page
// skeleton "default.htm", to the current project and shows the rebuilt list.
class webNew : public QDialog {
    Q_OBJECT
public:
    explicit webNew(frmEditor &editor);

    // Centres the dialog on the screen.
    void load();

    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr;
    QLineEdit *Text1 = nullptr;
    QRadioButton *Option1 = nullptr; // "HTM"
    QRadioButton *Option2 = nullptr; // "HTML"
    QPushButton *Command1 = nullptr; // "&Add"
    QPushButton *Command2 = nullptr; // "&Cancel"

private:
    void addClicked();

    frmEditor &m_editor;
};
