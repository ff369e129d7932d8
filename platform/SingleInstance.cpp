// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SingleInstance.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLockFile>
#include <QSocketNotifier>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>
#include <memory>
#include <pwd.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <utility>

namespace {
constexpr quint32 kMagic = 0x54534d31; // "TSM1"
constexpr char kAck = 'K';
// Far more than the paths any start hands over.
constexpr qsizetype kMaxMessage = 16 << 20;

bool addressOf(const QString &path, sockaddr_un &address)
{
    const QByteArray name = QFile::encodeName(path);
    address = {};
    address.sun_family = AF_UNIX;
    if (name.isEmpty() || name.size() >= qsizetype(sizeof address.sun_path))
        return false;
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    return true;
}

const sockaddr *asAddress(const sockaddr_un &address) { return reinterpret_cast<const sockaddr *>(&address); }

class Socket {
public:
    explicit Socket(int flags) : fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | flags, 0)) {}
    ~Socket()
    {
        if (fd >= 0)
            ::close(fd);
    }
    int release() { return std::exchange(fd, -1); }
    int fd;
};

bool sendAll(int fd, const QByteArray &bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t n = ::send(fd, bytes.constData() + done, size_t(bytes.size() - done), MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

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

SingleInstance::~SingleInstance()
{
    if (m_listener < 0)
        return;
    delete m_notifier;
    ::close(m_listener);
    ::unlink(QFile::encodeName(m_path).constData());
}

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
    sockaddr_un address;
    Socket socket(0);
    if (!addressOf(m_path, address) || socket.fd < 0)
        return Offer::NoOne;
    // Every step waits at most kTimeoutMs, the connection too (a full queue).
    const timeval timeout{kTimeoutMs / 1000, (kTimeoutMs % 1000) * 1000};
    ::setsockopt(socket.fd, SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout);
    ::setsockopt(socket.fd, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
    int connected;
    do
        connected = ::connect(socket.fd, asAddress(address), sizeof address);
    while (connected != 0 && errno == EINTR);
    if (connected != 0)
        return Offer::NoOne; // no socket, or one nobody listens on
    if (!send)
        return Offer::NoAnswer; // someone listens: leave it be
    QByteArray payload;
    QDataStream out(&payload, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out << kMagic << files;
    if (!sendAll(socket.fd, payload))
        return Offer::NoAnswer;
    char ack = 0;
    ssize_t n;
    do
        n = ::recv(socket.fd, &ack, 1, 0);
    while (n < 0 && errno == EINTR);
    return n == 1 && ack == kAck ? Offer::Taken : Offer::NoAnswer;
}

bool SingleInstance::listen()
{
    sockaddr_un address;
    Socket socket(SOCK_NONBLOCK);
    if (!addressOf(m_path, address) || socket.fd < 0)
        return false;
    const QByteArray name = QFile::encodeName(m_path);
    // Nobody answered on the socket: a file left there is stale.
    if (::bind(socket.fd, asAddress(address), sizeof address) != 0
        && (errno != EADDRINUSE || ::unlink(name.constData()) != 0
            || ::bind(socket.fd, asAddress(address), sizeof address) != 0))
        return false;
    // The user's own: nobody can connect before listen().
    if (::chmod(name.constData(), 0600) != 0 || ::listen(socket.fd, SOMAXCONN) != 0) {
        ::unlink(name.constData());
        return false;
    }
    m_listener = socket.release();
    m_notifier = new QSocketNotifier(m_listener, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &SingleInstance::accept);
    return true;
}

void SingleInstance::accept()
{
    int client;
    while ((client = ::accept4(m_listener, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC)) >= 0) {
        auto *notifier = new QSocketNotifier(client, QSocketNotifier::Read, this);
        auto received = std::make_shared<QByteArray>();
        connect(notifier, &QSocketNotifier::activated, this, [this, notifier, client, received] {
            char piece[4096];
            ssize_t n;
            while ((n = ::read(client, piece, sizeof piece)) > 0)
                received->append(piece, n);
            const bool ended = n == 0 || (n < 0 && errno != EAGAIN && errno != EINTR);
            QDataStream in(*received);
            in.setVersion(QDataStream::Qt_6_0);
            quint32 magic = 0;
            QStringList files;
            in >> magic;
            const bool stranger = in.status() == QDataStream::Ok && magic != kMagic;
            if (!stranger)
                in >> files;
            const bool whole = !stranger && in.status() == QDataStream::Ok;
            if (!whole && !stranger && !ended && received->size() < kMaxMessage)
                return; // the rest is still on its way
            // Taken as soon as it is here: the sender may end before it is opened.
            if (whole)
                ::send(client, &kAck, 1, MSG_NOSIGNAL);
            notifier->setEnabled(false);
            notifier->deleteLater();
            ::close(client);
            if (whole)
                emit filesReceived(files);
        });
    }
}
