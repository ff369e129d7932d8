// SPDX-License-Identifier: GPL-3.0-or-later
// The live preview beside the editing area: its View item, its place in the
// window, and where the links clicked in it go.
#include "editor/frmEditor.h"

#include "core/AppState.h"
#include "core/Paths.h"
#include "core/SettingsKeys.h"
#include "editor/MenuItems.h"
#include "editor/ScintillaTextBox.h"
#include "preview/SplitHandle.h"
#include "editor/Twips.h"
#include "platform/Desktop.h"
#include "platform/Platform.h"
#include "platform/SettingsStore.h"
#include "preview/LivePreview.h"

#include <QApplication>
#include <QComboBox>
#include <QFileInfo>

namespace {
constexpr int kHandleTwips = 75;
constexpr int kNarrowestTwips = 1200; // for the pane and for the editing area beside it
} // namespace

void frmEditor::createPreviewItem()
{
    m_previewItem = addItem(mnuView, mnuViewItem, tr("Live &Preview"), QKeySequence(Qt::Key_F12));
    m_previewItem->setCheckable(true);
    connect(m_previewItem, &QAction::triggered, this, &frmEditor::setPreviewShown);
}

bool frmEditor::previewShown() const { return m_preview && !m_preview->isHidden(); }

void frmEditor::setPreviewShown(bool shown)
{
    SettingsStore &s = m_platform.settings;
    if (shown && !m_preview) {
        m_previewTwips = vbValInt(s.read(SettingsKeys::Settings, SettingsKeys::LivePreviewWidth, QStringLiteral("0")));
        LivePreview::Hooks hooks;
        hooks.base = [this] {
            return pageOnScreen().isEmpty() ? QUrl() : QUrl::fromLocalFile(m_state.CurrentPagePath);
        };
        hooks.link = [this](const QUrl &url) { previewLink(url); };
        m_preview = new LivePreview(*m_txtEdit, hooks, m_client);
        connect(m_preview, &LivePreview::closeRequested, this, [this] { setPreviewShown(false); });
        connect(m_txtEdit, &ScintillaTextBox::textLoaded, m_preview, &LivePreview::pageChanged);
        m_previewHandle = new SplitHandle(
            [this](int dx) {
                m_previewTwips = qMax(0, pxToTwipsX(m_preview->width() - dx, this));
                layoutClient();
            },
            [this] {
                m_platform.settings.write(SettingsKeys::Settings, SettingsKeys::LivePreviewWidth,
                                          QString::number(m_previewTwips));
            },
            m_client);
        applyEditingOptions();
    }
    if (m_preview) {
        // Hiding the pane with the focus in it would leave the focus nowhere.
        if (!shown && m_preview->isAncestorOf(QApplication::focusWidget()))
            m_txtEdit->setFocus();
        m_preview->setVisible(shown);
        m_previewHandle->setVisible(shown);
    }
    m_previewItem->setChecked(shown);
    if (vbValInt(s.read(SettingsKeys::Settings, SettingsKeys::LivePreview, QStringLiteral("0"))) != int(shown))
        s.write(SettingsKeys::Settings, SettingsKeys::LivePreview, SettingsKeys::flag(shown));
    layoutClient();
}

void frmEditor::layoutPreview(int left, int top, int &width, int height)
{
    if (!previewShown())
        return;
    const int handleW = twipsToPxX(kHandleTwips, this);
    const int narrowest = twipsToPxX(kNarrowestTwips, this);
    const int wanted = m_previewTwips > 0 ? twipsToPxX(m_previewTwips, this) : (width - handleW) / 2;
    const int paneW = qMax(0, qMin(wanted, width - handleW - narrowest));
    const int editW = qMax(0, width - handleW - qMax(paneW, 0));
    m_previewHandle->setGeometry(left + editW, top, handleW, height);
    m_preview->setGeometry(left + editW + handleW, top, width - editW - handleW, height);
    width = editW;
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
