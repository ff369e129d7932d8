// SPDX-License-Identifier: GPL-3.0-or-later
// The live preview's View item, and where the links clicked in it go; the
// pane's place in the window is its dock's (preview/PreviewDock).
#include "editor/frmEditor.h"

#include "core/AppState.h"
#include "core/Paths.h"
#include "core/SettingsKeys.h"
#include "editor/MenuItems.h"
#include "platform/Desktop.h"
#include "platform/Platform.h"
#include "platform/SettingsStore.h"
#include "preview/PreviewDock.h"

#include <QComboBox>
#include <QFileInfo>

void frmEditor::createPreviewItem()
{
    m_previewItem = addItem(mnuView, mnuViewItem, tr("Live &Preview"), QKeySequence(Qt::Key_F12));
    m_previewItem->setCheckable(true);
    connect(m_previewItem, &QAction::triggered, this, &frmEditor::setPreviewShown);
    LivePreview::Hooks hooks;
    hooks.base = [this] { return pageOnScreen().isEmpty() ? QUrl() : QUrl::fromLocalFile(m_state.CurrentPagePath); };
    hooks.link = [this](const QUrl &url) { previewLink(url); };
    m_previewDock = new PreviewDock(*m_txtEdit, m_platform.settings, hooks, [this] { layoutClient(); }, m_client);
    connect(m_previewDock, &PreviewDock::made, this, &frmEditor::applyEditingOptions);
    connect(m_previewDock, &PreviewDock::closeRequested, this, [this] { setPreviewShown(false); });
}

bool frmEditor::previewShown() const { return m_previewDock && m_previewDock->shown(); }

LivePreview *frmEditor::livePreview() { return m_previewDock ? m_previewDock->pane() : nullptr; }

void frmEditor::setPreviewShown(bool shown)
{
    m_previewDock->setShown(shown);
    m_previewItem->setChecked(shown);
    SettingsStore &s = m_platform.settings;
    if (vbValInt(s.read(SettingsKeys::Settings, SettingsKeys::LivePreview, QStringLiteral("0"))) != int(shown))
        s.write(SettingsKeys::Settings, SettingsKeys::LivePreview, SettingsKeys::flag(shown));
    layoutClient();
}

void frmEditor::previewLink(const QUrl &url)
{
    // A page of the current project comes up through the page switch, with
    // its write-back (the page on screen stays as it is); everything else
    // goes to the system's browser.
    if (url.isLocalFile()) {
        const QFileInfo target(url.toLocalFile());
        const QFileInfo folder(Paths::projectFolder(m_state.projectsRoot, m_state.CurrentProject));
        if (QFileInfo(target.absolutePath()) == folder && Combo1->findText(target.fileName(), Qt::MatchFixedString) >= 0) {
            openPage(target.fileName());
            return;
        }
    }
    m_platform.shell.open(url.toString());
}
