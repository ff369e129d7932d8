// SPDX-License-Identifier: GPL-3.0-or-later
#include "project/ProjMan.h"

#include "core/AppState.h"
#include "core/Paths.h"
#include "editor/Twips.h"
#include "platform/Desktop.h"
#include "platform/MessageBoxes.h"
#include "platform/Platform.h"
#include "editor/DialogPlacement.h"
#include "project/FolderProjects.h"

#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

namespace {
// Client area of the dialog, in twips.
constexpr int kWidth = 5505, kHeight = 3630;
// A folder project's item holds its path here; a project below the root has none.
constexpr int kFolderRole = Qt::UserRole + 1;

QString projectOf(const QListWidgetItem *item)
{
    const QString folder = item->data(kFolderRole).toString();
    return folder.isEmpty() ? item->text() : folder;
}
} // namespace

bool createProjectFolder(const QString &root, const QString &name)
{
    if (!Paths::isSafeName(name))
        return false;
    // resolve() finds an existing entry of any case: the name is taken then.
    if (QFileInfo::exists(Paths::resolve(root, name)))
        return false;
    return QDir(root).mkdir(name);
}

ProjMan::ProjMan(AppState &state, Platform &platform, QWidget *parent)
    : QDialog(parent), m_state(state), m_platform(platform)
{
    setObjectName(QStringLiteral("ProjMan"));
    setWindowTitle(tr("Project Manager"));
    QFont f = font();
    f.setPointSizeF(8.25);
    setFont(f);
    setFixedSize(twipsToPxX(kWidth, this), twipsToPxY(kHeight, this));

    Command1 = new QPushButton(tr("&OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setDefault(true);
    placeTwips(Command1, 4200, 195, 1095, 375);

    Command2 = new QPushButton(tr("&Cancel"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    placeTwips(Command2, 4200, 675, 1095, 375);

    Command3 = new QPushButton(tr("&Remove"), this);
    Command3->setObjectName(QStringLiteral("Command3"));
    Command3->setToolTip(tr("Take the selected folder off the list (the folder stays as it is)"));
    Command3->setEnabled(false);
    placeTwips(Command3, 4200, 1155, 1095, 375);

    Frame1 = new QGroupBox(tr(" Project Options "), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    placeTwips(Frame1, 120, 90, 3915, 3420);

    Option1 = new QRadioButton(tr("Open Existing Project"), Frame1);
    Option1->setObjectName(QStringLiteral("Option1"));
    Option1->setChecked(true);
    placeTwips(Option1, 180, 270, 3555, 285);

    List1 = new QListWidget(Frame1);
    List1->setAccessibleName(tr("Projects"));
    List1->setObjectName(QStringLiteral("List1"));
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    placeTwips(List1, 420, 585, 3315, 1695);

    Option2 = new QRadioButton(tr("Create New Project"), Frame1);
    Option2->setObjectName(QStringLiteral("Option2"));
    placeTwips(Option2, 180, 2385, 3555, 285);

    Label1 = new QLabel(tr("Project Name:"), Frame1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setEnabled(false);
    placeTwips(Label1, 240, 2865, 1335, 255);

    Text1 = new QLineEdit(Frame1);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setEnabled(false);
    placeTwips(Text1, 1620, 2805, 2115, 315);
    Label1->setBuddy(Text1);

    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Command3);
    setTabOrder(Command3, Option1);
    setTabOrder(Option1, List1);
    setTabOrder(List1, Option2);
    setTabOrder(Option2, Text1);

    connect(Command1, &QPushButton::clicked, this, &ProjMan::okClicked);
    connect(Command2, &QPushButton::clicked, this, &ProjMan::secondButtonClicked);
    connect(Option1, &QRadioButton::clicked, this, &ProjMan::openModeClicked);
    connect(Option2, &QRadioButton::clicked, this, &ProjMan::createModeClicked);
    connect(Text1, &QLineEdit::textChanged, this, &ProjMan::nameChanged);
    connect(List1, &QListWidget::itemDoubleClicked, this, &ProjMan::listDoubleClicked);
    connect(List1, &QListWidget::currentItemChanged, this, &ProjMan::updateRemove);
    connect(Command3, &QPushButton::clicked, this, &ProjMan::removeClicked);
}

void ProjMan::load()
{
    centreOnScreen(this);
    Command2->setText(m_state.StartingUp == 1 ? tr("E&xit") : tr("&Cancel"));
    fillList();
}

void ProjMan::fillList()
{
    List1->clear();
    const QString root = m_state.projectsRoot;
    // Folders only (plain files lying in the projects root are not
    // projects), sorted alphabetically without regard to case.
    List1->addItems(Paths::listProjects(root));
    // Then the folders opened as projects, by their path.
    const QIcon folderIcon = style()->standardIcon(QStyle::SP_DirIcon);
    for (const QString &folder : FolderProjects::remembered(m_platform.settings)) {
        auto *item = new QListWidgetItem(folderIcon, Paths::projectLabel(folder), List1);
        item->setData(kFolderRole, folder);
        item->setToolTip(tr("Folder %1").arg(Paths::projectLabel(folder)));
        item->setData(Qt::AccessibleTextRole, tr("Folder %1").arg(Paths::projectLabel(folder)));
    }
    // The first entry is preselected, not the current project.
    if (List1->count() > 0)
        List1->setCurrentRow(0);
}

void ProjMan::okClicked()
{
    if (Option2->isChecked()) {
        const QString name = Text1->text(); // exactly as typed: no trimming, no case change
        if (createProjectFolder(m_state.projectsRoot, name))
            m_state.CurrentProject = name;
        else
            m_platform.messages.inform(this, kCreateProjectErrorText, tr("Error"),
                                       MessageRequest::Icon::None);
    } else if (QListWidgetItem *item = List1->currentItem()) {
        // With no entry to pick (an empty projects root) the project stays as it was.
        m_state.CurrentProject = projectOf(item);
    }
    accept();
}

void ProjMan::secondButtonClicked()
{
    if (m_state.StartingUp == 1) {
        if (!m_platform.messages.confirm(this, kExitQuestionText))
            return; // No: the dialog stays open as it is
        // Yes: the program ends at once, without the main window's closing steps.
        m_platform.end.endNow();
        QDialog::reject();
        return;
    }
    QDialog::reject();
}

void ProjMan::reject() { secondButtonClicked(); }

void ProjMan::openModeClicked()
{
    Text1->setEnabled(false);
    Label1->setEnabled(false);
    List1->setEnabled(true);
    if (Text1->text().isEmpty())
        Command1->setEnabled(true);
    updateRemove();
}

void ProjMan::createModeClicked()
{
    Text1->setEnabled(true);
    Label1->setEnabled(true);
    List1->setEnabled(false);
    if (Text1->text().isEmpty())
        Command1->setEnabled(false);
    updateRemove();
}

void ProjMan::nameChanged(const QString &text) { Command1->setEnabled(!text.isEmpty()); }

void ProjMan::listDoubleClicked(QListWidgetItem *item)
{
    if (!item)
        return;
    m_state.CurrentProject = projectOf(item);
    accept();
}

void ProjMan::updateRemove()
{
    const QListWidgetItem *item = List1->currentItem();
    Command3->setEnabled(List1->isEnabled() && item && !item->data(kFolderRole).toString().isEmpty());
}

void ProjMan::removeClicked()
{
    QListWidgetItem *item = List1->currentItem();
    if (!item || item->data(kFolderRole).toString().isEmpty())
        return;
    FolderProjects::forget(m_platform.settings, item->data(kFolderRole).toString());
    delete item;
    updateRemove();
    List1->setFocus();
}
