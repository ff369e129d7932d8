// SPDX-License-Identifier: GPL-3.0-or-later
#include "spell/frmSpell.h"

#include "core/AppState.h"
#include "core/PageOps.h"
#include "core/PageText.h"
#include "core/Paths.h"
#include "core/SafeFile.h"
#include "core/TextBox.h"
#include "editor/frmEditor.h"
#include "platform/MessageBoxes.h"
#include "platform/Platform.h"
#include "spell/Profiler.h"
#include "spell/SpellDictionary.h"

#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

frmSpell::frmSpell(frmEditor &editor) : QDialog(&editor), m_editor(editor)
{
    setObjectName(QStringLiteral("frmSpell"));
    setWindowTitle(tr("Spelling Profiler"));

    Option1 = new QRadioButton(tr("Current Page Only"), this);
    Option1->setObjectName(QStringLiteral("Option1"));
    Option2 = new QRadioButton(tr("Entire Project"), this);
    Option2->setObjectName(QStringLiteral("Option2"));
    Option2->setEnabled(false); // whole-project runs are not offered
    Command2 = new QPushButton(tr("&Start"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setDefault(true);

    Frame1 = new QGroupBox(tr(" Spelling Errors "), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    List1 = new QListWidget(Frame1);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setAccessibleName(tr("Spelling Errors"));
    // Report lines are laid out in columns.
    List1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    List1->setUniformItemSizes(true);
    auto *frameLayout = new QVBoxLayout(Frame1);
    frameLayout->addWidget(List1);

    // The excerpt box is one line high. An excerpt may run over a line break
    // of the page: its first line shows from the top and the box cuts off the
    // rest (a centred label would cut through both lines instead).
    auto *excerptBox = new QFrame(this);
    excerptBox->setObjectName(QStringLiteral("ExcerptBox"));
    excerptBox->setFrameShape(QFrame::Panel);
    excerptBox->setFrameShadow(QFrame::Sunken);
    Label1 = new QLabel(excerptBox);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextFormat(Qt::PlainText); // page text, never markup
    Label1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setFixedHeight(Label1->fontMetrics().height());
    Label1->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    auto *excerptLayout = new QHBoxLayout(excerptBox);
    excerptLayout->setContentsMargins(4, 3, 4, 3);
    excerptLayout->addWidget(Label1);

    Command1 = new QPushButton(tr("&Close"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setAutoDefault(false);

    auto *top = new QHBoxLayout;
    top->addWidget(Option1);
    top->addWidget(Option2);
    top->addStretch();
    top->addWidget(Command2);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(excerptBox, 1);
    bottom->addWidget(Command1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(Frame1, 1);
    layout->addLayout(bottom);
    resize(560, 360);

    connect(Command2, &QPushButton::clicked, this, &frmSpell::start);
    // Esc closes the dialog through reject(), as Close does.
    connect(Command1, &QPushButton::clicked, this, &QDialog::reject);
    connect(List1, &QListWidget::currentRowChanged, this, &frmSpell::lineSelected);
}

void frmSpell::load()
{
    Option1->setChecked(true);
    Label1->clear();
    List1->clear();
}

void frmSpell::start()
{
    List1->clear();
    AppState &state = m_editor.state();
    curpage = m_editor.currentPageName();
    m_dictionary = Paths::dictionary(state.dataDir);
    if (!chspell(Paths::pagePath(state.projectsRoot, state.CurrentProject, curpage)))
        return;
    if (List1->count() == 0)
        m_editor.platform().messages.inform(this, tr("No Errors Found."),
                                            tr("Profiling Complete"), MessageRequest::Icon::Information);
}

bool frmSpell::chspell(const QString &path)
{
    QByteArray bytes;
    if (!readWholeFile(path, bytes)) {
        m_editor.platform().messages.inform(this, kOpenErrorText, tr("Spelling Profiler"),
                                            MessageRequest::Icon::Exclamation);
        return false;
    }
    const QString pageText = decodePage(bytes).text;
    bytes.clear();
    if (m_dictionary.isEmpty())
        m_dictionary = Paths::dictionary(m_editor.state().dataDir);
    m_runText = m_editor.txtEdit().text();
    m_running = true;
    m_session = std::make_unique<SpellDictionary::Session>(SpellDictionary(m_dictionary));
    Profiler::scanPage(pageText, m_runText, [this](qint32 position, const QString &word) {
        curpos = position;
        if (!word.isEmpty())
            chWord(word);
    });
    // Adding and selecting line by line costs a relayout of the list each
    // time; the lines of a run go in at once, and the last one is selected,
    // as it would be after selecting each in turn.
    List1->addItems(m_pending);
    m_pending.clear();
    if (List1->count() > 0)
        List1->setCurrentRow(List1->count() - 1);
    m_running = false;
    m_session.reset();
    m_runText.clear();
    return true;
}

int frmSpell::chWord(const QString &word)
{
    if (m_dictionary.isEmpty())
        m_dictionary = Paths::dictionary(m_editor.state().dataDir);
    const bool found = m_session ? m_session->lookup(word).found : SpellDictionary(m_dictionary).lookup(word).found;
    if (found)
        return 1;
    const QString line = Profiler::reportLine(curpage, curpos, word);
    if (m_running) {
        m_pending << line;
        return 0;
    }
    List1->addItem(line);
    List1->setCurrentRow(List1->count() - 1);
    return 0;
}

void frmSpell::lineSelected()
{
    const QListWidgetItem *item = List1->currentItem();
    if (!item)
        return; // the list was cleared: the excerpt keeps its text
    const qint32 position = Profiler::reportPosition(item->text());
    const QString text = m_running ? m_runText : m_editor.txtEdit().text();
    Label1->setText(Profiler::excerpt(text, position));
}
