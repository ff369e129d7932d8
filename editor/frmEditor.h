// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/PageOps.h"
#include "core/PageText.h"
#include "texttools/FindState.h"

#include <QList>
#include <QMainWindow>

struct AppState;
struct Platform;
class SettingsStore;
class ScintillaTextBox;
class CaretPosition;
class HtmlColouring;
class ImageButton;
class LineNumbers;
class TagMatch;
class TagCloser;
class TagCompletion;
class TypeOver;
class RecoveryJournal;
class LivePreview;
class PreviewDock;
class QAction;
class QComboBox;
class QLabel;
class QMenu;

// The main window: one page of the current project as raw text, the page
// list on the toolbar, the current project on the status line.
class frmEditor : public QMainWindow, public PageView {
    Q_OBJECT
public:
    frmEditor(AppState &state, Platform &platform, QWidget *parent = nullptr);
    ~frmEditor() override;

    // The window's start-up steps (restore placement, show, Init, Project
    // Manager, page list). Separate from the constructor so tests can run it.
    void load();
    // Pages and folders named on the command line, opened at start in place
    // of the Project Manager (recovered text still comes first).
    QStringList startPaths;

    // Public operations used by the dialogs.
    void updatelist();
    void DelItem(const QString &filename);
    void CheckDate() {}
    void Init();
    void RefreshSys();
    // Saves the page and the placement and ends the program for the close
    // reasons that do so; returns whether it did. When the page cannot be
    // saved the user may stay (the default) or end with the text kept for
    // recovery at the next start; the session ending does not ask.
    bool ExitEditor(CloseReason reason);

    // Writes the page on screen back to its file before it is left (another
    // page, another project, a new page, the end of the program). Returns
    // false when that failed: the page then stays on screen, and the list
    // shows it, so nothing typed is lost.
    bool leavePage();
    // The desktop session is ending: the page and the placement are saved
    // without a question, the unsaved text kept for recovery if that fails.
    // Whether the text on screen is on disk now: in its page or the journal.
    bool saveForSessionEnd();

    // Fills Tools menu items 3..11 from the tool table.
    void refreshToolsMenu();
    // Switches the editing aids (colouring, tag matching, line numbers) as
    // the settings say.
    void applyEditingOptions();
    // Whether the editing aid of the settings key is on (the default).
    static bool editingAidOn(SettingsStore &settings, const QString &key);

    // PageView
    TextBox &txtEdit() override;
    void setCaption(const QString &caption) override { setWindowTitle(caption); }
    QString caption() const override { return windowTitle(); }
    int pageCount() const override;
    QWidget *window() override { return this; }

    AppState &state() { return m_state; }
    Platform &platform() { return m_platform; }
    FindState &findState() { return m_find; }
    ScintillaTextBox *editorWidget() { return m_txtEdit; }
    QComboBox *pageList() { return Combo1; }
    QString currentPageName() const; // the page list's text
    // Shows the listed page of that name (in another case when not listed
    // as written) through the normal page switch; nothing happens when it is
    // on screen already. False when it is not listed or could not be switched to.
    bool openPage(const QString &name);
    // Forget the page on screen, so that the next page switch does not write
    // it back (after a page was deleted, or a new page was not written).
    void setPageLoaded(int loaded) { PageLoaded = loaded; }
    int pageLoaded() const { return PageLoaded; }

    // Menu items by their index in each menu (the View menu has no item 4).
    QList<QAction *> mnuFileItem, mnuEditItem, mnuViewItem, mnuToolsItm, mnuHelpItem;
    QMenu *mnuFile = nullptr, *mnuEdit = nullptr, *mnuView = nullptr, *HTML = nullptr, *mnuTools = nullptr,
          *mnuHelp = nullptr;
    ImageButton *BtnNew = nullptr, *BtnSave = nullptr, *BtnCut = nullptr, *BtnCopy = nullptr, *BtnPaste = nullptr,
                *BtnFind = nullptr;
    QWidget *ToolBar1 = nullptr;
    QWidget *StatusBar1 = nullptr;
    QLabel *Status = nullptr;
    QLabel *CaretText = nullptr; // the caret's line and column, right of Status
    HtmlColouring *colouring() { return m_colouring; }
    LineNumbers *lineNumbers() { return m_lineNumbers; }
    TagMatch *tagMatch() { return m_tagMatch; }
    TagCompletion *tagCompletion() { return m_tagCompletion; }
    // The live preview beside the editing area: made when first shown.
    void setPreviewShown(bool shown);
    bool previewShown() const;
    LivePreview *livePreview();
    QAction *previewItem() { return m_previewItem; }

    // A passing note on the status line, after the project text (empty
    // clears it); the next edit clears it too.
    void showNote(const QString &text);
    QLabel *StatusNote = nullptr;

    // Enables or disables Find Next (menu item and its F3 key).
    void setFindNextEnabled(bool enabled);
    // Enables or disables Edit "&Find..." and the toolbar Find button together.
    void setFindEnabled(bool enabled);

    // Window placement in twips, as stored.
    QRect placementTwips() const;

protected:
    void closeEvent(QCloseEvent *e) override;
    void changeEvent(QEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;

private:
    friend class ClientArea;
    void createMenus();
    void createFileMenu();
    void createEditMenu();
    void createViewMenu();
    void createHtmlMenu();
    void createToolsMenu();
    void createHelpMenu();
    void createToolBar();
    void createStatusBar();
    void createEditingArea();
    void createEditingAids();
    void createPreviewItem();
    void previewLink(const QUrl &url);

    void layoutClient();
    void restorePlacement();
    bool selectListIndex(int index);
    bool pageSwitch();
    void keepPageOnScreen();
    QString pageOnScreen() const;
    bool saveBeforeEnding();
    void savePlacement();
    void takeDiskVersion();
    bool offerRecovery();
    void restorePage(const QString &pagePath, const QByteArray &utf8, TextEncoding encoding);
    void onTextChanged();
    void onEditorFocusIn();
    void onEditorFocusOut();
    void onEditorMouseUp();
    void onSelectionChanged(bool selected);
    void setCutCopyShown(bool enabled);
    void setSavePasteShown(bool enabled);

    // Commands of the File, Edit, View and Tools menus owned by this window.
    void fileMenuOpening();
    void editMenuOpening();
    void toolsMenuOpening();
    void fileItem(int index);
    void editItem(int index);
    void viewItem(int index);
    void toolsItem(int index);
    void helpItem(int index);
    void cut();
    void copy();
    void paste();
    void toggleToolBar();
    void toggleStatusBar();

    AppState &m_state;
    Platform &m_platform;
    FindState m_find;

    QWidget *m_client = nullptr;
    ScintillaTextBox *m_txtEdit = nullptr;
    RecoveryJournal *m_journal = nullptr;
    HtmlColouring *m_colouring = nullptr;
    LineNumbers *m_lineNumbers = nullptr;
    CaretPosition *m_caretPosition = nullptr;
    TagMatch *m_tagMatch = nullptr;
    TypeOver *m_typeOver = nullptr;
    TagCloser *m_tagCloser = nullptr;
    TagCompletion *m_tagCompletion = nullptr;
    QAction *m_lineNumbersItem = nullptr;
    QAction *m_previewItem = nullptr;
    PreviewDock *m_previewDock = nullptr;
    QLabel *Label1 = nullptr;
    QComboBox *Combo1 = nullptr;

    int PageLoaded = 0;
    int LastListIndex = -1;
    int LastCaretPos = 0;
    bool m_inChange = false;
};
