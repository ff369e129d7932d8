// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/frmEditor.h"

#include "authoring/Templates.h"
#include "core/AppState.h"
#include "core/Paths.h"
#include "project/FolderProjects.h"
#include "core/RecoveryStore.h"
#include "core/SettingsKeys.h"
#include "core/TitleScan.h"
#include "core/UiText.h"
#include "core/WebAddresses.h"
#include "editor/AutoBracket.h"
#include "editor/Commands.h"
#include "editor/ImageButton.h"
#include "editor/RecoveryJournal.h"
#include "editor/PageKeys.h"
#include "editor/ScintillaTextBox.h"
#include "editor/ToolbarArt.h"
#include "editor/Twips.h"
#include "editor/TypeOver.h"
#include "platform/Desktop.h"
#include "platform/MessageBoxes.h"
#include "platform/Platform.h"
#include "platform/SettingsStore.h"
#include "preview/PreviewDock.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>

namespace {
constexpr int kToolBarTwips = 370;
constexpr int kStatusBarTwips = 230;
constexpr int kEditLeftTwips = 10;
constexpr int kDesignWidthTwips = 10500;
constexpr int kDesignHeightTwips = 7500;
constexpr int kMinWidthTwips = 6000;
constexpr int kMinHeightTwips = 4000;
constexpr int kButtonWidthTwips = 345;
constexpr int kButtonHeightTwips = 330;
constexpr UiText kNoPageText{"frmEditor", QT_TRANSLATE_NOOP("frmEditor", "Before you can edit you must add a page.")};
constexpr UiText kEndAnywayText{
    "frmEditor", QT_TRANSLATE_NOOP("frmEditor", "The page could not be saved, so its changes are not in its file.\n\n"
                                                "End Tagsmith anyway? The text on screen is then offered for "
                                                "recovery the next time Tagsmith starts.")};
constexpr UiText kEndAndLoseText{
    "frmEditor", QT_TRANSLATE_NOOP("frmEditor", "The page could not be saved, and its text could not be kept for "
                                                "recovery either.\n\nEnd Tagsmith anyway and lose the changes on "
                                                "screen?")};
constexpr UiText kRecoverTitle{"frmEditor", QT_TRANSLATE_NOOP("frmEditor", "Recover Page")};
constexpr UiText kNotEndedNote{
    "frmEditor", QT_TRANSLATE_NOOP("frmEditor", "Told to end, Tagsmith stays open: the page could neither be saved "
                                                "nor kept for recovery.")};
constexpr UiText kUnlistedNote{
    "frmEditor", QT_TRANSLATE_NOOP("frmEditor", "Not listed: %1 named like a page that Tagsmith cannot open (a "
                                                "folder, a pipe, or a name that is not UTF-8).")};
constexpr UiText kNotOpenedNote{
    "frmEditor", QT_TRANSLATE_NOOP("frmEditor", "%1 could not be opened: nothing can be typed until a page opens.")};

QString recoverQuestion(const QString &pagePath)
{
    return QCoreApplication::translate("frmEditor", "Tagsmith ended without saving the changes made to the page "
                                                    "%1.\n\nRestore the unsaved text? (Yes puts it on screen, not "
                                                    "yet saved; No discards it.)")
        .arg(QDir::toNativeSeparators(pagePath));
}
} // namespace

// The client area below the menu bar: lays out the toolbar, the editing area
// and the status bar by the window's own rule.
class ClientArea : public QWidget {
public:
    explicit ClientArea(frmEditor *owner) : QWidget(owner), m_owner(owner) {}

protected:
    void resizeEvent(QResizeEvent *) override { m_owner->layoutClient(); }

private:
    frmEditor *m_owner;
};

