// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "preview/LivePreview.h"

#include <QObject>

class SettingsStore;
class SplitHandle;
class QWidget;

// The live preview's place in the window, right of the editing area: the
// pane (made when first shown), the bar that drags its edge, and its width,
// remembered in the settings.
class PreviewDock : public QObject {
    Q_OBJECT
public:
    // relayout: the window lays out its client area again (the pane's width changed).
    PreviewDock(ScintillaTextBox &box, SettingsStore &settings, LivePreview::Hooks hooks,
                std::function<void()> relayout, QWidget *client);

    // Shows or hides the pane, making it when first shown (see made()).
    void setShown(bool shown);
    bool shown() const;
    LivePreview *pane() const { return m_pane; }
    // Takes the pane's share, and the bar's, from the right of the area
    // given to the editing area; width becomes what is left to it.
    void layout(int left, int top, int &width, int height);

signals:
    // The pane was just made: options that apply to it can be given.
    void made();
    void closeRequested();

private:
    ScintillaTextBox &m_box;
    SettingsStore &m_settings;
    LivePreview::Hooks m_hooks;
    std::function<void()> m_relayout;
    QWidget *m_client;
    LivePreview *m_pane = nullptr;
    SplitHandle *m_handle = nullptr;
    int m_twips = 0; // the pane's width; 0: half the editing area
};
