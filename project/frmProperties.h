// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class frmEditor;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

// The page Properties dialog: name, type, folder, size on disk, title and
// last-modified time of the page being edited. It only displays.
class frmProperties : public QDialog {
    Q_OBJECT
public:
    explicit frmProperties(frmEditor &editor);

    // Centres the dialog and computes every value once.
    void load();

    QTabWidget *SSTab1 = nullptr;
    QLabel *Image1 = nullptr;
    QLabel *Label1 = nullptr;                    // file name
    QFrame *Frame1[2] = {nullptr, nullptr};      // separator lines
    QLabel *Label2 = nullptr, *Label3 = nullptr; // "Type:"
    QLabel *Label4 = nullptr, *Label5 = nullptr; // "Location:"
    QLabel *Label6 = nullptr, *Label7 = nullptr; // "Size:"
    QLabel *Label8 = nullptr;                    // "Title:"
    QLineEdit *Text1 = nullptr;
    QLabel *Label9 = nullptr, *Label10 = nullptr; // "Modified:"
    QPushButton *Command1 = nullptr;              // "&OK"
    QPushButton *Command2 = nullptr;              // "&Cancel"
    QPushButton *Command3 = nullptr;              // "&Apply", always disabled

private:
    frmEditor &m_editor;
};