frmEditor::frmEditor(AppState &state, Platform &platform, QWidget *parent)
    : QMainWindow(parent), m_state(state), m_platform(platform)
{
    Q_INIT_RESOURCE(tagsmith);
    setObjectName(QStringLiteral("frmEditor"));
    setWindowTitle(tr("Tagsmith"));
    m_client = new ClientArea(this);
    setCentralWidget(m_client);
    createEditingArea();
    createToolBar();
    createStatusBar();
    createMenus();
    createEditingAids();
    new PageKeys(this, Combo1, m_txtEdit);
    setMinimumSize(twipsToPxX(kMinWidthTwips, this), twipsToPxY(kMinHeightTwips, this));
    resize(twipsToPxX(kDesignWidthTwips, this), twipsToPxY(kDesignHeightTwips, this));
}

frmEditor::~frmEditor()
{
    // The editing area outlives this part of the window while children are
    // destroyed; its focus-out then must not reach a half-destroyed window.
    m_txtEdit->disconnect(this);
}

TextBox &frmEditor::txtEdit() { return *m_txtEdit; }

int frmEditor::pageCount() const { return Combo1->count(); }

QString frmEditor::currentPageName() const { return Combo1->currentText(); }

// ---------------------------------------------------------------- layout

void frmEditor::createEditingArea()
{
    m_txtEdit = new ScintillaTextBox(m_client);
    m_txtEdit->setObjectName(QStringLiteral("txtEdit"));
    m_txtEdit->setAccessibleName(tr("Page text"));
    connect(m_txtEdit, &ScintillaTextBox::changed, this, &frmEditor::onTextChanged);
    // A page or folder dropped on the window is opened as one named at start
    // is, after the page on screen is written back.
    connect(m_txtEdit, &ScintillaTextBox::filesDropped, this,
            [this](const QStringList &files) { Commands::openPaths(*this, files); });
    connect(m_txtEdit, &ScintillaTextBox::focusGained, this, &frmEditor::onEditorFocusIn);
    connect(m_txtEdit, &ScintillaTextBox::focusLost, this, &frmEditor::onEditorFocusOut);
    connect(m_txtEdit, &ScintillaTextBox::mouseReleased, this, &frmEditor::onEditorMouseUp);
    m_journal = new RecoveryJournal(*m_txtEdit, m_platform.recovery, [this] { return pageOnScreen(); }, onDisk, this);
    connect(m_txtEdit, &ScintillaTextBox::selectionPresenceChanged, this, &frmEditor::onSelectionChanged);
}

