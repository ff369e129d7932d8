// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing pages: exact bytes, the title, and failures.
#include "core/PageGuard.h"
#include "core/PageOps.h"
#include "core/PageText.h"
#include "core/SafeFile.h"
#include "core/TitleScan.h"
#include "support/FakePlatform.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

namespace {
struct View : PageView {
    PlainTextBox box;
    QString cap = QStringLiteral("before");
    int pages = 1;
    TextBox &txtEdit() override { return box; }
    void setCaption(const QString &c) override { cap = c; }
    QString caption() const override { return cap; }
    int pageCount() const override { return pages; }
    QWidget *window() override { return nullptr; }
};

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}
} // namespace

class PageFileTest : public QObject {
    Q_OBJECT
private slots:
    void bytesRoundTripExactly_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("crlf, lf, cr") << QByteArray("a\r\nb\nc\rd\r\r\n\n");
        QTest::newRow("utf-8") << QByteArray("<p>caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80</p>");
        QTest::newRow("utf-8 bom") << QByteArray("\xef\xbb\xbf<html>");
        QTest::newRow("latin-1") << QByteArray("caf\xe9 \x80\x9f\xff");
        QTest::newRow("broken utf-8") << QByteArray("ok \xc3 then \xe2\x82");
        QTest::newRow("overlong") << QByteArray("\xc0\xaf");
        QTest::newRow("surrogate") << QByteArray("\xed\xa0\x80");
        QByteArray all;
        for (int i = 1; i < 256; ++i)
            all += char(i);
        QTest::newRow("every byte") << all;
        QTest::newRow("nul") << QByteArray("a\0b", 3);
    }
    void bytesRoundTripExactly()
    {
        QFETCH(QByteArray, bytes);
        const PageText page = decodePage(bytes);
        QCOMPARE(encodePage(page.text, page.encoding), bytes);
    }

    void encodingChoice()
    {
        QCOMPARE(decodePage("plain").encoding, TextEncoding::Utf8);
        QCOMPARE(decodePage("caf\xc3\xa9").text, QStringLiteral("caf\u00e9"));
        QCOMPARE(decodePage("caf\xe9").encoding, TextEncoding::Windows1252);
        QCOMPARE(decodePage("caf\xe9").text, QStringLiteral("caf\u00e9"));
    }

    // A page changed in any one bit, or only in length, hashes differently:
    // the hash is what tells a page another program rewrote from one it
    // changed.
    void contentHashSeesEveryByte()
    {
        QByteArray page(1000, 'a');
        for (int i = 0; i < page.size(); ++i)
            page[i] = char(QRandomGenerator::global()->bounded(256));
        const quint64 h = contentHash(page);
        QCOMPARE(contentHash(QByteArray(page)), h);
        for (qsizetype size : {qsizetype(0), qsizetype(1), qsizetype(31), qsizetype(32), qsizetype(999)})
            QVERIFY(contentHash(QByteArrayView(page).first(size)) != h);
        QVERIFY(contentHash(page + '\0') != h);
        for (int at = 0; at < page.size(); ++at) {
            for (int bit = 0; bit < 8; ++bit) {
                QByteArray changed = page;
                changed[at] = char(changed[at] ^ (1 << bit));
                QVERIFY2(contentHash(changed) != h, qPrintable(QStringLiteral("byte %1 bit %2").arg(at).arg(bit)));
            }
        }
    }

    void titleScan()
    {
        QCOMPARE(scanTitle("<HTML><TITLE>My Page</TITLE>", true), QStringLiteral("My Page"));
        QCOMPARE(scanTitle("<TITLE>  padded  </TITLE>", true), QStringLiteral("padded"));
        // A lower-case tag is not found: characters 7 to 55 of the text are taken.
        QCOMPARE(scanTitle("<title>My Page</title>", true), QStringLiteral(">My Page"));
        const QString longTitle(60, u'x');
        QCOMPARE(scanTitle("<TITLE>" + longTitle, true), QString(49, u'x'));
        QCOMPARE(scanTitle("<TITLE>My\r\nPage</TITLE>", true), QStringLiteral("MyPage"));
        QCOMPARE(scanTitle(QStringLiteral("<TITLE>Caf\u00e9\tBar\x1f<"), true), QStringLiteral("CafBar\x1f"));
        // Without dropping (the Refresh command) every character before "<" stays.
        QCOMPARE(scanTitle(QStringLiteral("<TITLE>Caf\u00e9\tBar<"), false), QStringLiteral("Caf\u00e9\tBar"));
        QCOMPARE(scanTitle("", true), QString());
        QCOMPARE(captionForTitle("X"), QStringLiteral("X - Tagsmith"));
    }

    // The scan over file bytes gives what the scan over the whole text gives.
    void titleScanOverBytesMatchesText()
    {
        QRandomGenerator rng(7);
        const QList<QByteArray> pieces{"<TITLE>", "<", "a", " ", "\r\n", "\xc3\xa9", "\xe2\x82\xac", "\xf0\x9f\x98\x80",
                                       "\xe9", "\t", "</TITLE>", "x"};
        for (int round = 0; round < 3000; ++round) {
            QByteArray bytes;
            const int n = rng.bounded(0, 80);
            for (int i = 0; i < n; ++i)
                bytes += pieces[rng.bounded(pieces.size())];
            const PageText page = decodePage(bytes);
            for (bool drop : {true, false})
                QCOMPARE(scanTitle(bytes, page.encoding, drop), scanTitle(page.text, drop));
        }
    }

    void openSetsTextAndCaption()
    {
        QTemporaryDir dir;
        const QString path = dir.path() + "/a.htm";
        writeFile(path, "<TITLE>Hello</TITLE>\r\nbody");
        FakePlatform fake;
        View view;
        QVERIFY(OpenPage(fake.platform, view, path));
        QCOMPARE(view.box.text(), QStringLiteral("<TITLE>Hello</TITLE>\r\nbody"));
        QCOMPARE(view.cap, QStringLiteral("Hello - Tagsmith"));
        QVERIFY(fake.messages.shown.isEmpty());
    }

    void openFailureKeepsTextAndCaption()
    {
        QTemporaryDir dir;
        FakePlatform fake;
        View view;
        view.box.setText("kept");
        QVERIFY(!OpenPage(fake.platform, view, dir.path() + "/gone.htm"));
        QVERIFY(!OpenPage(fake.platform, view, dir.path())); // a folder
        QCOMPARE(view.box.text(), QStringLiteral("kept"));
        QCOMPARE(view.cap, QStringLiteral("before"));
        QCOMPARE(fake.messages.shown.size(), 2);
        QCOMPARE(fake.messages.shown[0].text, kOpenErrorText);
        QCOMPARE(fake.messages.shown[0].title, QStringLiteral("Text Editor"));
        QCOMPARE(fake.messages.shown[0].icon, MessageRequest::Icon::Exclamation);
    }

    void saveWritesNothingExtra()
    {
        QTemporaryDir dir;
        const QString path = dir.path() + "/a.htm";
        const QByteArray bytes("x\r\ny\rz\n\xe9");
        writeFile(path, bytes);
        FakePlatform fake;
        View view;
        QVERIFY(OpenPage(fake.platform, view, path));
        QVERIFY(SavePage(fake.platform, view, path));
        QCOMPARE(readFile(path), bytes);
    }

    void failedSaveKeepsOldFile()
    {
        QTemporaryDir dir;
        FakePlatform fake;
        View view;
        view.box.setText("new text");
        // The folder vanished: nothing is written, the error is shown.
        QVERIFY(!SavePage(fake.platform, view, dir.path() + "/gone/a.htm"));
        QCOMPARE(fake.messages.texts(), QStringList{kSaveErrorText});
        // A folder in the page's place stays a folder.
        QDir(dir.path()).mkdir("b.htm");
        QVERIFY(!SavePage(fake.platform, view, dir.path() + "/b.htm"));
        QVERIFY(QFileInfo(dir.path() + "/b.htm").isDir());
    }

    // A big page is written past the cache, its tail (less than a block)
    // through it; a reader that had the old page open keeps its bytes.
    void bigPageReplaced()
    {
        QTemporaryDir dir;
        const QString path = dir.path() + "/big.htm";
        const QByteArray old = QByteArray("<p>old</p>\n").repeated(300000);
        writeFile(path, old);
        QFile reader(path);
        QVERIFY(reader.open(QIODevice::ReadOnly));
        const QByteArray bytes = QByteArray("<p>new page</p>\r\n").repeated(600000);
        QVERIFY(writeFileSafely(path, bytes));
        QCOMPARE(readFile(path), bytes);
        QCOMPARE(reader.readAll(), old);
    }

    void saveKeepsPermissionsAndLinks()
    {
        QTemporaryDir dir;
        const QString target = dir.path() + "/real.htm";
        writeFile(target, "old");
        QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
        QFile::link(target, dir.path() + "/link.htm");
        QVERIFY(writeFileSafely(dir.path() + "/link.htm", "new"));
        QVERIFY(QFileInfo(dir.path() + "/link.htm").isSymLink());
        QCOMPARE(readFile(target), QByteArray("new"));
        QCOMPARE(QFile::permissions(target),
                 QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser | QFile::ReadGroup);
    }

    void saveAsAsksBeforeOverwriting()
    {
        QTemporaryDir dir;
        const QString path = dir.path() + "/a.htm";
        writeFile(path, "old bytes");
        FakePlatform fake;
        View view;
        view.box.setText("new");
        fake.messages.answers.enqueue(MessageAnswer::No);
        QVERIFY(!SavePageAs(fake.platform, view, path));
        QCOMPARE(readFile(path), QByteArray("old bytes"));
        QCOMPARE(fake.messages.shown.size(), 1);
        QCOMPARE(fake.messages.shown[0].text, QStringLiteral("Overwrite existing file?"));
        QVERIFY(fake.messages.shown[0].defaultNo);
        fake.messages.answers.enqueue(MessageAnswer::Yes);
        QVERIFY(SavePageAs(fake.platform, view, path));
        QCOMPARE(readFile(path), QByteArray("new"));
        // A new file is written without a question.
        QVERIFY(SavePageAs(fake.platform, view, dir.path() + "/b.htm"));
        QCOMPARE(fake.messages.shown.size(), 2);
        // A page refused at open is replaced when the user says so.
        view.onDisk.refuse(path);
        fake.messages.answers.enqueue(MessageAnswer::Yes);
        view.box.setText("newer");
        QVERIFY(SavePageAs(fake.platform, view, path));
        QCOMPARE(readFile(path), QByteArray("newer"));
    }

    void closeReasons()
    {
        QVERIFY(closeReasonEndsProgram(CloseReason::ControlMenu));
        QVERIFY(closeReasonEndsProgram(CloseReason::TaskManager));
        QVERIFY(!closeReasonEndsProgram(CloseReason::Code));
        QVERIFY(closeReasonEndsProgram(CloseReason::AppShutdown)); // the session ending saves too
        QVERIFY(!closeReasonEndsProgram(CloseReason::Form));
    }
};

QTEST_GUILESS_MAIN(PageFileTest)
#include "pagefile_test.moc"
