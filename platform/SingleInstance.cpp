// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SingleInstance.h"

#include <QDataStream>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>

#include <pwd.h>
#include <unistd.h>

namespace {
constexpr quint32 kMagic = 0x54534d31; // "TSM1"
constexpr char kAck = 'K';

QString safePart(const QString &text)
{
    QString out;
    for (const QChar c : text)
        out += c.isLetterOrNumber() || c == u'.' || c == u':' || c == u'-' ? c : QChar(u'_');
    return out;
}
} // namespace

QString SingleInstance::socketPath()
{
    // Platforms that draw nowhere (tests, servers) share no window.
    const QString platform = qobject_cast<QGuiApplication *>(QCoreApplication::instance())
                                 ? QGuiApplication::platformName()
                                 : qEnvironmentVariable("QT_QPA_PLATFORM");
    for (const char *none : {"offscreen", "minimal", "vnc", "linuxfb", "eglfs"})
        if (platform.startsWith(QLatin1String(none)))
            return QString();
    QString display = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (display.isEmpty() || platform.startsWith(QLatin1String("xcb")))
        display = qEnvironmentVariable("DISPLAY");
    if (display.isEmpty())
        return QString();
    QString user = QString::number(::getuid());
    if (const passwd *pw = ::getpwuid(::getuid()); pw && pw->pw_name)
        user = QString::fromLocal8Bit(pw->pw_name);
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        return QString();
    return folder + QStringLiteral("/tagsmith-") + safePart(user) + u'-' + safePart(display);
}

SingleInstance::SingleInstance(const QString &socketPath, QObject *parent) : QObject(parent), m_path(socketPath) {}

SingleInstance::~SingleInstance() = default;

SingleInstance::Outcome SingleInstance::start(const QStringList &files, bool handOver)
{
    if (m_path.isEmpty())
        return Outcome::Alone;
    // A lock left by a crashed Tagsmith is taken over (QLockFile knows its
    // owner is gone); one that cannot be had in time is done without.
    QLockFile lock(m_path + QStringLiteral(".lock"));
    lock.tryLock(kTimeoutMs);
    switch (offer(files, handOver && !files.isEmpty())) {
    case Offer::Taken:
        return Outcome::HandedOver;
    case Offer::NoAnswer:
        return Outcome::Alone; // one runs but does not answer: do not take its place
    case Offer::NoOne:
        break;
    }
    return listen() ? Outcome::Listening : Outcome::Alone;
}

SingleInstance::Offer SingleInstance::offer(const QStringList &files, bool send) const
{
    QLocalSocket socket;
    socket.connectToServer(m_path);
    if (!socket.waitForConnected(kTimeoutMs))
        return Offer::NoOne; // no socket, or one nobody listens on
    if (!send)
        return Offer::NoAnswer; // someone listens: leave it be
    QByteArray payload;
    QDataStream out(&payload, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out << kMagic << files;
    socket.write(payload);
    if (!socket.waitForBytesWritten(kTimeoutMs))
        return Offer::NoAnswer;
    while (socket.bytesAvailable() < 1)
        if (!socket.waitForReadyRead(kTimeoutMs))
            return Offer::NoAnswer;
    char ack = 0;
    return socket.getChar(&ack) && ack == kAck ? Offer::Taken : Offer::NoAnswer;
}

bool SingleInstance::listen()
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // Nobody answered on the socket: a file left there is stale.
    if (!m_server->listen(m_path)) {
        QLocalServer::removeServer(m_path);
        if (!m_server->listen(m_path)) {
            delete m_server;
            m_server = nullptr;
            return false;
        }
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *client = m_server->nextPendingConnection()) {
            connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
            connect(client, &QLocalSocket::readyRead, this, [this, client] { read(client); });
        }
    });
    return true;
}

void SingleInstance::read(QLocalSocket *client)
{
    QDataStream in(client);
    in.setVersion(QDataStream::Qt_6_0);
    in.startTransaction();
    quint32 magic = 0;
    QStringList files;
    in >> magic >> files;
    if (!in.commitTransaction())
        return; // the rest is still on its way
    if (magic != kMagic) {
        client->abort();
        return;
    }
    // Taken as soon as it is here: the sender may end before it is opened.
    client->putChar(kAck);
    client->flush();
    client->disconnectFromServer();
    emit filesReceived(files);
}
