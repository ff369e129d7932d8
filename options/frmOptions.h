// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/UiText.h"

#include <QDialog>

class frmEditor;
struct AppState;
struct Platform;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;

inline constexpr UiText kNoBrowserLabel{"frmOptions", QT_TRANSLATE_NOOP("frmOptions", "(No Browser Selected)")};
inline constexpr UiText kDeleteToolText{"frmOptions", QT_TRANSLATE_NOOP("frmOptions", "Delete Custom Tool?")};

// Options: start-up choice, automatic closing bracket, preview browser, the
// editing aids and the custom tools. The browser choice is stored the moment
// it is made; the rest only by SaveOpt ("&Ok" and "&Apply").
class frmOptions : public QDialog {
    Q_OBJECT
public:
    explicit frmOptions(frmEditor &editor);
    // The opening steps, in order: centre, start-up choice, AutoHTML, project
    // list, "DefaultProj", browser choice, browser label, tool table.
    void load();
    // Stores the dialog's state and refreshes the main window's Tools menu.
    void SaveOpt();

    QTabWidget *SSTab1 = nullptr;
    // Environment
    QCheckBox *Check1 = nullptr;
    QGroupBox *OptionFrm[2] = {nullptr, nullptr};
    QRadioButton *Option3 = nullptr, *Option4 = nullptr;
    QLabel *Label1 = nullptr;
    QPushButton *Command1 = nullptr; // "..."
    QCheckBox *ColourHtml = nullptr; // "Colour HTML tags"
    QCheckBox *MatchTags = nullptr;  // "Highlight matching tags"
    QCheckBox *CloseTags = nullptr;  // "Close tags automatically"
    QCheckBox *CompleteTags = nullptr; // "Complete tag and attribute names"
    QCheckBox *PreviewRemote = nullptr; // "Load remote files in the live preview"
    // Start-Up
    QRadioButton *ProjManOpt[2] = {nullptr, nullptr};
    QComboBox *Combo1 = nullptr;
    // Tools
    QGroupBox *Frame1 = nullptr;
    QLabel *Label3 = nullptr, *Label2 = nullptr;
    QListWidget *List1 = nullptr;
    QPushButton *ToolBtn = nullptr;  // "&Add..."
    QPushButton *Command2 = nullptr; // "&Remove"
    QPushButton *Command3 = nullptr; // "&Properties"
    // "&Ok", "&Cancel", "&Apply"
    QPushButton *OptionBtn[3] = {nullptr, nullptr, nullptr};

    // Handlers, public so that tests can reach the ones behind nested dialogs.
    void browseBrowser();   // "..."
    void addTool();         // "&Add..."
    void removeTool();      // "&Remove"
    void toolProperties();  // "&Properties" and double click on List1
    // Row of the selected List1 entry, -1 when none is selected.
    int selectedRow() const;

private:
    void buildEnvironmentTab(QWidget *page);
    void buildStartUpTab(QWidget *page);
    void buildToolsTab(QWidget *page);
    void fillProjectList();
    void rebuildToolList();
    void list1Click();
    void projManClicked(int index);
    void browserOptionClicked(bool chosen);

    frmEditor &m_editor;
    AppState &m_state;
    Platform &m_platform;
    // The browse dialog's last result while this dialog is open.
    QString m_browserPath;
};
