// SPDX-License-Identifier: GPL-3.0-or-later
#include "spell/frmSpellSug.h"

#include "core/AppState.h"
#include "core/Paths.h"
#include "platform/MessageBoxes.h"
#include "platform/Platform.h"
#include "spell/SpellDictionary.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

frmSpellSug::frmSpellSug(AppState &state, Platform &platform, QWidget *parent)
    : QDialog(parent), m_state(state), m_platform(platform)
{
    setObjectName(QStringLiteral("frmSpellSug"));
    setWindowTitle(tr("Spell Check"));

    auto label = [this](QLabel *&target, const char *name, const QString &caption) {
        target = new QLabel(caption, this);
        target->setObjectName(QString::fromLatin1(name));
    };
    label(Label1, "Label1", tr("Search &Text::"));
    label(Label2, "Label2", tr("Change &To:"));
    label(Label3, "Label3", tr("Suggestio&ns:"));
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->installEventFilter(this);
    Text2 = new QLineEdit(this);
    Text2->setObjectName(QStringLiteral("Text2"));
    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setAccessibleName(tr("Suggestions"));
    Label1->setBuddy(Text1);
    Label2->setBuddy(Text2);
    Label3->setBuddy(List1);

    auto button = [this](QPushButton *&target, const char *name, const QString &caption) {
        target = new QPushButton(caption, this);
        target->setObjectName(QString::fromLatin1(name));
    };
    button(Command1, "Command1", tr("&Suggest"));
    button(Command2, "Command2", tr("&Cancel"));
    button(Command3, "Command3", tr("&About"));
    Command1->setDefault(true);

    auto *fields = new QGridLayout;
    fields->addWidget(Label1, 0, 0);
    fields->addWidget(Text1, 0, 1);
    fields->addWidget(Label2, 1, 0);
    fields->addWidget(Text2, 1, 1);
    fields->addWidget(Label3, 2, 0, Qt::AlignTop);
    fields->addWidget(List1, 2, 1);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    buttons->addWidget(Command3);
    buttons->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(fields, 1);
    layout->addLayout(buttons);
    resize(420, 300);

    setTabOrder(List1, Text1);
    setTabOrder(Text1, Command1);
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Command3);
    setTabOrder(Command3, Text2);

    connect(Command1, &QPushButton::clicked, this, &frmSpellSug::suggest);
    // Cancel closes this dialog only; Esc does the same through reject().
    connect(Command2, &QPushButton::clicked, this, &QDialog::reject);
    connect(Command3, &QPushButton::clicked, this, &frmSpellSug::about);
    connect(List1, &QListWidget::currentRowChanged, this, &frmSpellSug::lineSelected);
}

void frmSpellSug::load()
{
    Text1->clear();
    Text2->clear();
    List1->clear();
    // The word is typed first: the search box takes the focus, although the
    // (empty) suggestion list comes first in the tab order.
    Text1->setFocus();
}

void frmSpellSug::suggest()
{
    Text2->clear();
    const QString word = Text1->text();
    if (word.isEmpty()) {
        m_platform.messages.inform(this, tr("No word"), tr("Error"),
                                   MessageRequest::Icon::Question);
        return;
    }
    List1->clear();
    const SpellDictionary::Result r = SpellDictionary(Paths::dictionary(m_state.dataDir)).suggest(word);
    if (r.found) {
        m_platform.messages.inform(this, tr("Spelling is correct."), tr("Spell Check Message"),
                                   MessageRequest::Icon::Information);
        return;
    }
    List1->addItems(r.suggestions);
    if (List1->count() > 0)
        List1->setCurrentRow(0);
}

void frmSpellSug::about()
{
    m_platform.messages.inform(this, tr("Spell Check Alpha for Tagsmith 1.0"),
                               tr("About Spell Check Alpha"), MessageRequest::Icon::Information);
}

void frmSpellSug::lineSelected()
{
    if (const QListWidgetItem *item = List1->currentItem())
        Text2->setText(item->text());
}

bool frmSpellSug::eventFilter(QObject *watched, QEvent *event)
{
    // Entering the search box selects its whole text.
    if (watched == Text1 && event->type() == QEvent::FocusIn)
        QTimer::singleShot(0, Text1, [t = Text1] { t->selectAll(); });
    return QDialog::eventFilter(watched, event);
}
