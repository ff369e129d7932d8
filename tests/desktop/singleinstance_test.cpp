// SPDX-License-Identifier: GPL-3.0-or-later
// One Tagsmith per user and display: a second start hands its files to the
// first through a real local socket, and a socket left by a crash is taken over.
#include "platform/SingleInstance.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtConcurrent>
#include <QtTest>

#include <pwd.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
using Outcome = SingleInstance::Outcome;

// A second start, in a thread of its own: it waits for the first one's
// answer, which the first gives from this thread's event loop.
QFuture<Outcome> secondStart(const QString &path, const QStringList &files, bool handOver = true)
{
    return QtConcurrent::run([path, files, handOver] { return SingleInstance(path).start(files, handOver); });
}

// Runs this thread's event loop until the second start is done.
Outcome waitFor(QFuture<Outcome> future)
{
    QDeadlineTimer deadline(10000);
    while (!future.isFinished() && !deadline.hasExpired())
        QTest::qWait(10);
    return future.isFinished() ? future.result() : Outcome::Alone;
}

// What a crashed Tagsmith leaves: a socket file nobody listens on.
// The address of the socket file at path.
sockaddr_un addressOf(const QString &path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    qstrncpy(address.sun_path, QFile::encodeName(path).constData(), sizeof address.sun_path);
    return address;
}

void leaveStaleSocket(const QString &path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const sockaddr_un address = addressOf(path);
    QCOMPARE(::bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address), 0);
    ::close(fd);
    QVERIFY(QFileInfo::exists(path));
}
} // namespace

class SingleInstanceTest : public QObject {
    Q_OBJECT
private slots:
    void handsFilesToTheFirst()
    {
        QTemporaryDir runtime;
        const QString path = runtime.path() + QStringLiteral("/tagsmith-test");
        SingleInstance first(path);
        QSignalSpy received(&first, &SingleInstance::filesReceived);
        QCOMPARE(first.start({}), Outcome::Listening);
        const QStringList files{QStringLiteral("/home/u/site/a b.htm"), QStringLiteral("/home/u/site")};
        QCOMPARE(waitFor(secondStart(path, files)), Outcome::HandedOver);
        QTRY_COMPARE(received.size(), 1);
        QCOMPARE(received[0][0].toStringList(), files);
        // Without files, or with --new-window, a second one keeps to itself
        // and leaves the socket to the first.
        QCOMPARE(waitFor(secondStart(path, {})), Outcome::Alone);
        QCOMPARE(waitFor(secondStart(path, files, false)), Outcome::Alone);
        QCOMPARE(received.size(), 1);
        QCOMPARE(waitFor(secondStart(path, {QStringLiteral("/b.htm")})), Outcome::HandedOver);
        QTRY_COMPARE(received.size(), 2);
    }

    void staleSocketIsTakenOver()
    {
        QTemporaryDir runtime;
        const QString path = runtime.path() + QStringLiteral("/tagsmith-test");
        leaveStaleSocket(path);
        SingleInstance next(path);
        QSignalSpy received(&next, &SingleInstance::filesReceived);
        QCOMPARE(next.start({QStringLiteral("/a.htm")}), Outcome::Listening);
        QCOMPARE(waitFor(secondStart(path, {QStringLiteral("/c.htm")})), Outcome::HandedOver);
        QTRY_COMPARE(received.size(), 1);
    }

    // A message may come in pieces; bytes of anything else are turned away.
    // Only the user may connect.
    void takesWholeMessagesOnly()
    {
        QTemporaryDir runtime;
        const QString path = runtime.path() + QStringLiteral("/tagsmith-test");
        SingleInstance first(path);
        QSignalSpy received(&first, &SingleInstance::filesReceived);
        QCOMPARE(first.start({}), Outcome::Listening);
        QCOMPARE(QFileInfo(path).permissions() & ~(QFile::ReadUser | QFile::WriteUser | QFile::ReadOwner | QFile::WriteOwner),
                 QFile::Permissions());
        QByteArray message;
        QDataStream out(&message, QIODevice::WriteOnly);
        out.setVersion(QDataStream::Qt_6_0);
        out << quint32(0x54534d31) << QStringList{QStringLiteral("/x.htm")};
        const auto connected = [&path] {
            const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
            const sockaddr_un address = addressOf(path);
            return ::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0 ? fd : -1;
        };
        const int stranger = connected();
        QCOMPARE(::write(stranger, "GET / HTTP/1.0\r\n\r\n", 18), ssize_t(18));
        const int piecewise = connected();
        QCOMPARE(::write(piecewise, message.constData(), 9), ssize_t(9));
        QTest::qWait(50);
        QCOMPARE(::write(piecewise, message.constData() + 9, message.size() - 9), ssize_t(message.size() - 9));
        QTRY_COMPARE(received.size(), 1);
        QCOMPARE(received[0][0].toStringList(), QStringList{QStringLiteral("/x.htm")});
        char answer = 0;
        QCOMPARE(::read(piecewise, &answer, 1), ssize_t(1));
        QTRY_COMPARE(::recv(stranger, &answer, 1, MSG_DONTWAIT), ssize_t(0)); // hung up on, without an answer
        ::close(stranger);
        ::close(piecewise);
    }

    // The socket is the user's and the display's; without a screen there is none.
    void socketNamesUserAndDisplay()
    {
        QTemporaryDir runtime;
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
        qputenv("QT_QPA_PLATFORM", "xcb");
        qunsetenv("WAYLAND_DISPLAY");
        qputenv("DISPLAY", ":7");
        const QString path = SingleInstance::socketPath();
        QVERIFY2(path.startsWith(runtime.path() + QStringLiteral("/tagsmith-")), qPrintable(path));
        QVERIFY(path.endsWith(QStringLiteral("-:7")));
        QVERIFY(path.contains(u'-' + QString::fromLocal8Bit(::getpwuid(::getuid())->pw_name) + u'-'));
        qputenv("DISPLAY", ":8");
        QVERIFY(SingleInstance::socketPath() != path);
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QVERIFY(SingleInstance::socketPath().isEmpty());
        SingleInstance none{QString()};
        QCOMPARE(none.start({QStringLiteral("/a.htm")}), Outcome::Alone);
    }
};

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "singleinstance_test.moc"
