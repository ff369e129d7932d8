// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>

class PageGuard;
class RecoveryStore;
class ScintillaTextBox;

// Keeps the unsaved text of the page on screen in this run's journal of the
// recovery store, so that a crash or a kill loses nothing: written within a
// second or two after typing stops (and at least every few seconds while it
// goes on), removed once the text is saved. The text is copied on the window's
// thread but written to disk on a thread of its own, so typing never waits
// for the disk.
class RecoveryJournal : public QObject {
    Q_OBJECT
public:
    // pageOnScreen: the path of the page whose text is on screen, or empty
    // when the editing area holds no page's text. onDisk: what that page was
    // on disk, recorded with the text.
    RecoveryJournal(ScintillaTextBox &box, RecoveryStore &store, std::function<QString()> pageOnScreen,
                    const PageGuard &onDisk, QObject *parent = nullptr);
    ~RecoveryJournal() override;

    // Brings the journal up to date now and waits until that is on disk:
    // unsaved text is written, the journal of saved text removed. Run as the
    // program ends, a saved page leaves no journal, and text the user chose
    // not to save after a failed save stays for the next start. Returns
    // whether the journal now holds the unsaved text (true when there is none).
    bool writeNow();

    static constexpr int kQuietMs = 1000; // after the last change
    static constexpr int kLongestMs = 4000; // after the first change not yet kept

private:
    class Writer;
    void changed();
    bool bringUpToDate(); // whether there is unsaved text to keep

    ScintillaTextBox &m_box;
    RecoveryStore &m_store;
    std::function<QString()> m_pageOnScreen;
    const PageGuard &m_onDisk;
    QTimer m_quiet;
    QTimer m_longest;
    bool m_written = false;
    std::unique_ptr<Writer> m_writer;
};
