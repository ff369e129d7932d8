// SPDX-License-Identifier: GPL-3.0-or-later
#include "options/frmOptions.h"

#include "authoring/Preview.h"
#include "core/AppState.h"
#include "core/Paths.h"
#include "core/SettingsKeys.h"
#include "editor/DialogPlacement.h"
#include "editor/Twips.h"
#include "editor/frmEditor.h"
#include "options/ProgramChooser.h"
#include "options/ToolTable.h"
#include "options/frmInstallProp.h"
#include "options/frmInstallTool.h"
#include "platform/Desktop.h"
#include "platform/MessageBoxes.h"
#include "platform/Platform.h"
#include "platform/SettingsStore.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTabWidget>

namespace {
// Client area of the dialog, in twips.
// Taller than the classic 4905 by three rows of check boxes, for the editing
// aids and the live preview.
constexpr int kExtra = 1080;
constexpr int kWidth = 6255, kHeight = 4905 + kExtra;

template <typename W>
W *place(W *w, const QWidget *metrics, int left, int top, int width, int height)
{
    w->setGeometry(twipsToPxX(left, metrics), twipsToPxY(top, metrics), twipsToPxX(width, metrics),
                   twipsToPxY(height, metrics));
    return w;
}

template <typename W>
W *named(W *w, const char *name)
{
    w->setObjectName(QString::fromLatin1(name));
    return w;
}
} // namespace

frmOptions::frmOptions(frmEditor &editor)
    : QDialog(&editor), m_editor(editor), m_state(editor.state()), m_platform(editor.platform())
{
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(tr("Options"));
    setFixedSize(twipsToPxX(kWidth, this), twipsToPxY(kHeight, this));

    SSTab1 = named(new QTabWidget(this), "SSTab1");
    SSTab1->setAccessibleName(tr("Options"));
    place(SSTab1, this, 120, 120, 6015, 4065 + kExtra);
    auto *environment = new QWidget;
    auto *startUp = new QWidget;
    auto *tools = new QWidget;
    SSTab1->addTab(environment, tr("Environment"));
    SSTab1->addTab(startUp, tr("Start-Up"));
    SSTab1->addTab(tools, tr("Tools"));
    buildEnvironmentTab(environment);
    buildStartUpTab(startUp);
    buildToolsTab(tools);
    SSTab1->setCurrentIndex(2);

    const char *names[] = {"OptionBtn0", "OptionBtn1", "OptionBtn2"};
    const char *captions[] = {QT_TR_NOOP("&Ok"), QT_TR_NOOP("&Cancel"), QT_TR_NOOP("&Apply")};
    for (int i = 0; i < 3; ++i) {
        OptionBtn[i] = named(new QPushButton(tr(captions[i]), this), names[i]);
        place(OptionBtn[i], this, 2520 + i * 1215, 4350 + kExtra, 1095, 375);
    }
    OptionBtn[0]->setDefault(true);
    connect(OptionBtn[0], &QPushButton::clicked, this, [this] {
        SaveOpt();
        accept();
    });
    // "&Cancel" and Esc close without storing anything.
    connect(OptionBtn[1], &QPushButton::clicked, this, &QDialog::reject);
    connect(OptionBtn[2], &QPushButton::clicked, this, &frmOptions::SaveOpt);
}

void frmOptions::buildEnvironmentTab(QWidget *page)
{
    Check1 = named(new QCheckBox(tr("Disable AutoHTML"), page), "Check1");
    place(Check1, this, 240, 240, 3615, 315);

    OptionFrm[0] = named(new QGroupBox(tr("Web Page Preview "), page), "OptionFrm0");
    place(OptionFrm[0], this, 120, 720, 5655, 1935);
    Option3 = named(new QRadioButton(tr("Use the default browser (faster)"), OptionFrm[0]), "Option3");
    place(Option3, this, 240, 360, 4455, 315);
    Option4 = named(new QRadioButton(tr("Let me pick a web browser (slower)"), OptionFrm[0]), "Option4");
    place(Option4, this, 240, 720, 4455, 315);
    Option3->setChecked(true);
    Label1 = named(new QLabel(kNoBrowserLabel, OptionFrm[0]), "Label1");
    Label1->setFrameShape(QFrame::Panel);
    Label1->setFrameShadow(QFrame::Sunken);
    Label1->setTextFormat(Qt::PlainText);
    place(Label1, this, 480, 1200, 4215, 315);
    Command1 = named(new QPushButton(tr("..."), OptionFrm[0]), "Command1");
    Command1->setAccessibleName(tr("Browse"));
    place(Command1, this, 4815, 1185, 555, 345);
    Command1->setAutoDefault(false);

    // The editing aids, below the controls above.
    ColourHtml = named(new QCheckBox(tr("Colour HTML tags"), page), "ColourHtml");
    place(ColourHtml, this, 240, 2820, 3615, 315);
    MatchTags = named(new QCheckBox(tr("Highlight matching tags"), page), "MatchTags");
    place(MatchTags, this, 240, 3180, 3615, 315);
    CloseTags = named(new QCheckBox(tr("Close tags automatically"), page), "CloseTags");
    place(CloseTags, this, 240, 3540, 3615, 315);
    CompleteTags = named(new QCheckBox(tr("Complete tag and attribute names"), page), "CompleteTags");
    place(CompleteTags, this, 240, 3900, 3615, 315);
    PreviewRemote = named(new QCheckBox(tr("Load remote files in the live preview"), page), "PreviewRemote");
    place(PreviewRemote, this, 240, 4260, 4455, 315);

    connect(Option3, &QRadioButton::clicked, this, [this] { browserOptionClicked(false); });
    connect(Option4, &QRadioButton::clicked, this, [this] { browserOptionClicked(true); });
    connect(Command1, &QPushButton::clicked, this, &frmOptions::browseBrowser);
}

