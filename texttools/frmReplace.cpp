// SPDX-License-Identifier: GPL-3.0-or-later
#include "texttools/frmReplace.h"

#include "editor/DialogPlacement.h"
#include "editor/ScintillaTextBox.h"
#include "editor/frmEditor.h"
#include "texttools/Replace.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

frmReplace::frmReplace(frmEditor &editor) : QDialog(&editor), m_editor(editor)
{
    setObjectName(QStringLiteral("frmReplace"));
    setWindowTitle(tr("Replace"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    setModal(false);

    // Every control has an access key of its own, the labels' keys focusing their boxes.
    auto *label1 = new QLabel(tr("Fi&nd what:"), this);
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setMinimumWidth(220);
    label1->setBuddy(Text1);
    auto *label2 = new QLabel(tr("Re&place with:"), this);
    Text2 = new QLineEdit(this);
    Text2->setObjectName(QStringLiteral("Text2"));
    label2->setBuddy(Text2);
    Check1 = new QCheckBox(tr("Match &Case"), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check2 = new QCheckBox(tr("Match &whole word only"), this);
    Check2->setObjectName(QStringLiteral("Check2"));

    auto button = [this](const char *caption, const char *name) {
        auto *b = new QPushButton(tr(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        return b;
    };
    CmdFindNext = button(QT_TR_NOOP("&Find Next"), "CmdFindNext");
    CmdFindNext->setDefault(true);
    CmdReplace = button(QT_TR_NOOP("&Replace"), "CmdReplace");
    CmdReplaceAll = button(QT_TR_NOOP("Replace &All"), "CmdReplaceAll");
    CmdClose = button(QT_TR_NOOP("Cl&ose"), "CmdClose");

    auto *grid = new QGridLayout(this);
    grid->addWidget(label1, 0, 0);
    grid->addWidget(Text1, 0, 1);
    grid->addWidget(CmdFindNext, 0, 2);
    grid->addWidget(label2, 1, 0);
    grid->addWidget(Text2, 1, 1);
    grid->addWidget(CmdReplace, 1, 2);
    grid->addWidget(Check1, 2, 1);
    grid->addWidget(CmdReplaceAll, 2, 2);
    grid->addWidget(Check2, 3, 1);
    grid->addWidget(CmdClose, 3, 2);
    grid->setColumnStretch(1, 1);
    setFixedSize(sizeHint());

    connect(Text1, &QLineEdit::textChanged, this, &frmReplace::Text1_Change);
    connect(CmdFindNext, &QPushButton::clicked, this, &frmReplace::findNext);
    connect(CmdReplace, &QPushButton::clicked, this, &frmReplace::replaceOne);
    connect(CmdReplaceAll, &QPushButton::clicked, this, &frmReplace::replaceAll);
    connect(CmdClose, &QPushButton::clicked, this, &QDialog::reject); // Esc too
    Text1_Change();
}

void frmReplace::load()
{
    const QString selected = m_editor.txtEdit().selectedText();
    if (!selected.isEmpty() && !selected.contains(u'\n') && !selected.contains(u'\r'))
        Text1->setText(selected);
    if (!isVisible())
        centreOnScreen(this);
    Text1->selectAll();
    Text1->setFocus();
}

Replace::Rules frmReplace::rules() const { return {Check1->isChecked() ? 1 : 0, Check2->isChecked()}; }

void frmReplace::Text1_Change()
{
    const bool searchable = !Text1->text().isEmpty();
    for (QPushButton *b : {CmdFindNext, CmdReplace, CmdReplaceAll})
        b->setEnabled(searchable);
}

// Selects the next match after the selection, going on from the top past
// the last one; says so on the status line, or that there is none.
bool frmReplace::findNext()
{
    TextBox &box = m_editor.txtEdit();
    const QString what = Text1->text();
    const Replace::Found found = Replace::findNext(box.text(), what, box.selStart() + box.selLength(), rules());
    if (found.at < 0) {
        m_editor.showNote(tr("No more matches found."));
        return false;
    }
    box.setSelection(found.at, int(what.size()));
    m_editor.showNote(found.wrapped ? tr("Search wrapped to the top of the page.") : QString());
    return true;
}

void frmReplace::replaceOne()
{
    ScintillaTextBox &box = *m_editor.editorWidget();
    if (Replace::isMatch(box.text(), box.selStart(), box.selLength(), Text1->text(), rules())) {
        const QString with = Text2->text();
        box.programEdit([&] { box.replaceSelection(with); });
    }
    findNext();
}

void frmReplace::replaceAll()
{
    ScintillaTextBox &box = *m_editor.editorWidget();
    const Replace::Span span = Replace::replaceAll(box.text(), Text1->text(), Text2->text(), rules());
    if (span.count > 0)
        box.programEdit([&] { box.replaceRange(span.start, span.length, span.text); });
    m_editor.showNote(Replace::replacedMessage(span.count));
}
