// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's menus and the commands it owns itself.
#include "editor/frmEditor.h"

#include "authoring/Templates.h"
#include "core/AppState.h"
#include "core/Paths.h"
#include "core/SettingsKeys.h"
#include "core/UiText.h"
#include "core/WebAddresses.h"
#include "editor/Commands.h"
#include "editor/ImageButton.h"
#include "editor/MenuItems.h"
#include "editor/ScintillaTextBox.h"
#include "editor/UndoHistory.h"
#include "platform/Desktop.h"
#include "platform/MessageBoxes.h"
#include "platform/Platform.h"
#include "platform/SettingsStore.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QMenuBar>

namespace {
constexpr UiText kDeleteErrorText{
    "frmEditor", QT_TRANSLATE_NOOP("frmEditor", "Error occurred while trying to delete file, please retry.")};
} // namespace

void frmEditor::createMenus()
{
    createFileMenu();
    createEditMenu();
    createViewMenu();
    createHtmlMenu();
    createToolsMenu();
    createHelpMenu();
}

void frmEditor::createFileMenu()
{
    mnuFile = menuBar()->addMenu(tr("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    const struct { const char *caption; QKeySequence key; } items[] = {
        {QT_TR_NOOP("Project &Manager..."), {}}, {"-", {}},
        {QT_TR_NOOP("&New Page..."), QKeySequence(Qt::SHIFT | Qt::Key_Insert)},
        {QT_TR_NOOP("&Delete Page..."), QKeySequence(Qt::SHIFT | Qt::Key_Delete)},
        {QT_TR_NOOP("&Save Page"), QKeySequence(Qt::CTRL | Qt::Key_S)}, {"-", {}},
        {QT_TR_NOOP("&Print..."), {}}, {QT_TR_NOOP("P&roperties"), {}}, {"-", {}},
        {QT_TR_NOOP("&Preview in Web Browser"), QKeySequence(Qt::CTRL | Qt::Key_P)}, {"-", {}},
        {QT_TR_NOOP("E&xit"), {}}};
    for (const auto &it : items) {
        QAction *a = addItem(mnuFile, mnuFileItem, tr(it.caption), it.key);
        const int index = int(mnuFileItem.size()) - 1;
        connect(a, &QAction::triggered, this, [this, index] { fileItem(index); });
    }
    connect(mnuFile, &QMenu::aboutToShow, this, &frmEditor::fileMenuOpening);
}

void frmEditor::createEditMenu()
{
    mnuEdit = menuBar()->addMenu(tr("&Edit"));
    mnuEdit->setObjectName(QStringLiteral("mnuEdit"));
    const struct { const char *caption; QKeySequence key; } items[] = {
        {QT_TR_NOOP("Cu&t"), QKeySequence(Qt::CTRL | Qt::Key_X)},
        {QT_TR_NOOP("&Copy"), QKeySequence(Qt::CTRL | Qt::Key_C)},
        {QT_TR_NOOP("&Paste"), QKeySequence(Qt::CTRL | Qt::Key_V)}, {QT_TR_NOOP("&Delete"), {}}, {"-", {}},
        {QT_TR_NOOP("&Find..."), QKeySequence(Qt::CTRL | Qt::Key_F)},
        {QT_TR_NOOP("Find &Next"), QKeySequence(Qt::Key_F3)}, {"-", {}},
        {QT_TR_NOOP("&Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z)},
        {QT_TR_NOOP("&Redo"), QKeySequence(Qt::CTRL | Qt::Key_Y)},
        {"-", {}}, {QT_TR_NOOP("R&eplace..."), QKeySequence(Qt::CTRL | Qt::Key_H)},
        {QT_TR_NOOP("&Go To Line..."), QKeySequence(Qt::CTRL | Qt::Key_G)}};
    for (const auto &it : items) {
        QAction *a = addItem(mnuEdit, mnuEditItem, tr(it.caption), it.key);
        const int index = int(mnuEditItem.size()) - 1;
        connect(a, &QAction::triggered, this, [this, index] { editItem(index); });
    }
    mnuEditItem[5]->setEnabled(false);
    mnuEditItem[6]->setEnabled(false);
    // Alt+Backspace is the classic second key of Undo.
    mnuEditItem[8]->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Z), QKeySequence(Qt::ALT | Qt::Key_Backspace)});
    mnuEditItem[9]->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    onSelectionChanged(m_txtEdit->hasSelection());
    connect(mnuEdit, &QMenu::aboutToShow, this, &frmEditor::editMenuOpening);
    auto *history = new UndoHistory(*m_txtEdit, mnuEditItem[8], mnuEditItem[9], this);
    connect(mnuEdit, &QMenu::aboutToShow, history, &UndoHistory::refresh);
}

