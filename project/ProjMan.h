// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/UiText.h"

#include <QDialog>

struct AppState;
struct Platform;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QRadioButton;

inline constexpr UiText kCreateProjectErrorText{
    "ProjMan", QT_TRANSLATE_NOOP("ProjMan", "An Error Occured When Trying to Create New Project.  Try Again.")};
inline constexpr UiText kExitQuestionText{"ProjMan", QT_TRANSLATE_NOOP("ProjMan", "Are you sure you want to exit?")};

// Creates the folder of a new project below the projects root, named exactly
// as given. Refuses (false, nothing created) a name that would leave the
// root ("", ".", "..", a separator), a name already taken by a folder or file
// of the root (without regard to case, as the page lookup treats names), and
// anything the disk refuses.
bool createProjectFolder(const QString &root, const QString &name);

// The Project Manager: pick the current project from the project folders, or
// create a new one. Its only output is AppState::CurrentProject. At start-up
// (StartingUp 1) the second button is "E&xit" and ends the program. Folders
// opened as projects (FolderProjects) follow the projects below the root,
// shown by their path with a folder's icon; "&Remove" takes the selected one
// off the list, leaving the folder as it is.
class ProjMan : public QDialog {
    Q_OBJECT
public:
    ProjMan(AppState &state, Platform &platform, QWidget *parent = nullptr);

    // Centres the dialog, captions the second button and fills the list.
    void load();

    QPushButton *Command1 = nullptr; // "&OK"
    QPushButton *Command2 = nullptr; // "&Cancel" / "E&xit"
    QPushButton *Command3 = nullptr; // "&Remove": a folder project off the list
    QGroupBox *Frame1 = nullptr;
    QRadioButton *Option1 = nullptr; // open mode
    QListWidget *List1 = nullptr;
    QRadioButton *Option2 = nullptr; // create mode
    QLabel *Label1 = nullptr;
    QLineEdit *Text1 = nullptr;

public slots:
    // Esc and the frame's close box act as the second button.
    void reject() override;

private:
    void fillList();
    void okClicked();
    void secondButtonClicked();
    void openModeClicked();
    void createModeClicked();
    void nameChanged(const QString &text);
    void listDoubleClicked(QListWidgetItem *item);
    void removeClicked();
    void updateRemove();

    AppState &m_state;
    Platform &m_platform;
};