void frmOptions::buildStartUpTab(QWidget *page)
{
    OptionFrm[1] = named(new QGroupBox(tr("Project Manager "), page), "OptionFrm1");
    place(OptionFrm[1], this, 120, 240, 5655, 1695);
    ProjManOpt[0] = named(new QRadioButton(tr("Start with Project Manager"), OptionFrm[1]), "ProjManOpt0");
    place(ProjManOpt[0], this, 240, 360, 4455, 315);
    ProjManOpt[1] = named(new QRadioButton(tr("Start with this project:"), OptionFrm[1]), "ProjManOpt1");
    place(ProjManOpt[1], this, 240, 720, 4455, 315);
    // The box lists the project folders; like the original drop-down combo it
    // also shows a stored name that matches no folder (Init reports that
    // one at the next start).
    Combo1 = named(new QComboBox(OptionFrm[1]), "Combo1");
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Combo1->setAccessibleName(tr("Project"));
    Combo1->lineEdit()->setAccessibleName(tr("Project"));
    place(Combo1, this, 480, 1110, 3375, 345);

    for (int i = 0; i < 2; ++i)
        connect(ProjManOpt[i], &QRadioButton::clicked, this, [this, i] { projManClicked(i); });
}

void frmOptions::buildToolsTab(QWidget *page)
{
    Frame1 = named(new QGroupBox(tr(" Custom Tools"), page), "Frame1");
    place(Frame1, this, 120, 120, 5655, 3300);
    Label3 = named(new QLabel(tr("You may customize your tools menu by adding, removing, or changing "
                                 "the items on it."),
                              Frame1),
                   "Label3");
    Label3->setWordWrap(true);
    place(Label3, this, 240, 330, 5175, 495);
    Label2 = named(new QLabel(tr("Installed Tools"), Frame1), "Label2");
    place(Label2, this, 240, 900, 2415, 255);
    List1 = named(new QListWidget(Frame1), "List1");
    List1->setAccessibleName(tr("Tools"));
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    place(List1, this, 240, 1170, 3855, 1935);
    Label2->setBuddy(List1);

    ToolBtn = named(new QPushButton(tr("&Add..."), Frame1), "ToolBtn");
    place(ToolBtn, this, 4320, 1170, 1095, 375);
    Command2 = named(new QPushButton(tr("&Remove"), Frame1), "Command2");
    place(Command2, this, 4320, 1650, 1095, 375);
    Command3 = named(new QPushButton(tr("&Properties"), Frame1), "Command3");
    place(Command3, this, 4320, 2130, 1095, 375);
    Command3->setEnabled(false);
    for (QPushButton *b : {ToolBtn, Command2, Command3})
        b->setAutoDefault(false);

    connect(List1, &QListWidget::itemSelectionChanged, this, &frmOptions::list1Click);
    connect(List1, &QListWidget::itemDoubleClicked, this, [this] { toolProperties(); });
    connect(ToolBtn, &QPushButton::clicked, this, &frmOptions::addTool);
    connect(Command2, &QPushButton::clicked, this, &frmOptions::removeTool);
    connect(Command3, &QPushButton::clicked, this, &frmOptions::toolProperties);
}

// ---------------------------------------------------------------- load

void frmOptions::load()
{
    SettingsStore &s = m_platform.settings;
    using namespace SettingsKeys;

    centreOnScreen(this);

    const bool namedProject = m_state.ProjManOption == 1;
    ProjManOpt[namedProject ? 1 : 0]->setChecked(true);
    Combo1->setEnabled(namedProject);

    Check1->setChecked(m_state.AutoHtmlOption == 1);
    ColourHtml->setChecked(frmEditor::editingAidOn(s, ColourHTML));
    MatchTags->setChecked(frmEditor::editingAidOn(s, SettingsKeys::MatchTags));
    CloseTags->setChecked(frmEditor::editingAidOn(s, SettingsKeys::CloseTags));
    CompleteTags->setChecked(frmEditor::editingAidOn(s, SettingsKeys::CompleteTags));
    PreviewRemote->setChecked(vbValInt(s.read(Settings, SettingsKeys::PreviewRemote, QStringLiteral("0"))) != 0);

    fillProjectList();
    Combo1->setEditText(s.read(Settings, DefaultProj, QStringLiteral("Default")));

    if (!Preview::usesChosenBrowser(s)) {
        Label1->setEnabled(false);
        Command1->setEnabled(false);
        Option3->setChecked(true);
    } else {
        Option4->setChecked(true);
        Label1->setEnabled(true);
        Command1->setEnabled(true);
    }

    const QString browser = s.read(Settings, PBrowser, QString());
    const QFileInfo browserFile(browser);
    Label1->setText(!browser.isEmpty() && browserFile.exists() && !browserFile.isDir() ? browserFile.fileName()
                                                                                      : kNoBrowserLabel);

    ToolTable::load(m_state, s);
    rebuildToolList();
    if (List1->count() > 0)
        List1->setCurrentRow(0);
}