void frmEditor::createViewMenu()
{
    mnuView = menuBar()->addMenu(tr("&View"));
    mnuView->setObjectName(QStringLiteral("mnuView"));
    const char *captions[] = {QT_TR_NOOP("&Tool Bar"), QT_TR_NOOP("&Status Bar"), "-", QT_TR_NOOP("&Refresh"), nullptr,
                              QT_TR_NOOP("&Options...")};
    for (const char *caption : captions) {
        if (!caption) {
            mnuViewItem.append(nullptr); // the menu has no item 4
            continue;
        }
        QAction *a = addItem(mnuView, mnuViewItem, tr(caption));
        const int index = int(mnuViewItem.size()) - 1;
        connect(a, &QAction::triggered, this, [this, index] { viewItem(index); });
    }
    for (int i : {0, 1}) {
        mnuViewItem[i]->setCheckable(true);
        mnuViewItem[i]->setChecked(true);
    }
}

void frmEditor::createHtmlMenu()
{
    HTML = menuBar()->addMenu(tr("&HTML"));
    HTML->setObjectName(QStringLiteral("HTML"));
    auto sub = [](QMenu *parent, const char *caption, const char *name) {
        QMenu *m = parent->addMenu(tr(caption));
        m->setObjectName(QString::fromLatin1(name));
        return m;
    };
    auto item = [this](QMenu *parent, const char *caption, const char *name, TagTemplate id) {
        QAction *a = parent->addAction(tr(caption));
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, [this, id] { insertTemplate(*m_txtEdit, pageCount(), id); });
    };
    QMenu *script = sub(HTML, QT_TR_NOOP("&Script"), "MnuScript");
    item(script, QT_TR_NOOP("&JavaScript"), "JavaScript", TagTemplate::JavaScript);
    item(script, QT_TR_NOOP("&VBScript"), "VbScript", TagTemplate::VbScript);
    QMenu *ie = sub(HTML, QT_TR_NOOP("&Internet Explorer"), "Ie");
    item(ie, QT_TR_NOOP("&Marquee"), "Marquee", TagTemplate::Marquee);
    item(ie, QT_TR_NOOP("&Background Sound"), "bgsound", TagTemplate::bgsound);
    QMenu *links = sub(HTML, QT_TR_NOOP("&Links"), "Links");
    item(links, QT_TR_NOOP("&To Another Page"), "AnotherPage", TagTemplate::AnotherPage);
    QMenu *format = sub(HTML, QT_TR_NOOP("&Page Format"), "Format");
    QMenu *font = sub(format, QT_TR_NOOP("&Font"), "Font");
    item(font, QT_TR_NOOP("&Color"), "color", TagTemplate::color);
    item(font, QT_TR_NOOP("&Size"), "FSize", TagTemplate::FSize);
    QMenu *text = sub(format, QT_TR_NOOP("&Text"), "FText");
    item(text, QT_TR_NOOP("&Bold"), "Bold", TagTemplate::Bold);
    item(text, QT_TR_NOOP("&Center"), "Center", TagTemplate::Center);
    item(text, QT_TR_NOOP("&Italic"), "Italic", TagTemplate::Italic);
    item(text, QT_TR_NOOP("&Underline"), "Underline", TagTemplate::Underline);
    item(format, QT_TR_NOOP("&Line Break"), "Break", TagTemplate::Break);
    item(format, QT_TR_NOOP("&Paragraph"), "Paragraph", TagTemplate::Paragraph);
    item(HTML, QT_TR_NOOP("&Image"), "Image", TagTemplate::Image);
    HTML->addSeparator()->setObjectName(QStringLiteral("sep"));
    QMenu *setup = sub(HTML, QT_TR_NOOP("&Page Setup"), "Setup");
    item(setup, QT_TR_NOOP("&Base URL"), "BASEURL", TagTemplate::BASEURL);
    item(setup, QT_TR_NOOP("&Comment"), "Comment", TagTemplate::Comment);
}

