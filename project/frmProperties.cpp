// SPDX-License-Identifier: GPL-3.0-or-later
#include "project/frmProperties.h"

#include "core/AppState.h"
#include "core/Paths.h"
#include "core/TextBox.h"
#include "editor/Twips.h"
#include "editor/frmEditor.h"
#include "editor/DialogPlacement.h"
#include "project/PropertiesText.h"

#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>

namespace {
// Client area of the dialog and of the tab's page, in twips.
constexpr int kWidth = 5655, kHeight = 5280;
constexpr int kValueLeft = 1320, kValueWidth = 3915;
} // namespace

frmProperties::frmProperties(frmEditor &editor) : QDialog(&editor), m_editor(editor)
{
    setObjectName(QStringLiteral("frmProperties"));
    setWindowTitle(tr("Properties"));
    QFont f = font();
    f.setPointSizeF(8.25);
    setFont(f);
    setFixedSize(twipsToPxX(kWidth, this), twipsToPxY(kHeight, this));

    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->setAccessibleName(tr("Properties"));
    placeTwips(SSTab1, 120, 120, 5415, 4425);
    auto *general = new QWidget;
    general->setObjectName(QStringLiteral("General"));
    SSTab1->addTab(general, tr("General"));

    auto label = [&](const char *name, const QString &text, int left, int top, int width) {
        auto *l = new QLabel(text, general);
        l->setObjectName(QString::fromLatin1(name));
        placeTwips(l, left, top, width, 255);
        return l;
    };
    auto line = [&](int top) {
        auto *fr = new QFrame(general);
        fr->setFrameShape(QFrame::HLine);
        fr->setFrameShadow(QFrame::Sunken);
        placeTwips(fr, 120, top, 5055, 30);
        return fr;
    };

    Image1 = new QLabel(general);
    Image1->setObjectName(QStringLiteral("Image1"));
    placeTwips(Image1, 240, 240, 480, 480);
    Image1->setPixmap(style()->standardIcon(QStyle::SP_FileIcon).pixmap(Image1->size()));
    Label1 = label("Label1", QString(), kValueLeft, 360, kValueWidth);

    Frame1[0] = line(900);
    Frame1[0]->setObjectName(QStringLiteral("Frame1_0"));

    Label2 = label("Label2", tr("Type:"), 240, 1080, 1000);
    Label3 = label("Label3", QString(), kValueLeft, 1080, kValueWidth);
    Label4 = label("Label4", tr("Location:"), 240, 1440, 1000);
    Label5 = label("Label5", QString(), kValueLeft, 1440, kValueWidth);
    // A long folder path may break onto a second line.
    Label5->setWordWrap(true);
    Label5->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeTwips(Label5, kValueLeft, 1440, kValueWidth, 495);
    Label6 = label("Label6", tr("Size:"), 240, 2040, 1000);
    Label7 = label("Label7", QString(), kValueLeft, 2040, kValueWidth);

    Frame1[1] = line(2460);
    Frame1[1]->setObjectName(QStringLiteral("Frame1_1"));

    Label8 = label("Label8", tr("Title:"), 240, 2700, 1000);
    Text1 = new QLineEdit(general);
    Text1->setObjectName(QStringLiteral("Text1"));
    Label8->setBuddy(Text1); // its name for screen readers
    Text1->setReadOnly(true);
    Text1->setStyleSheet(QStringLiteral("QLineEdit { background-color: rgb(192, 192, 192); }"));
    placeTwips(Text1, kValueLeft, 2640, kValueWidth, 315);
    Label9 = label("Label9", tr("Modified:"), 240, 3120, 1000);
    Label10 = label("Label10", QString(), kValueLeft, 3120, kValueWidth);

    Command1 = new QPushButton(tr("&OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setDefault(true);
    placeTwips(Command1, 2040, 4710, 1095, 375);
    Command2 = new QPushButton(tr("&Cancel"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    placeTwips(Command2, 3240, 4710, 1095, 375);
    Command3 = new QPushButton(tr("&Apply"), this);
    Command3->setObjectName(QStringLiteral("Command3"));
    Command3->setEnabled(false);
    placeTwips(Command3, 4440, 4710, 1095, 375);

    // Both close the dialog and do nothing else.
    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Command2, &QPushButton::clicked, this, &QDialog::reject);
}

void frmProperties::load()
{
    centreOnScreen(this);
    const AppState &state = m_editor.state();
    const QString name = m_editor.currentPageName();
    const QString folder = Paths::projectFolder(state.projectsRoot, state.CurrentProject) + u'/';

    Label1->setText(name);
    Label3->setText(tr("HTML WWW Page"));
    Label5->setText(folder);
    Label5->setToolTip(folder);

    // Size and time of the file as last saved, not of the text being edited.
    const QFileInfo file(Paths::pagePath(state.projectsRoot, state.CurrentProject, name));
    if (!name.isEmpty() && file.isFile()) {
        Label7->setText(formatFileSize(file.size()));
        Label10->setText(formatModifiedTime(file.lastModified()));
    } else {
        Label7->setText(kNoFileText);
        Label10->setText(kNoFileText);
    }

    // The title of the text as it stands in the editor, saved or not.
    Text1->setText(propertiesTitle(m_editor.txtEdit().text()));
    Text1->setCursorPosition(0);
}
