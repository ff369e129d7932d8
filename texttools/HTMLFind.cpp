// SPDX-License-Identifier: GPL-3.0-or-later
#include "texttools/HTMLFind.h"

#include "texttools/FindState.h"
#include "editor/DialogPlacement.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

HTMLFind::HTMLFind(FindState &state, QWidget *parent) : QDialog(parent), m_state(state)
{
    setObjectName(QStringLiteral("HTMLFind"));
    setWindowTitle(tr("Find"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    Label1 = new QLabel(tr("Find what:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setMinimumWidth(220);
    Label1->setBuddy(Text1);
    // A click on the label puts the caret in the text box.
    Label1->installEventFilter(this);

    Check1 = new QCheckBox(tr("Match &Case"), this);
    Check1->setObjectName(QStringLiteral("Check1"));

    Command1 = new QPushButton(tr("&Find"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setDefault(true);
    Command1->setEnabled(false);
    Command2 = new QPushButton(tr("&Cancel"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setAutoDefault(false);

    auto *grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(Text1, 0, 1);
    grid->addWidget(Command1, 0, 2);
    grid->addWidget(Check1, 1, 1);
    grid->addWidget(Command2, 1, 2);
    grid->setColumnStretch(1, 1);
    setLayout(grid);
    setFixedSize(sizeHint());

    connect(Text1, &QLineEdit::textChanged, this, &HTMLFind::Text1_Change);
    connect(Command1, &QPushButton::clicked, this, &HTMLFind::Command1_Click);
    // Esc closes through reject() as well.
    connect(Command2, &QPushButton::clicked, this, &QDialog::reject);
}

void HTMLFind::load()
{
    centreOnScreen(this);
    Text1->setText(m_state.searchText);
    Text1->selectAll();
    Check1->setChecked(m_state.matchCase == 1);
    Text1_Change();
    Text1->setFocus();
}

void HTMLFind::Text1_Change() { Command1->setEnabled(!Text1->text().isEmpty()); }

void HTMLFind::Command1_Click()
{
    m_state.searchText = Text1->text();
    m_state.matchCase = Check1->isChecked() ? 1 : 0;
    accept();
}

bool HTMLFind::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Label1 && event->type() == QEvent::MouseButtonPress)
        Text1->setFocus(Qt::MouseFocusReason);
    return QDialog::eventFilter(watched, event);
}
