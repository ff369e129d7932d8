// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/PreviewDock.h"

#include "core/AppState.h"
#include "core/SettingsKeys.h"
#include "editor/ScintillaTextBox.h"
#include "editor/Twips.h"
#include "platform/SettingsStore.h"
#include "preview/SplitHandle.h"

#include <QApplication>

namespace {
constexpr int kHandleTwips = 75;
constexpr int kNarrowestTwips = 1200; // for the pane and for the editing area beside it
} // namespace

PreviewDock::PreviewDock(ScintillaTextBox &box, SettingsStore &settings, LivePreview::Hooks hooks,
                         std::function<void()> relayout, QWidget *client)
    : QObject(client), m_box(box), m_settings(settings), m_hooks(std::move(hooks)), m_relayout(std::move(relayout)),
      m_client(client)
{
}

bool PreviewDock::shown() const { return m_pane && !m_pane->isHidden(); }

void PreviewDock::setShown(bool shown)
{
    if (shown && !m_pane) {
        m_twips = vbValInt(m_settings.read(SettingsKeys::Settings, SettingsKeys::LivePreviewWidth, QStringLiteral("0")));
        m_pane = new LivePreview(m_box, m_hooks, m_client);
        connect(m_pane, &LivePreview::closeRequested, this, &PreviewDock::closeRequested);
        connect(&m_box, &ScintillaTextBox::textLoaded, m_pane, &LivePreview::pageChanged);
        m_handle = new SplitHandle(
            [this](int dx) {
                m_twips = qMax(0, pxToTwipsX(m_pane->width() - dx, m_client));
                m_relayout();
            },
            [this] {
                m_settings.write(SettingsKeys::Settings, SettingsKeys::LivePreviewWidth, QString::number(m_twips));
            },
            m_client);
        emit made();
    }
    if (!m_pane)
        return;
    // Hiding the pane with the focus in it would leave the focus nowhere.
    if (!shown && m_pane->isAncestorOf(QApplication::focusWidget()))
        m_box.setFocus();
    m_pane->setVisible(shown);
    m_handle->setVisible(shown);
}

void PreviewDock::layout(int left, int top, int &width, int height)
{
    if (!shown())
        return;
    const int handleW = twipsToPxX(kHandleTwips, m_client);
    const int narrowest = twipsToPxX(kNarrowestTwips, m_client);
    const int wanted = m_twips > 0 ? twipsToPxX(m_twips, m_client) : (width - handleW) / 2;
    const int paneW = qMax(0, qMin(wanted, width - handleW - narrowest));
    const int editW = qMax(0, width - handleW - paneW);
    m_handle->setGeometry(left + editW, top, handleW, height);
    m_pane->setGeometry(left + editW + handleW, top, width - editW - handleW, height);
    width = editW;
}
