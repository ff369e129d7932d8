// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QStringList>

class QSocketNotifier;

// One window per user and display. The first Tagsmith listens on a local
// socket; a second one started with files hands them over and ends, so that
// the file manager's "Open With" reaches the window already open. A socket
// left behind by a Tagsmith that crashed answers nobody: the next one
// removes it and listens in its place. Plain Unix sockets: Qt's local
// sockets would load its network library (and Kerberos and the proxy
// library with it), some 1.8 MB of memory for one message.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    // $XDG_RUNTIME_DIR/tagsmith-<user>-<display>, or empty when there is no
    // display to share (no DISPLAY or WAYLAND_DISPLAY, or a platform without
    // a screen such as "offscreen").
    static QString socketPath();

    explicit SingleInstance(const QString &socketPath, QObject *parent = nullptr);
    ~SingleInstance() override;

    enum class Outcome {
        HandedOver, // a running Tagsmith took the files: end now
        Listening,  // this is the first: files of later ones come as filesReceived
        Alone,      // neither (no socket path, another one listens, or it failed)
    };
    // With files and handOver, offers them to a running Tagsmith first.
    // Otherwise, unless one answers, listens. The check and the listening
    // are done under a lock, so that two started at once do not both listen.
    Outcome start(const QStringList &files, bool handOver = true);

    // How long a hand-over waits for the running one to answer.
    static constexpr int kTimeoutMs = 5000;

signals:
    // Absolute paths handed over by a later start.
    void filesReceived(const QStringList &files);

private:
    enum class Offer { Taken, NoOne, NoAnswer };
    Offer offer(const QStringList &files, bool send) const;
    bool listen();
    void accept();

    QString m_path;
    int m_listener = -1;
    QSocketNotifier *m_notifier = nullptr;
};
