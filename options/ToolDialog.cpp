// SPDX-License-Identifier: GPL-3.0-or-later
#include "options/ToolDialog.h"

#include "editor/DialogPlacement.h"
#include "editor/Twips.h"
#include "options/ProgramChooser.h"
#include "platform/Desktop.h"
#include "platform/MessageBoxes.h"
#include "platform/Platform.h"

#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace {
// Client area in twips; the intro line of Install Tool adds kIntro on top.
constexpr int kWidth = 4710, kHeight = 2025, kIntro = 660;
} // namespace

ToolDialog::ToolDialog(AppState &state, Platform &platform, QWidget *parent, bool withIntro)
    : QDialog(parent), m_state(state), m_platform(platform)
{
    const int top = withIntro ? kIntro : 0;
    setFixedSize(twipsToPxX(kWidth, this), twipsToPxY(kHeight + top, this));

    Frame1 = new QGroupBox(tr(" Tool Properties "), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    placeTwips(Frame1, 120, top + 60, 4470, 1320);

    Label2 = new QLabel(tr("Caption:"), Frame1);
    Label2->setObjectName(QStringLiteral("Label2"));
    placeTwips(Label2, 180, 390, 840, 255);
    Text1 = new QLineEdit(Frame1);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setMaxLength(kCaptionMax);
    placeTwips(Text1, 1020, 330, 3270, 315);
    Label2->setBuddy(Text1);

    Label3 = new QLabel(tr("Tool:"), Frame1);
    Label3->setObjectName(QStringLiteral("Label3"));
    placeTwips(Label3, 180, 840, 840, 255);
    Text2 = new QLineEdit(Frame1);
    Text2->setObjectName(QStringLiteral("Text2"));
    Label3->setBuddy(Text2); // its name for screen readers
    Text2->setReadOnly(true);
    Text2->setFocusPolicy(Qt::NoFocus);
    {
        // Grey like the dialog face: the program is chosen, not typed.
        QPalette p = Text2->palette();
        p.setColor(QPalette::Base, p.color(QPalette::Button));
        Text2->setPalette(p);
    }
    placeTwips(Text2, 1020, 780, 2190, 315);
    Command3 = new QPushButton(tr("&Browse..."), Frame1);
    Command3->setObjectName(QStringLiteral("Command3"));
    placeTwips(Command3, 3300, 765, 990, 345);

    Command1 = new QPushButton(tr("&Ok"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setDefault(true);
    Command1->setEnabled(false);
    placeTwips(Command1, 2220, top + 1530, 1095, 375);
    Command2 = new QPushButton(tr("&Cancel"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    placeTwips(Command2, 3495, top + 1530, 1095, 375);

    connect(Text1, &QLineEdit::textChanged, this, &ToolDialog::updateOk);
    connect(Text2, &QLineEdit::textChanged, this, &ToolDialog::updateOk);
    connect(Command3, &QPushButton::clicked, this, &ToolDialog::browse);
    connect(Command1, &QPushButton::clicked, this, [this] { okClicked(); });
    // "&Cancel" (and Esc) closes; the table is left as it was.
    connect(Command2, &QPushButton::clicked, this, &QDialog::reject);
}

void ToolDialog::centre()
{
    centreOnScreen(this);
}

void ToolDialog::updateOk() { Command1->setEnabled(!Text1->text().isEmpty() && !Text2->text().isEmpty()); }

bool ToolDialog::fieldsFilled()
{
    if (!Text1->text().isEmpty() && !Text2->text().isEmpty())
        return true;
    m_platform.messages.inform(this, kToolFieldsText, kToolFieldsTitle, MessageRequest::Icon::Question);
    return false;
}

void ToolDialog::browse()
{
    // Cancelling keeps the file chosen earlier, if any.
    m_chosenPath = chooseProgram(m_platform.files, this, tr("Choose Tool"),
                                 QStringLiteral("Programs|*.exe"), m_chosenPath, storedProgram());
    const QString name = QFileInfo(m_chosenPath).fileName();
    if (!name.isEmpty())
        Text2->setText(name);
}
