// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/RecoveryJournal.h"

#include "core/PageGuard.h"
#include "core/RecoveryStore.h"
#include "core/SafeFile.h"
#include "editor/ScintillaTextBox.h"

#include <QFile>

#include <condition_variable>
#include <mutex>
#include <thread>

// One thread that carries out the newest request: write the journal file
// with these bytes, or remove it. A newer request replaces one not started.
class RecoveryJournal::Writer {
public:
    Writer() : m_thread([this] { run(); }) {}
    ~Writer()
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_stop = true;
        }
        m_wake.notify_all();
        m_thread.join();
    }
    // No journal file to write: the next flush reports that.
    void fail()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_lastOk = false;
    }
    void post(const QString &file, QByteArray bytes, bool remove)
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_job = Job{file, std::move(bytes), remove, true};
            ++m_posted;
        }
        m_wake.notify_all();
    }
    // Waits until every request posted so far is done; whether the last one succeeded.
    bool flush()
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        const quint64 target = m_posted;
        m_done.wait(lock, [&] { return m_finished >= target; });
        return m_lastOk;
    }

private:
    struct Job {
        QString file;
        QByteArray bytes;
        bool remove = false;
        bool pending = false;
    };
    void run()
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        for (;;) {
            m_wake.wait(lock, [&] { return m_stop || m_job.pending; });
            if (!m_job.pending)
                return;
            Job job = std::move(m_job);
            m_job = Job();
            const quint64 upTo = m_posted;
            lock.unlock();
            const bool ok = job.remove ? (QFile::remove(job.file) || !QFile::exists(job.file))
                                       : writeFileSafely(job.file, job.bytes);
            lock.lock();
            m_lastOk = ok;
            m_finished = upTo;
            m_done.notify_all();
        }
    }
    std::mutex m_mutex;
    std::condition_variable m_wake, m_done;
    Job m_job;
    quint64 m_posted = 0, m_finished = 0;
    bool m_stop = false;
    bool m_lastOk = true;
    std::thread m_thread;
};

RecoveryJournal::RecoveryJournal(ScintillaTextBox &box, RecoveryStore &store, std::function<QString()> pageOnScreen,
                                 const PageGuard &onDisk, QObject *parent)
    : QObject(parent), m_box(box), m_store(store), m_pageOnScreen(std::move(pageOnScreen)), m_onDisk(onDisk),
      m_writer(std::make_unique<Writer>())
{
    m_quiet.setSingleShot(true);
    m_quiet.setInterval(kQuietMs);
    m_longest.setSingleShot(true);
    m_longest.setInterval(kLongestMs);
    connect(&m_quiet, &QTimer::timeout, this, &RecoveryJournal::bringUpToDate);
    connect(&m_longest, &QTimer::timeout, this, &RecoveryJournal::bringUpToDate);
    connect(&m_box, &ScintillaTextBox::changed, this, &RecoveryJournal::changed);
    connect(&m_box, &QsciScintilla::modificationChanged, this, &RecoveryJournal::changed);
}

RecoveryJournal::~RecoveryJournal() = default; // the writer finishes what it was given

void RecoveryJournal::changed()
{
    // Only timers are touched here: this runs on every keystroke.
    m_quiet.start();
    if (!m_longest.isActive())
        m_longest.start();
}

bool RecoveryJournal::bringUpToDate()
{
    m_quiet.stop();
    m_longest.stop();
    const QString page = m_pageOnScreen();
    if (!page.isEmpty() && m_box.isModified()) {
        const QString file = m_store.journalFile();
        if (file.isEmpty()) {
            m_writer->fail();
            return true;
        }
        m_writer->post(file, RecoveryStore::journalBytes(page, m_box.encoding(), m_box.utf8(), m_onDisk.hashOf(page)), false);
        m_written = true;
        return true;
    }
    if (m_written) {
        m_writer->post(m_store.journalFile(), QByteArray(), true);
        m_written = false;
    }
    return false;
}

bool RecoveryJournal::writeNow()
{
    const bool unsaved = bringUpToDate();
    const bool done = m_writer->flush();
    return !unsaved || done;
}