void frmEditor::createToolBar()
{
    ToolBar1 = new QWidget(m_client);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    Label1 = new QLabel(tr("Web Page:"), ToolBar1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Combo1 = new QComboBox(ToolBar1);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setAccessibleName(tr("Web Page"));
    Label1->setBuddy(Combo1); // screen readers on Linux name a combo box by its label
    // The user's choice runs the page switch, even when the same page is picked again.
    connect(Combo1, &QComboBox::activated, this, [this] { pageSwitch(); });

    const QSize buttonSize(twipsToPxX(kButtonWidthTwips, this), twipsToPxY(kButtonHeightTwips, this));
    auto make = [&](const char *name, const char *icon) {
        const ButtonImages art = toolbarImages(QString::fromLatin1(icon), buttonSize, devicePixelRatioF());
        auto *b = new ImageButton(QString::fromLatin1(name), art.up, art.dn, art.n, ToolBar1);
        b->setFixedSize(buttonSize);
        return b;
    };
    BtnNew = make("BtnNew", "new");
    BtnSave = make("BtnSave", "save");
    BtnCut = make("BtnCut", "cut");
    BtnCopy = make("BtnCopy", "copy");
    BtnPaste = make("BtnPaste", "paste");
    BtnFind = make("BtnFind", "find");
    BtnNew->setToolTip(tr("New Page"));
    BtnSave->setToolTip(tr("Save Page"));
    BtnCut->setToolTip(tr("Cut"));
    BtnCopy->setToolTip(tr("Copy"));
    BtnPaste->setToolTip(tr("Paste"));
    BtnFind->setToolTip(tr("Find"));
    // Screen readers speak the buttons by what their tips say.
    for (ImageButton *b : {BtnNew, BtnSave, BtnCut, BtnCopy, BtnPaste, BtnFind})
        b->setAccessibleName(b->toolTip());
    connect(BtnNew, &ImageButton::clicked, this, [this] { Commands::newPage(*this); });
    connect(BtnSave, &ImageButton::clicked, this, [this] {
        if (Combo1->count() > 0)
            SavePage(m_platform, *this, m_state.CurrentPagePath);
    });
    connect(BtnCut, &ImageButton::clicked, this, &frmEditor::cut);
    connect(BtnCopy, &ImageButton::clicked, this, &frmEditor::copy);
    connect(BtnPaste, &ImageButton::clicked, this, &frmEditor::paste);
    connect(BtnFind, &ImageButton::clicked, this, [this] { Commands::find(*this); });
    setCutCopyShown(false);
    setSavePasteShown(false);
    BtnFind->setShownEnabled(false);
}

void frmEditor::createStatusBar()
{
    StatusBar1 = new QWidget(m_client);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    Status = new QLabel(StatusBar1);
    Status->setObjectName(QStringLiteral("Status"));
    StatusNote = new QLabel(StatusBar1);
    StatusNote->setObjectName(QStringLiteral("StatusNote"));
    connect(m_txtEdit, &ScintillaTextBox::textLoaded, StatusNote, &QLabel::clear);
    CaretText = new QLabel(StatusBar1);
    CaretText->setObjectName(QStringLiteral("CaretText"));
    CaretText->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void frmEditor::showNote(const QString &text)
{
    StatusNote->setText(text);
    layoutClient();
}

void frmEditor::layoutClient()
{
    const int w = m_client->width(), h = m_client->height();
    const int toolH = twipsToPxY(kToolBarTwips, this);
    const int statusH = twipsToPxY(kStatusBarTwips, this);
    const int left = twipsToPxX(kEditLeftTwips, this);

    ToolBar1->setGeometry(0, 0, w, toolH);
    // Toolbar contents: label, page list, New, Save, gap, Cut, Copy, Paste, gap, Find.
    const int pad = twipsToPxX(60, this);
    const QSize bs = BtnNew->size();
    const int by = (toolH - bs.height()) / 2;
    int x = pad;
    const int labelW = Label1->sizeHint().width();
    Label1->setGeometry(x, 0, labelW, toolH);
    x += labelW + pad;
    // The page list gives up width when the bar is too narrow for all six
    // buttons after it (the minimum window size, large fonts).
    const int buttonsW = 6 * bs.width() + 3 * pad * 2 + pad;
    const int comboW = qBound(twipsToPxX(900, this), w - x - buttonsW, twipsToPxX(2800, this));
    const int comboH = qMin(toolH - 2, Combo1->sizeHint().height());
    Combo1->setGeometry(x, (toolH - comboH) / 2, comboW, comboH);
    x += comboW + pad * 2;
    for (ImageButton *b : {BtnNew, BtnSave, (ImageButton *)nullptr, BtnCut, BtnCopy, BtnPaste,
                           (ImageButton *)nullptr, BtnFind}) {
        if (!b) {
            x += pad * 2;
            continue;
        }
        b->move(x, by);
        x += bs.width();
    }

    StatusBar1->setGeometry(0, h - statusH, w, statusH);
    Status->setGeometry(pad, 0, w - pad, statusH);
    // Room for big line and column numbers, so the text does not jump about.
    const int caretW = CaretText->fontMetrics().horizontalAdvance(QStringLiteral("Ln 0000000, Col 0000000"));
    const int caretX = qMax(0, w - pad - caretW);
    CaretText->setGeometry(caretX, 0, qMin(caretW, w), statusH);
    // A note (Replace All's count) follows the status text, short of the caret position.
    const int noteX = pad + Status->fontMetrics().horizontalAdvance(Status->text()) + pad * 4;
    StatusNote->setGeometry(noteX, 0, qMax(0, caretX - noteX - pad), statusH);

    const int editTop = ToolBar1->isHidden() ? 0 : toolH;
    // Editing area: left 10, width client - 10, height client - ChromeHeight.
    int editW = qMax(0, w - left);
    const int editH = qMax(0, h - twipsToPxY(m_state.ChromeHeight, this));
    if (m_previewDock)
        m_previewDock->layout(left, editTop, editW, editH);
    m_txtEdit->setGeometry(left, editTop, editW, editH);
}

void frmEditor::resizeEvent(QResizeEvent *e)
{
    QMainWindow::resizeEvent(e);
    layoutClient();
}

QRect frmEditor::placementTwips() const
{
    return QRect(pxToTwipsX(x(), this), pxToTwipsY(y(), this), pxToTwipsX(width(), this),
                 pxToTwipsY(height(), this));
}

void frmEditor::restorePlacement()
{
    SettingsStore &s = m_platform.settings;
    const QRect screen = this->screen() ? this->screen()->geometry() : QRect(0, 0, 1024, 768);
    const int screenW = pxToTwipsX(screen.width(), this), screenH = pxToTwipsY(screen.height(), this);
    const QRect cur = placementTwips();
    const int height = vbValInt(s.read(SettingsKeys::Settings, SettingsKeys::Height, QString::number(cur.height())));
    const int width = vbValInt(s.read(SettingsKeys::Settings, SettingsKeys::Width, QString::number(cur.width())));
    resize(twipsToPxX(width, this), twipsToPxY(height, this)); // the minimum size applies
    const QRect sized = placementTwips();
    int top = vbValInt(s.read(SettingsKeys::Settings, SettingsKeys::Top,
                              QString::number(screenH / 2 - sized.height() / 2)));
    int left = vbValInt(s.read(SettingsKeys::Settings, SettingsKeys::Left,
                               QString::number(screenW / 2 - sized.width() / 2)));
    // A position from a damaged settings file may be any int: keep it where
    // pixel positions, and the twips computed back from them, still fit.
    constexpr int kFarAway = 1 << 24;
    top = qBound(-kFarAway, top, kFarAway);
    left = qBound(-kFarAway, left, kFarAway);
    // A window at least as wide as the screen comes back at the minimum size, centred.
    if (sized.width() >= screenW) {
        resize(twipsToPxX(700, this), twipsToPxY(500, this));
        const QRect small = placementTwips();
        top = screenH / 2 - small.height() / 2;
        left = screenW / 2 - small.width() / 2;
    }
    move(twipsToPxX(left, this) + screen.x(), twipsToPxY(top, this) + screen.y());
}

// ---------------------------------------------------------------- start-up

void frmEditor::load()
{
    // When the projects root cannot be made (a file in its way, no right to
    // write there), tell the user now: every later step would fail on the
    // missing folders.
    if (!Paths::ensureProjectsRoot(m_state.projectsRoot)) {
        m_platform.messages.inform(this,
                                   tr("Tagsmith keeps its projects in the folder \"%1\", and that folder could "
                                      "not be created. Make sure you may write there and that no file of that "
                                      "name is in the way, then start Tagsmith again.")
                                       .arg(QDir::toNativeSeparators(m_state.projectsRoot)),
                                   tr("Start Error"), MessageRequest::Icon::Exclamation);
        m_platform.end.endNow();
        return;
    }
    m_state.CurrentProject = QStringLiteral("default");
    QDir::setCurrent(m_state.appDir);
    restorePlacement();
    // Before the window is shown: Qt makes a shown window anew when the
    // engine's view goes into it.
    if (vbValInt(m_platform.settings.read(SettingsKeys::Settings, SettingsKeys::LivePreview, QStringLiteral("0"))) == 1)
        setPreviewShown(true);
    show();
    CheckDate();
    Init();
    // Text left unsaved by a run that ended without saving comes back first:
    // it decides the project and the page shown.
    if (offerRecovery())
        return;
    if (!startPaths.isEmpty() && Commands::openPaths(*this, startPaths))
        return;
    m_state.StartingUp = 1;
    if (m_state.ProjManOption == 0) {
        if (!Commands::projectManager(*this))
            return; // the user ended the program from the Project Manager
    }
    m_state.StartingUp = 0;
    updatelist();
}

bool frmEditor::offerRecovery()
{
    RecoveryStore &store = m_platform.recovery;
    for (const RecoveryStore::Journal &journal : store.orphans()) {
        // Yes is the default here: answering in haste must not throw text away.
        const MessageAnswer answer = m_platform.messages.show(
            this, MessageRequest{recoverQuestion(journal.pagePath), kRecoverTitle, MessageRequest::Icon::Question,
                                 MessageRequest::Buttons::YesNo, false});
        if (answer == MessageAnswer::Yes) {
            restorePage(journal.pagePath, journal.utf8, journal.encoding);
            // Written back only over the page as it was then; else the user is asked.
            onDisk.rememberHash(journal.pagePath, journal.diskHash);
            m_journal->writeNow(); // kept in this run's journal before the old one goes
            store.discard(journal);
            return true;
        }
        store.discard(journal);
    }
    return false;
}

void frmEditor::restorePage(const QString &pagePath, const QByteArray &utf8, TextEncoding encoding)
{
    const QFileInfo page(pagePath);
    // The page's project: below the projects root, or its folder.
    if (page.absoluteDir().exists())
        m_state.CurrentProject = Paths::projectOfFolder(m_state.projectsRoot, page.absolutePath());
    if (Paths::isFolderProject(m_state.CurrentProject))
        FolderProjects::remember(m_platform.settings, m_state.CurrentProject);
    m_state.StartingUp = 0;
    updatelist();
    openPage(page.fileName());
    // The page is shown with the recovered text, not yet saved, whether or
    // not its file could be read.
    m_state.CurrentPagePath = pagePath;
    PageLoaded = 1;
    keepPageOnScreen();
    m_txtEdit->setBytes(utf8, TextEncoding::Utf8);
    m_txtEdit->setEncoding(encoding);
    m_txtEdit->setModified(true);
    setCaption(captionForTitle(scanTitle(m_txtEdit->text(), true)));
}

void frmEditor::Init()
{
    SettingsStore &s = m_platform.settings;
    using namespace SettingsKeys;
    m_state.ProjManOption = vbValInt(s.read(Settings, ProjMan, QStringLiteral("0")));
    m_state.CurrentProject = s.read(Settings, DefaultProj, QStringLiteral("Default"));
    m_state.AutoHtmlOption = vbValInt(s.read(Settings, AutoHTML, QStringLiteral("0")));
    const int statusHidden = vbValInt(s.read(Settings, StatusBar, QStringLiteral("0")));
    const int toolHidden = vbValInt(s.read(Settings, ToolBar, QStringLiteral("0")));

    m_state.ChromeHeight = kToolBarTwips + kStatusBarTwips;
    ToolBar1->show();
    StatusBar1->show();
    if (statusHidden == 1) {
        m_state.ChromeHeight -= kStatusBarTwips;
        StatusBar1->hide();
        mnuViewItem[1]->setChecked(false);
    }
    if (toolHidden == 1) {
        m_state.ChromeHeight -= kToolBarTwips;
        ToolBar1->hide();
        mnuViewItem[0]->setChecked(false);
    }
    layoutClient();

    if (!Paths::projectIsWritable(m_state.projectsRoot, m_state.CurrentProject)) {
        m_platform.messages.inform(this,
                                   tr("The project, %1, no longer exists or there is an error accessing it.  "
                                      "Setting project to default.")
                                       .arg(Paths::projectLabel(m_state.CurrentProject)),
                                   tr("Start Error"), MessageRequest::Icon::Exclamation);
        m_state.CurrentProject = QStringLiteral("default");
        s.write(Settings, DefaultProj, QStringLiteral("default"));
        return;
    }
    refreshToolsMenu();
}

void frmEditor::refreshToolsMenu()
{
    SettingsStore &s = m_platform.settings;
    for (int n = 1; n <= kToolSlots; ++n) {
        m_state.ToolCaptions[n] = s.read(SettingsKeys::Tools, SettingsKeys::toolCaption(n), QString());
        QAction *item = mnuToolsItm[n + 2];
        if (!m_state.ToolCaptions[n].isEmpty()) {
            item->setText(m_state.ToolCaptions[n]);
            item->setVisible(true);
        } else {
            item->setVisible(false);
        }
        m_state.ToolFilenames[n] = s.read(SettingsKeys::Tools, SettingsKeys::toolFilename(n), QString());
    }
}

// ---------------------------------------------------------------- page list

void frmEditor::updatelist()
{
    Status->setText(tr("Current Project:  [%1]").arg(Paths::projectLabel(m_state.CurrentProject)));
    LastListIndex = Combo1->currentIndex();
    const auto listPages = [this] {
        Combo1->clear();
        // A project name that would leave the projects root lists nothing.
        if (Paths::isProject(m_state.CurrentProject))
            Combo1->addItems(Paths::listPages(Paths::projectFolder(m_state.projectsRoot, m_state.CurrentProject)));
    };
    const bool pageShown = !pageOnScreen().isEmpty();
    listPages();
    if (Combo1->count() == 0 && pageShown) {
        // The page on screen is no longer in its folder (deleted, or the
        // folder gone, behind the editor's back): it goes back to its file
        // as whenever it is left, and stays on screen if that fails.
        if (!SavePage(m_platform, *this, m_state.CurrentPagePath)) {
            keepPageOnScreen();
            return;
        }
        PageLoaded = 0; // just saved: the switch below need not write it again
        listPages();
    }
    if (Combo1->count() > 0) {
        m_txtEdit->setEnabled(true);
        if (!selectListIndex(0))
            return; // the page on screen could not be saved: it stays
        Combo1->setEnabled(true);
        setSavePasteShown(true);
        if (LastListIndex > 0) {
            int index = LastListIndex;
            while (index >= Combo1->count())
                --index;
            selectListIndex(index);
        }
    } else {
        setWindowTitle(tr("Tagsmith"));
        m_txtEdit->setEnabled(false);
        m_txtEdit->setEncoding(TextEncoding::Utf8);
        m_txtEdit->setText(kNoPageText);
        Combo1->setEnabled(false);
        setSavePasteShown(false);
        // The rule of the editing area's focus loss, applied here too: the
        // focus may have been elsewhere (a message box) when it was disabled.
        onEditorFocusOut();
    }
    // Files named like pages that cannot be listed are said to be there.
    const int unlisted = Paths::isProject(m_state.CurrentProject)
                             ? Paths::unlistedPages(Paths::projectFolder(m_state.projectsRoot, m_state.CurrentProject))
                             : 0;
    if (unlisted > 0 && StatusNote->text().isEmpty())
        showNote(kUnlistedNote.arg(unlisted == 1 ? tr("1 file") : tr("%1 files").arg(unlisted)));
    // Spelling works on the current page: offered while there is one.
    mnuToolsItm[0]->setEnabled(Combo1->count() > 0);
}

bool frmEditor::selectListIndex(int index)
{
    Combo1->setCurrentIndex(index);
    return pageSwitch();
}

bool frmEditor::openPage(const QString &name)
{
    // The name as listed, else in another case (a link written by hand).
    int index = Combo1->findText(name, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    if (index < 0)
        index = Combo1->findText(name, Qt::MatchFixedString);
    if (index < 0)
        return false;
    if (index == Combo1->currentIndex() && PageLoaded > 0)
        return true;
    return selectListIndex(index) && Combo1->currentIndex() == index;
}

bool frmEditor::pageSwitch()
{
    if (PageLoaded > 0 && !SavePage(m_platform, *this, m_state.CurrentPagePath)) {
        keepPageOnScreen();
        return false;
    }
    const QString path = Paths::pagePath(m_state.projectsRoot, m_state.CurrentProject, Combo1->currentText());
    if (OpenPage(m_platform, *this, path)) {
        m_state.CurrentPagePath = path;
        PageLoaded = 1;
        m_txtEdit->setEnabled(true);
        return true;
    }
    // The page could not be read (deleted, replaced by a folder, a dangling
    // link). The text on screen is not its text and must never be saved into
    // it: should the file come back, the next switch would overwrite it. Go
    // back to the page the text belongs to while it is listed; otherwise
    // nothing is saved until a page opens.
    if (PageLoaded > 0) {
        for (int i = 0; i < Combo1->count(); ++i) {
            if (Paths::pagePath(m_state.projectsRoot, m_state.CurrentProject, Combo1->itemText(i)) == m_state.CurrentPagePath) {
                Combo1->setCurrentIndex(i);
                return true;
            }
        }
    }
    // Typing here would go nowhere: the editing area takes none until a page opens.
    m_state.CurrentPagePath = path;
    PageLoaded = 0;
    onDisk.refuse(path);
    m_txtEdit->setEnabled(false);
    showNote(kNotOpenedNote.arg(Combo1->currentText()));
    return true;
}

bool frmEditor::leavePage()
{
    // Only text that belongs to a page is written back (see pageSwitch).
    return pageOnScreen().isEmpty() || SavePage(m_platform, *this, m_state.CurrentPagePath);
}

void frmEditor::keepPageOnScreen()
{
    // The list shows the page whose text is on screen, even when its file
    // is not in the folder any more, so caption, list and text agree.
    const QString name = QFileInfo(m_state.CurrentPagePath).fileName();
    int index = -1;
    for (int i = 0; i < Combo1->count() && index < 0; ++i)
        if (Paths::pagePath(m_state.projectsRoot, m_state.CurrentProject, Combo1->itemText(i)) == m_state.CurrentPagePath)
            index = i;
    if (index < 0) {
        Combo1->addItem(name);
        index = Combo1->count() - 1;
    }
    Combo1->setCurrentIndex(index);
    Combo1->setEnabled(true);
    m_txtEdit->setEnabled(true);
    setSavePasteShown(true);
    mnuToolsItm[0]->setEnabled(true);
}

QString frmEditor::pageOnScreen() const
{
    return Combo1->count() > 0 && PageLoaded > 0 ? m_state.CurrentPagePath : QString();
}

void frmEditor::takeDiskVersion()
{
    // Another program changed the page while this window was in the
    // background: an unedited page shows its new version at once. Edited
    // text stays; the question comes when it is written back.
    if (pageOnScreen().isEmpty() || m_txtEdit->isModified()
        || onDisk.check(m_state.CurrentPagePath) != PageGuard::Disk::Changed)
        return;
    const int caret = m_txtEdit->selStart();
    const int firstLine = m_txtEdit->firstVisibleLine();
    if (OpenPage(m_platform, *this, m_state.CurrentPagePath)) {
        m_txtEdit->setSelStart(qMin(caret, m_txtEdit->length()));
        m_txtEdit->setFirstVisibleLine(firstLine);
    }
}

void frmEditor::changeEvent(QEvent *e)
{
    QMainWindow::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow())
        takeDiskVersion();
}

void frmEditor::RefreshSys()
{
    setWindowTitle(captionForTitle(scanTitle(m_txtEdit->text(), false)));
    updatelist();
}

// ---------------------------------------------------------------- editing area events

void frmEditor::onTextChanged()
{
    StatusNote->clear();
    if (LivePreview *pane = livePreview())
        pane->textChanged();
    // The program's own edits (undo, redo, replace) bring no ">".
    if (m_txtEdit->inProgramEdit()) {
        LastCaretPos = m_txtEdit->selStart();
        return;
    }
    if (m_inChange || m_state.AutoHtmlOption != 0)
        return;
    m_inChange = true;
    if (autoCloseBracket(*m_txtEdit, LastCaretPos))
        m_typeOver->add(m_txtEdit->SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS), QByteArrayLiteral(">"));
    m_inChange = false;
}

void frmEditor::setFindEnabled(bool enabled)
{
    BtnFind->setShownEnabled(enabled);
    mnuEditItem[5]->setEnabled(enabled);
}

void frmEditor::setFindNextEnabled(bool enabled) { mnuEditItem[6]->setEnabled(enabled); }

void frmEditor::onEditorFocusIn() { setFindEnabled(true); }

void frmEditor::onEditorFocusOut()
{
    if (Combo1->count() == 0)
        setFindEnabled(false);
}

void frmEditor::onEditorMouseUp()
{
    if (m_txtEdit->selLength() > 0)
        setCutCopyShown(true);
    else if (BtnCopy->isEnabled())
        setCutCopyShown(false);
}

// Cut, Copy and Delete, their keys and images follow the selection at all
// times, however it was made, not only when the Edit menu opens: their keys
// work after Find without the menu being opened again.
void frmEditor::onSelectionChanged(bool selected)
{
    for (int i : {0, 1, 3})
        mnuEditItem[i]->setEnabled(selected);
    setCutCopyShown(selected);
}

void frmEditor::setCutCopyShown(bool enabled)
{
    BtnCut->setShownEnabled(enabled);
    BtnCopy->setShownEnabled(enabled);
}

void frmEditor::setSavePasteShown(bool enabled)
{
    BtnSave->setShownEnabled(enabled);
    BtnPaste->setShownEnabled(enabled);
}

// ---------------------------------------------------------------- closing

bool frmEditor::saveBeforeEnding()
{
    if (leavePage()) {
        m_journal->writeNow(); // the saved page leaves no journal behind
        return true;
    }
    // Not saved: the user may stay with the page (the default) or end, with
    // the text kept for the next start where the journal can hold it.
    const bool kept = m_journal->writeNow();
    return m_platform.messages.confirm(this, kept ? kEndAnywayText : kEndAndLoseText);
}

void frmEditor::savePlacement()
{
    const QRect p = placementTwips();
    SettingsStore &s = m_platform.settings;
    s.write(SettingsKeys::Settings, SettingsKeys::Height, QString::number(p.height()));
    s.write(SettingsKeys::Settings, SettingsKeys::Width, QString::number(p.width()));
    s.write(SettingsKeys::Settings, SettingsKeys::Top, QString::number(p.y()));
    s.write(SettingsKeys::Settings, SettingsKeys::Left, QString::number(p.x()));
}

bool frmEditor::ExitEditor(CloseReason reason)
{
    if (!closeReasonEndsProgram(reason))
        return false;
    if (reason == CloseReason::AppShutdown) {
        // No question can hold up the session's end; but text that could be
        // kept nowhere stays on screen rather than go with the program.
        if (!saveForSessionEnd()) {
            showNote(kNotEndedNote);
            return false;
        }
    } else {
        if (!saveBeforeEnding())
            return false;
        savePlacement();
    }
    m_platform.end.endNow();
    return true;
}

bool frmEditor::saveForSessionEnd()
{
    const bool saved = leavePage();
    const bool kept = m_journal->writeNow();
    savePlacement();
    return saved || kept;
}

void frmEditor::closeEvent(QCloseEvent *e)
{
    // Closed by the user through the frame; a close from code unloads only.
    const CloseReason reason = e->spontaneous() ? CloseReason::ControlMenu : CloseReason::Code;
    if (closeReasonEndsProgram(reason) && !ExitEditor(reason)) {
        e->ignore(); // the page could not be saved and the user stays with it
        return;
    }
    e->accept();
}
