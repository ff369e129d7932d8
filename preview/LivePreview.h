// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "preview/PreviewMarkup.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include <functional>

class PreviewPane;
class ScintillaTextBox;
class QLabel;

// The live preview pane as the main window sees it: a note line above the
// engine's view, or the reason the engine cannot run. It renders the text
// on screen (never the file) 150 ms after typing pauses and at least once a
// second while it goes on, follows the caret, and hands clicks back.
class LivePreview : public QWidget {
    Q_OBJECT
public:
    struct Hooks {
        std::function<QUrl()> base;               // the page's file URL; relative links resolve there
        std::function<void(const QUrl &)> link;  // a link clicked in the pane
    };
    LivePreview(ScintillaTextBox &box, Hooks hooks, QWidget *parent);
    ~LivePreview() override;

    // The text on screen changed; another page (or none) is on screen.
    void textChanged();
    void pageChanged();
    void setRemoteAllowed(bool allowed);

    bool running() const { return m_pane != nullptr; }
    QString note() const;
    QWidget *view() const; // the engine's widget, or null
    qint64 lastRenderMs() const { return m_lastRenderMs; } // end of the pause to rendered
    int renderCount() const { return m_renders; }
    int patchCount() const { return m_patches; } // renders done by changing the page in place

    static constexpr int kPauseMs = 150;
    static constexpr int kLongestWaitMs = 1000;

signals:
    void rendered();
    void closeRequested();

protected:
    void showEvent(QShowEvent *e) override;

private:
    void render();
    void load();
    void followCaret();
    void showNote(const QString &text);
    qsizetype caretByte() const;
    QUrl base() const;

    ScintillaTextBox &m_box;
    Hooks m_hooks;
    PreviewPane *m_pane = nullptr;
    QLabel *m_note = nullptr;
    PreviewCopy m_copy;
    QByteArray m_shown; // the text m_copy was made of, while the pane shows it (else empty)
    QTimer m_pause, m_caretPause;
    QElapsedTimer m_waiting, m_clock;
    bool m_stale = true;
    int m_revealed = -1;
    qint64 m_lastRenderMs = -1;
    int m_renders = 0;
    int m_patches = 0;
    bool m_patching = false; // the last render changes the page in place
    bool m_remote = false;
};
