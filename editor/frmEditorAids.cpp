// SPDX-License-Identifier: GPL-3.0-or-later
// The editing aids of the main window: each one a decorator of the editing
// area, created, put in the menus and switched here.
#include "editor/frmEditor.h"

#include "core/SettingsKeys.h"
#include "editor/CaretPosition.h"
#include "editor/HtmlColouring.h"
#include "editor/LineNumbers.h"
#include "editor/MenuItems.h"
#include "editor/ScintillaTextBox.h"
#include "editor/TagCloser.h"
#include "editor/TagCompletion.h"
#include "editor/TagMatch.h"
#include "editor/TypeOver.h"
#include "platform/Platform.h"
#include "platform/SettingsStore.h"
#include "preview/LivePreview.h"

#include <QLabel>

void frmEditor::createEditingAids()
{
    m_colouring = new HtmlColouring(*m_txtEdit);
    m_lineNumbers = new LineNumbers(*m_txtEdit);
    m_caretPosition = new CaretPosition(*m_txtEdit, CaretText);
    m_tagMatch = new TagMatch(*m_txtEdit);
    m_typeOver = new TypeOver(*m_txtEdit);
    m_tagCloser = new TagCloser(*m_txtEdit, *m_typeOver);
    m_tagCompletion = new TagCompletion(*m_txtEdit);
    m_caretPosition->setEnabled(true);

    // Appended after the items of each menu, whatever their number.
    m_lineNumbersItem = addItem(mnuView, mnuViewItem, tr("Line &Numbers"));
    m_lineNumbersItem->setCheckable(true);
    connect(m_lineNumbersItem, &QAction::triggered, this, [this](bool on) {
        m_lineNumbers->setEnabled(on);
        m_platform.settings.write(SettingsKeys::Settings, SettingsKeys::LineNumbers, SettingsKeys::flag(on));
    });
    QAction *matching = addItem(mnuEdit, mnuEditItem, tr("Go To &Matching Tag"),
                                QKeySequence(Qt::CTRL | Qt::Key_M));
    connect(matching, &QAction::triggered, this, [this] { m_tagMatch->goToPartner(); });
    createPreviewItem();

    applyEditingOptions();
}

bool frmEditor::editingAidOn(SettingsStore &settings, const QString &key)
{
    return vbValInt(settings.read(SettingsKeys::Settings, key, QStringLiteral("1"))) != 0;
}

void frmEditor::applyEditingOptions()
{
    SettingsStore &s = m_platform.settings;
    m_colouring->setEnabled(editingAidOn(s, SettingsKeys::ColourHTML));
    m_tagMatch->setEnabled(editingAidOn(s, SettingsKeys::MatchTags));
    m_tagCloser->setEnabled(editingAidOn(s, SettingsKeys::CloseTags));
    m_tagCompletion->setEnabled(editingAidOn(s, SettingsKeys::CompleteTags));
    const bool numbers = editingAidOn(s, SettingsKeys::LineNumbers);
    m_lineNumbers->setEnabled(numbers);
    m_lineNumbersItem->setChecked(numbers);
    if (LivePreview *pane = livePreview())
        pane->setRemoteAllowed(vbValInt(s.read(SettingsKeys::Settings, SettingsKeys::PreviewRemote,
                                                     QStringLiteral("0"))) != 0);
}