void frmEditor::createToolsMenu()
{
    mnuTools = menuBar()->addMenu(tr("&Tools"));
    mnuTools->setObjectName(QStringLiteral("mnuTools"));
    addItem(mnuTools, mnuToolsItm, tr("&Check Spelling..."));
    addItem(mnuTools, mnuToolsItm, QStringLiteral("-"));
    addItem(mnuTools, mnuToolsItm, tr("&Explore Project"));
    for (int slot = 1; slot <= kToolSlots; ++slot) {
        QAction *a = addItem(mnuTools, mnuToolsItm, QString());
        a->setVisible(false);
    }
    for (int i = 0; i < mnuToolsItm.size(); ++i)
        connect(mnuToolsItm[i], &QAction::triggered, this, [this, i] { toolsItem(i); });
    mnuToolsItm[0]->setEnabled(false);
    connect(mnuTools, &QMenu::aboutToShow, this, &frmEditor::toolsMenuOpening);
    // The single-word spell check comes after the custom tools, outside the
    // numbered items.
    mnuTools->addSeparator();
    QAction *spellWord = mnuTools->addAction(tr("Spell Check &Word..."));
    spellWord->setObjectName(QStringLiteral("mnuToolsSpellWord"));
    connect(spellWord, &QAction::triggered, this, [this] { Commands::spellCheckWord(*this); });
    // The checks of the page and the project come last, apart.
    mnuTools->addSeparator();
    QAction *check = addItem(mnuTools, mnuToolsItm, tr("Check &HTML"), QKeySequence(Qt::Key_F7));
    connect(check, &QAction::triggered, this, [this] { Commands::checkHtml(*this); });
    QAction *links = addItem(mnuTools, mnuToolsItm, tr("Check &Project Links"));
    connect(links, &QAction::triggered, this, [this] { Commands::checkProjectLinks(*this); });
}

