// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/UiText.h"

#include <QDialog>

struct AppState;
struct Platform;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

inline constexpr UiText kToolFieldsText{
    "ToolDialog", QT_TRANSLATE_NOOP("ToolDialog", "Both Fields are required to add a custom tool.")};
inline constexpr UiText kToolFieldsTitle{"ToolDialog", QT_TRANSLATE_NOOP("ToolDialog", "Installation Error")};

// The layout Install Tool and Tool Properties share: a caption box, a
// read-only program box filled through "&Browse...", "&Ok" and "&Cancel".
// The dialogs change only the in-memory tool table; the Options dialog
// stores it.
class ToolDialog : public QDialog {
    Q_OBJECT
public:
    // The caption box takes at most this many characters.
    static constexpr int kCaptionMax = 40;

    QGroupBox *Frame1 = nullptr;
    QLabel *Label2 = nullptr, *Label3 = nullptr;
    QLineEdit *Text1 = nullptr, *Text2 = nullptr;
    QPushButton *Command3 = nullptr; // "&Browse..."
    QPushButton *Command1 = nullptr; // "&Ok"
    QPushButton *Command2 = nullptr; // "&Cancel"

    // Full path of the program last chosen with "&Browse..." while the dialog
    // is open; empty until one is chosen.
    QString chosenPath() const { return m_chosenPath; }

    // "&Browse...": the open-file dialog; a chosen file's name goes into the
    // program box, its full path is kept.
    void browse();

protected:
    ToolDialog(AppState &state, Platform &platform, QWidget *parent, bool withIntro);
    void centre();
    // Both boxes filled; shows the "Installation Error" message otherwise.
    bool fieldsFilled();
    // The program the slot being edited holds, if any: "&Browse..." starts
    // in its folder.
    virtual QString storedProgram() const { return QString(); }
    // "&Ok" of the concrete dialog.
    virtual void okClicked() = 0;

    AppState &m_state;
    Platform &m_platform;
    QString m_chosenPath;

private:
    void updateOk();
};