void frmOptions::fillProjectList()
{
    Combo1->clear();
    Combo1->addItems(Paths::listProjects(m_state.projectsRoot));
    if (Combo1->count() > 0)
        Combo1->setCurrentIndex(0);
}

// ---------------------------------------------------------------- saving

void frmOptions::SaveOpt()
{
    SettingsStore &s = m_platform.settings;
    using namespace SettingsKeys;
    m_state.AutoHtmlOption = Check1->isChecked() ? 1 : 0;
    s.write(Settings, ProjMan, QString::number(m_state.ProjManOption));
    // CurrentProject stays: the name takes effect at the next start.
    s.write(Settings, DefaultProj, Combo1->currentText());
    s.write(Settings, AutoHTML, QString::number(m_state.AutoHtmlOption));
    s.write(Settings, ColourHTML, flag(ColourHtml->isChecked()));
    s.write(Settings, SettingsKeys::MatchTags, flag(MatchTags->isChecked()));
    s.write(Settings, SettingsKeys::CloseTags, flag(CloseTags->isChecked()));
    s.write(Settings, SettingsKeys::CompleteTags, flag(CompleteTags->isChecked()));
    s.write(Settings, SettingsKeys::PreviewRemote, flag(PreviewRemote->isChecked()));
    ToolTable::store(m_state, s);
    // Reads the slots back into the table and sets Tools menu items 3..11.
    m_editor.refreshToolsMenu();
    m_editor.applyEditingOptions();
}

// ---------------------------------------------------------------- start-up and browser

void frmOptions::projManClicked(int index)
{
    Combo1->setEnabled(index == 1);
    m_state.ProjManOption = index == 1 ? 1 : 0;
}

void frmOptions::browserOptionClicked(bool chosen)
{
    Label1->setEnabled(chosen);
    Command1->setEnabled(chosen);
    m_platform.settings.write(SettingsKeys::Settings, SettingsKeys::CBrowser,
                              chosen ? QStringLiteral("True") : QStringLiteral("False"));
}

void frmOptions::browseBrowser()
{
    const QString stored = m_platform.settings.read(SettingsKeys::Settings, SettingsKeys::PBrowser, QString());
    m_browserPath = chooseProgram(m_platform.files, this, tr("Find Browser"),
                                  QStringLiteral("Program|*.EXE"), m_browserPath, stored);
    // Cancelled before any browser was chosen in this opening: the label and
    // the stored browser stay as they are rather than being emptied.
    if (m_browserPath.isEmpty())
        return;
    Label1->setText(QFileInfo(m_browserPath).fileName());
    m_platform.settings.write(SettingsKeys::Settings, SettingsKeys::PBrowser, m_browserPath);
}

// ---------------------------------------------------------------- tools

void frmOptions::rebuildToolList()
{
    const QSignalBlocker quiet(List1);
    List1->clear();
    List1->addItems(ToolTable::captions(m_state));
    List1->clearSelection();
    List1->setCurrentRow(-1);
}

int frmOptions::selectedRow() const
{
    const QList<QListWidgetItem *> items = List1->selectedItems();
    return items.isEmpty() ? -1 : List1->row(items.constFirst());
}

void frmOptions::list1Click() { Command3->setEnabled(List1->count() > 0); }

void frmOptions::addTool()
{
    frmInstallTool dialog(m_state, m_platform, this);
    dialog.load();
    dialog.exec();
    rebuildToolList();
}

void frmOptions::removeTool()
{
    if (!m_platform.messages.confirm(this, kDeleteToolText))
        return;
    const int row = selectedRow();
    if (row >= 0)
        ToolTable::remove(m_state, ToolTable::slotForRow(m_state, row));
    rebuildToolList();
    Command3->setEnabled(List1->count() > 0);
}

void frmOptions::toolProperties()
{
    if (List1->count() == 0)
        return;
    if (selectedRow() < 0)
        List1->setCurrentRow(0);
    frmInstallProp dialog(m_state, m_platform, ToolTable::slotForRow(m_state, selectedRow()), this);
    dialog.load();
    dialog.exec();
    rebuildToolList();
    List1->setCurrentRow(0);
}