void frmEditor::createHelpMenu()
{
    mnuHelp = menuBar()->addMenu(tr("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    for (const char *caption :
         {QT_TR_NOOP("&Corvane Web Site"), QT_TR_NOOP("&Tagsmith Web Site"), "-", QT_TR_NOOP("&About Tagsmith")}) {
        QAction *a = addItem(mnuHelp, mnuHelpItem, tr(caption));
        const int index = int(mnuHelpItem.size()) - 1;
        connect(a, &QAction::triggered, this, [this, index] { helpItem(index); });
    }
}

// ---------------------------------------------------------------- opening rules

void frmEditor::fileMenuOpening()
{
    const bool pages = Combo1->count() > 0;
    for (int i : {3, 4, 6, 7, 9})
        mnuFileItem[i]->setEnabled(pages);
}

void frmEditor::editMenuOpening()
{
    const bool selected = m_txtEdit->selLength() > 0;
    const bool pages = Combo1->count() > 0;
    mnuEditItem[0]->setEnabled(selected);
    mnuEditItem[1]->setEnabled(selected);
    mnuEditItem[3]->setEnabled(selected);
    mnuEditItem[2]->setEnabled(pages);
    setCutCopyShown(selected);
    BtnPaste->setShownEnabled(pages);
}

void frmEditor::toolsMenuOpening() { mnuToolsItm[2]->setText(tr("&Explore Project")); }

// ---------------------------------------------------------------- commands

void frmEditor::fileItem(int index)
{
    switch (index) {
    case 0:
        if (!leavePage())
            return; // not saved: the page stays on screen
        if (!Commands::projectManager(*this))
            return;
        Combo1->clear();
        updatelist();
        if (Combo1->count() > 0) {
            Combo1->setCurrentIndex(0);
            m_state.CurrentPagePath = Paths::pagePath(m_state.projectsRoot, m_state.CurrentProject, Combo1->itemText(0));
            OpenPage(m_platform, *this, m_state.CurrentPagePath);
        } else {
            m_state.CurrentPagePath = QStringLiteral("Tagsmith");
        }
        break;
    case 2: Commands::newPage(*this); break;
    case 3: DelItem(m_state.CurrentPagePath); break;
    case 4:
        // Its key works without the menu's opening rule: only a page is saved.
        if (Combo1->count() > 0)
            SavePage(m_platform, *this, m_state.CurrentPagePath);
        break;
    case 6: Commands::print(*this); break;
    case 7: Commands::properties(*this); break;
    case 9: Commands::preview(*this); break;
    case 11:
        // The placement is not saved on this way out.
        if (saveBeforeEnding())
            m_platform.end.endNow();
        break;
    default: break;
    }
}

void frmEditor::DelItem(const QString &filename)
{
    if (QFileInfo::exists(filename)
        && !m_platform.messages.confirm(this, tr("Are you sure you want to delete %1?").arg(filename)))
        return;
    if (!QFile::remove(filename)) {
        m_platform.messages.inform(this, kDeleteErrorText, QStringLiteral("Tagsmith"), MessageRequest::Icon::Exclamation);
        return;
    }
    PageLoaded = 0;
    updatelist();
}

void frmEditor::editItem(int index)
{
    switch (index) {
    case 0: cut(); break;
    case 1: copy(); break;
    case 2: paste(); break;
    case 3: m_txtEdit->replaceSelection(QString()); break;
    case 5: Commands::find(*this); break;
    case 6: Commands::findNext(*this); break;
    case 8: m_txtEdit->undo(); break;
    case 9: m_txtEdit->redo(); break;
    case 11: Commands::replace(*this); break;
    case 12: Commands::goToLine(*this); break;
    default: break;
    }
}

void frmEditor::cut()
{
    m_platform.clipboard.clear();
    m_platform.clipboard.setText(m_txtEdit->selectedText());
    m_txtEdit->replaceSelection(QString());
}

void frmEditor::copy()
{
    m_platform.clipboard.clear();
    m_platform.clipboard.setText(m_txtEdit->selectedText());
}

void frmEditor::paste() { m_txtEdit->replaceSelection(m_platform.clipboard.text()); }

void frmEditor::viewItem(int index)
{
    switch (index) {
    case 0: toggleToolBar(); break;
    case 1: toggleStatusBar(); break;
    case 3: RefreshSys(); break;
    case 5: Commands::options(*this); break;
    default: break;
    }
}

void frmEditor::toggleToolBar()
{
    // The action checks itself before this runs: look at the bar instead.
    const bool shown = !ToolBar1->isHidden();
    ToolBar1->setHidden(shown);
    mnuViewItem[0]->setChecked(!shown);
    m_state.ChromeHeight += shown ? -370 : 370;
    layoutClient();
    m_platform.settings.write(SettingsKeys::Settings, SettingsKeys::ToolBar, SettingsKeys::flag(shown));
}

void frmEditor::toggleStatusBar()
{
    const bool shown = !StatusBar1->isHidden();
    StatusBar1->setHidden(shown);
    mnuViewItem[1]->setChecked(!shown);
    m_state.ChromeHeight += shown ? -230 : 230;
    layoutClient();
    m_platform.settings.write(SettingsKeys::Settings, SettingsKeys::StatusBar, SettingsKeys::flag(shown));
}

void frmEditor::toolsItem(int index)
{
    if (index == 0) {
        // The profiler reads the page's file: only once the text is in it.
        if (SavePage(m_platform, *this, m_state.CurrentPagePath))
            Commands::checkSpelling(*this);
    } else if (index == 2) {
        m_platform.shell.open(Paths::projectFolder(m_state.projectsRoot, m_state.CurrentProject));
    } else if (index >= 3 && index <= 11) {
        Commands::startTool(*this, index - 2);
    }
}

void frmEditor::helpItem(int index)
{
    switch (index) {
    case 0: m_platform.shell.open(kMakerWebSite); break;
    case 1: m_platform.shell.open(kProductWebPage); break;
    case 3: Commands::about(*this); break;
    default: break;
    }
}
