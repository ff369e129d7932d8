// SPDX-License-Identifier: GPL-3.0-or-later
#include "project/webNew.h"

#include "core/AppState.h"
#include "core/PageOps.h"
#include "core/PageText.h"
#include "core/Paths.h"
#include "core/SafeFile.h"
#include "core/TextBox.h"
#include "core/WebAddresses.h"
#include "editor/Twips.h"
#include "editor/frmEditor.h"
#include "platform/MessageBoxes.h"
#include "platform/Platform.h"
#include "editor/DialogPlacement.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {
// Client area of the dialog, in twips.
constexpr int kWidth = 4935, kHeight = 2700;
} // namespace

QString newPageCommentLine()
{
    return QStringLiteral("<!-- This page was created using Tagsmith (") + kMakerWebSite + QStringLiteral(") -->");
}

webNew::webNew(frmEditor &editor) : QDialog(&editor), m_editor(editor)
{
    setObjectName(QStringLiteral("webNew"));
    setWindowTitle(tr("New Web Page"));
    QFont f = font();
    f.setPointSizeF(8.25);
    setFont(f);
    setFixedSize(twipsToPxX(kWidth, this), twipsToPxY(kHeight, this));

    Label1 = new QLabel(
        tr("For a page to work on your web server you need to name it with a HTM or HTML extension.  "),
        this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeTwips(Label1, 120, 120, 4695, 435);

    Label2 = new QLabel(
        tr("Type a name for your new page below.  Then choose either HTM or HTML as your extension."), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeTwips(Label2, 120, 615, 4695, 435);

    Label3 = new QLabel(tr("Filename:"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    placeTwips(Label3, 120, 1200, 855, 255);

    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    placeTwips(Text1, 1020, 1140, 3795, 315);
    Label3->setBuddy(Text1);

    Option1 = new QRadioButton(tr("HTM"), this);
    Option1->setObjectName(QStringLiteral("Option1"));
    placeTwips(Option1, 1020, 1530, 855, 255);

    Option2 = new QRadioButton(tr("HTML"), this);
    Option2->setObjectName(QStringLiteral("Option2"));
    Option2->setChecked(true);
    placeTwips(Option2, 1980, 1530, 975, 255);

    // Etched separator: a grey line with a white one directly below it.
    auto *Line1 = new QFrame(this);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setStyleSheet(QStringLiteral("background-color: rgb(128, 128, 128);"));
    placeTwips(Line1, 120, 1905, 4695, 15);
    Line1->setFixedHeight(1);
    auto *Line2 = new QFrame(this);
    Line2->setObjectName(QStringLiteral("Line2"));
    Line2->setStyleSheet(QStringLiteral("background-color: rgb(255, 255, 255);"));
    placeTwips(Line2, 120, 1905, 4695, 15);
    Line2->setFixedHeight(1);
    Line2->move(Line1->x(), Line1->y() + 1);

    Command1 = new QPushButton(tr("&Add"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setDefault(true);
    placeTwips(Command1, 2520, 2100, 1095, 375);

    Command2 = new QPushButton(tr("&Cancel"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    placeTwips(Command2, 3720, 2100, 1095, 375);

    setTabOrder(Text1, Option1);
    setTabOrder(Option1, Option2);
    setTabOrder(Option2, Command1);
    setTabOrder(Command1, Command2);

    connect(Command1, &QPushButton::clicked, this, &webNew::addClicked);
    // "&Cancel" (and Esc) closes the dialog and changes nothing.
    connect(Command2, &QPushButton::clicked, this, &QDialog::reject);
}

void webNew::load() { centreOnScreen(this); }

void webNew::addClicked()
{
    AppState &state = m_editor.state();
    Platform &platform = m_editor.platform();
    TextBox &box = m_editor.txtEdit();

    // A page lives in the project folder itself: a name with a folder
    // separator is refused before anything else happens, and the dialog
    // stays open for another name.
    if (Text1->text().contains(u'/') || Text1->text().contains(u'\\')) {
        platform.messages.inform(this, kPageNameSeparatorText, windowTitle(), MessageRequest::Icon::Exclamation);
        Text1->setFocus();
        Text1->selectAll();
        return;
    }
    // 1. The extension chosen.
    const QString ext = Option1->isChecked() ? QStringLiteral(".htm") : QStringLiteral(".html");
    // 2. The name box shows the lower-cased name.
    Text1->setText(Text1->text().toLower());
    const QString name = Text1->text();
    // 3. No name: nothing happens.
    if (name.isEmpty()) {
        accept();
        return;
    }
    // Any other name that would leave the project folder, or a project name
    // that would leave the projects root, is refused as a failed write,
    // before anything is saved or emptied.
    if (!Paths::isSafeName(name + ext) || !Paths::isProject(state.CurrentProject)) {
        platform.messages.inform(this, kSaveErrorText, QStringLiteral("Tagsmith"), MessageRequest::Icon::Exclamation);
        accept();
        return;
    }
    // 4. The page being edited goes to its own file first. If that fails the
    // editor is not emptied, so the unsaved text stays on screen.
    if (m_editor.pageCount() >= 1 && !SavePage(platform, m_editor, state.CurrentPagePath)) {
        accept();
        return;
    }
    // 5. The new page's path: the name as typed (lower-cased) plus the extension.
    state.CurrentPagePath = Paths::pagePath(state.projectsRoot, state.CurrentProject, name + ext);
    // 6. The editor holds the comment line alone, the caret after it.
    box.setText(QString());
    box.setEncoding(TextEncoding::Utf8);
    box.replaceSelection(newPageCommentLine());
    // 7. The skeleton follows, taken as it is; without it the page is the comment line alone.
    QByteArray skeleton;
    if (readWholeFile(Paths::defaultTemplate(state.dataDir), skeleton)) {
        const PageText page = decodePage(skeleton);
        box.setEncoding(page.encoding); // so that its bytes are written back unchanged
        box.setSelStart(box.length());
        box.replaceSelection(page.text);
    }
    // 8. Written to disk, asking before an existing file is replaced.
    const QString path = state.CurrentPagePath;
    if (!SavePageAs(platform, m_editor, path)) {
        // Not written (declined or failed): the new text exists nowhere on
        // disk, and the page switches of the rebuild below must not write it
        // into whatever file CurrentPagePath names.
        m_editor.setPageLoaded(0);
    }
    // 9. Caption.
    m_editor.setCaption(state.CurrentPagePath + QStringLiteral(" - Tagsmith"));
    // 10. The list rebuild (it decides which page is shown).
    m_editor.updatelist();
    // 11.
    accept();
}
