// SPDX-License-Identifier: GPL-3.0-or-later
// Nothing the user typed or another program wrote is lost: failed writes,
// other programs and other instances, characters outside a page's code page,
// crashes and the session ending, each under real conditions.
#include "core/PageGuard.h"
#include "core/PageOps.h"
#include "core/PageText.h"
#include "core/RecoveryStore.h"
#include "core/SafeFile.h"
#include "core/SettingsKeys.h"
#include "platform/IniSettingsStore.h"
#include "platform/QtPlatform.h"
#include "project/webNew.h"
#include "support/EditorFixture.h"
#include "support/FileSizeLimit.h"
#include "editor/ImageButton.h"
#include "project/ModalDriver.h"

#include <QComboBox>
#include <QDir>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTimer>
#include <QtTest>

#include <sys/stat.h>

#include <memory>
#include <vector>

namespace {

const QByteArray kPageA = "<TITLE>A</TITLE>";

void choose(frmEditor &e, int index)
{
    e.pageList()->setCurrentIndex(index);
    emit e.pageList()->activated(index);
}

void typeAtEnd(frmEditor &e, const QString &text)
{
    e.txtEdit().setSelStart(e.txtEdit().length());
    e.txtEdit().replaceSelection(text);
}

// Another program writing a file: a real second process.
void writeFromOutside(const QString &path, const QByteArray &bytes)
{
    QCOMPARE(QProcess::execute(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("printf %s \"$1\" > \"$0\""),
                                                     path, QString::fromUtf8(bytes)}),
             0);
}

QStringList filesIn(const QString &folder, const QString &pattern = QStringLiteral("*"))
{
    return QDir(folder).entryList({pattern}, QDir::Files);
}

Platform withRecovery(FakePlatform &fake, RecoveryStore &store)
{
    return Platform{fake.settings, fake.messages, fake.shell, fake.starter, fake.files,
                    fake.clipboard, fake.end, store, nullptr};
}

// Numeric character references resolved, as a browser reads them.
QString resolveReferences(const QString &text)
{
    QString out = text;
    static const QRegularExpression ref(QStringLiteral("&#([0-9]+);"));
    QRegularExpressionMatch m;
    qsizetype from = 0;
    while ((m = ref.match(out, from)).hasMatch()) {
        const char32_t cp = m.captured(1).toUInt();
        const QString ch = QString::fromUcs4(&cp, 1);
        out.replace(m.capturedStart(), m.capturedLength(), ch);
        from = m.capturedStart() + ch.size();
    }
    return out;
}

} // namespace

class DataSafetyTest : public QObject {
    Q_OBJECT
private slots:
    // ------------------------------------------------------------ failed writes

    void failedWriteOfAnySizeKeepsTheOldBytes_data()
    {
        QTest::addColumn<int>("newSize");
        QTest::newRow("small page, buffered") << 41;
        QTest::newRow("large page") << 64 * 1024;
    }
    void failedWriteOfAnySizeKeepsTheOldBytes()
    {
        QFETCH(int, newSize);
        EditorFixture f;
        const QByteArray old = kPageA + " as it was";
        f.page(QStringLiteral("a.htm"), old);
        frmEditor &e = f.start();
        e.txtEdit().setText(QString(newSize, u'n'));
        {
            FileSizeLimit full(0);
            QVERIFY(full.ok());
            e.mnuFileItem[4]->trigger(); // File > Save Page
        }
        QCOMPARE(f.fake.messages.texts(), QStringList{kSaveErrorText});
        QCOMPARE(f.app.read(QStringLiteral("project/default/a.htm")), old);
        QCOMPARE(filesIn(f.app.path() + QStringLiteral("/project/default")), QStringList{"a.htm"});
    }

    void settingsKeepEveryInstancesKeysAndSurviveFailures()
    {
        QTemporaryDir dir;
        const QString path = dir.path() + QStringLiteral("/TAGSMITH.ini");
        const QString S = SettingsKeys::Settings;
        // Two instances, each with the copy it read at start.
        IniSettingsStore first(path), second(path);
        QVERIFY(first.write(S, SettingsKeys::ToolBar, QStringLiteral("1")));
        QVERIFY(second.write(S, SettingsKeys::StatusBar, QStringLiteral("1")));
        QVERIFY(first.write(SettingsKeys::Tools, SettingsKeys::toolCaption(1), QStringLiteral("Tidy")));
        IniSettingsStore later(path);
        QCOMPARE(later.read(S, SettingsKeys::ToolBar, {}), QStringLiteral("1"));
        QCOMPARE(later.read(S, SettingsKeys::StatusBar, {}), QStringLiteral("1"));
        QCOMPARE(later.read(SettingsKeys::Tools, SettingsKeys::toolCaption(1), {}), QStringLiteral("Tidy"));

        // A full disk: the file stays whole, the user is told once, and the
        // value holds for this run.
        QStringList told;
        first.setFailureHandler([&told](const QString &message) { told << message; });
        QByteArray before;
        QVERIFY(readWholeFile(path, before));
        {
            FileSizeLimit full(0);
            QVERIFY(!first.write(S, SettingsKeys::ToolBar, QStringLiteral("0")));
            QVERIFY(!first.write(S, SettingsKeys::Height, QStringLiteral("5000")));
        }
        QByteArray after;
        QVERIFY(readWholeFile(path, after));
        QCOMPARE(after, before);
        QCOMPARE(told.size(), 1);
        QVERIFY(told[0].contains(path));
        QCOMPARE(first.read(S, SettingsKeys::ToolBar, {}), QStringLiteral("0"));
        QVERIFY(first.write(S, SettingsKeys::Width, QStringLiteral("9000")));

        // A file that is not text (UTF-16 here) is kept aside before it is replaced.
        const QByteArray utf16 = QByteArray("\xff\xfe[\0S\0]\0\n\0", 10);
        QVERIFY(writeFileSafely(path, utf16));
        IniSettingsStore damaged(path);
        QVERIFY(damaged.write(S, SettingsKeys::ToolBar, QStringLiteral("1")));
        QByteArray kept;
        QVERIFY(readWholeFile(path + QStringLiteral(".bad"), kept));
        QCOMPARE(kept, utf16);
        QCOMPARE(IniSettingsStore(path).read(S, SettingsKeys::ToolBar, {}), QStringLiteral("1"));
    }

    // Whatever would leave a page that could not be saved stays with it.
    void failedSaveKeepsThePageOnScreen_data()
    {
        QTest::addColumn<QString>("action");
        for (const char *action : {"page switch", "project manager", "new page", "preview", "spelling", "custom tool",
                                   "refresh", "file exit", "close box"})
            QTest::newRow(action) << QString::fromLatin1(action);
    }
    void failedSaveKeepsThePageOnScreen()
    {
        QFETCH(QString, action);
        EditorFixture f;
        f.fake.settings.write(SettingsKeys::Tools, SettingsKeys::toolCaption(1), QStringLiteral("Tool"));
        f.fake.settings.write(SettingsKeys::Tools, SettingsKeys::toolFilename(1), QStringLiteral("/bin/true"));
        f.page(QStringLiteral("a.htm"), kPageA);
        f.page(QStringLiteral("b.htm"), "<TITLE>B</TITLE>");
        frmEditor &e = f.start();
        typeAtEnd(e, QStringLiteral("typed"));
        bool dialogOpened = false;
        {
            FileSizeLimit full(0);
            QVERIFY(full.ok());
            if (action == QLatin1String("page switch")) {
                choose(e, 1);
            } else if (action == QLatin1String("project manager")) {
                e.mnuFileItem[0]->trigger();
            } else if (action == QLatin1String("new page")) {
                whenModal<webNew>([](webNew *d) {
                    QTest::keyClicks(d->Text1, QStringLiteral("c"));
                    QTest::mouseClick(d->Command1, Qt::LeftButton);
                });
                e.mnuFileItem[2]->trigger();
            } else if (action == QLatin1String("preview")) {
                e.mnuFileItem[9]->trigger();
            } else if (action == QLatin1String("spelling")) {
                e.mnuToolsItm[0]->trigger();
            } else if (action == QLatin1String("custom tool")) {
                e.mnuToolsItm[3]->trigger();
            } else if (action == QLatin1String("refresh")) {
                e.mnuViewItem[3]->trigger();
            } else if (action == QLatin1String("file exit")) {
                e.mnuFileItem[11]->trigger(); // "end anyway?" is answered No
            } else {
                QVERIFY(!e.ExitEditor(CloseReason::ControlMenu));
            }
            dialogOpened = QApplication::activeModalWidget() != nullptr;
        }
        QVERIFY(!dialogOpened);
        QCOMPARE(f.fake.messages.texts().value(0), kSaveErrorText);
        QVERIFY(!f.fake.end.ended());
        QVERIFY(f.fake.shell.opened.isEmpty() && f.fake.starter.started.isEmpty());
        // Caption, list and text agree, and the text is all there.
        QCOMPARE(e.currentPageName(), QStringLiteral("a.htm"));
        QCOMPARE(e.windowTitle(), QStringLiteral("A - Tagsmith"));
        QCOMPARE(e.txtEdit().text(), QString::fromUtf8(kPageA) + QStringLiteral("typed"));
        QCOMPARE(f.app.read(QStringLiteral("project/default/a.htm")), kPageA);
        // With room again the same command goes through.
        e.mnuFileItem[4]->trigger();
        QCOMPARE(f.app.read(QStringLiteral("project/default/a.htm")), kPageA + "typed");
    }

    void endingAnywayAfterAFailedSaveKeepsTheTextForRecovery()
    {
        EditorFixture f;
        f.page(QStringLiteral("a.htm"), kPageA);
        frmEditor &e = f.start();
        typeAtEnd(e, QStringLiteral("typed"));
        f.fake.messages.answers.enqueue(MessageAnswer::Yes);
        // The page's folder is moved away: the save fails, the journal does not.
        QVERIFY(QDir(f.app.path() + QStringLiteral("/project")).rename(QStringLiteral("default"), QStringLiteral("moved")));
        QVERIFY(e.ExitEditor(CloseReason::ControlMenu));
        QCOMPARE(f.fake.messages.shown.size(), 2);
        QCOMPARE(f.fake.messages.shown[1].icon, MessageRequest::Icon::Question);
        QVERIFY(f.fake.messages.shown[1].defaultNo);
        QVERIFY(f.fake.end.ended());
        const QStringList journals = filesIn(f.fake.stateDir.path(), QStringLiteral("journal-*.txt"));
        QCOMPARE(journals.size(), 1);
        QByteArray journal;
        QVERIFY(readWholeFile(f.fake.stateDir.path() + u'/' + journals[0], journal));
        QVERIFY(journal.endsWith(kPageA + "typed"));
    }

    void projectFolderDeletedWhileOpen()
    {
        EditorFixture f;
        const QString a = f.page(QStringLiteral("a.htm"), kPageA);
        frmEditor &e = f.start();
        typeAtEnd(e, QStringLiteral("typed"));
        QVERIFY(QDir(QFileInfo(a).path()).removeRecursively());
        e.mnuViewItem[3]->trigger(); // View > Refresh
        QCOMPARE(f.fake.messages.texts(), QStringList{kSaveErrorText});
        QCOMPARE(e.pageList()->count(), 1);
        QCOMPARE(e.currentPageName(), QStringLiteral("a.htm"));
        QVERIFY(e.pageList()->isEnabled() && f.box().isEnabled());
        QCOMPARE(e.windowTitle(), QStringLiteral("A - Tagsmith"));
        QCOMPARE(e.txtEdit().text(), QString::fromUtf8(kPageA) + QStringLiteral("typed"));
        // The folder back: the page is saved into it.
        QVERIFY(QDir().mkpath(QFileInfo(a).path()));
        QVERIFY(e.ExitEditor(CloseReason::ControlMenu));
        QCOMPARE(f.app.read(QStringLiteral("project/default/a.htm")), kPageA + "typed");
    }

    // ------------------------------------------------------------ other programs

    void changesMadeElsewhereAreNotOverwritten_data()
    {
        QTest::addColumn<bool>("edited");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QByteArray>("onDisk");
        QTest::addColumn<QByteArray>("keptCopy");
        const QByteArray mine = kPageA + "typed";
        QTest::newRow("edited only elsewhere") << false << int(MessageAnswer::No) << QByteArray("tool") << QByteArray();
        QTest::newRow("both, keep the screen") << true << int(MessageAnswer::Yes) << mine << QByteArray("tool");
        QTest::newRow("both, keep the other") << true << int(MessageAnswer::No) << QByteArray("tool") << mine;
    }
    void changesMadeElsewhereAreNotOverwritten()
    {
        QFETCH(bool, edited);
        QFETCH(int, answer);
        QFETCH(QByteArray, onDisk);
        QFETCH(QByteArray, keptCopy);
        EditorFixture f;
        const QString a = f.page(QStringLiteral("a.htm"), kPageA);
        frmEditor &e = f.start();
        if (edited)
            typeAtEnd(e, QStringLiteral("typed"));
        writeFromOutside(a, "tool");
        if (!edited) {
            // Back in the window, an unedited page shows the new version at once.
            QWidget other;
            other.show();
            other.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&other));
            e.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&e));
            QCOMPARE(e.txtEdit().text(), QStringLiteral("tool"));
        }
        f.fake.messages.answers.enqueue(MessageAnswer(answer));
        e.mnuFileItem[4]->trigger(); // File > Save Page
        QCOMPARE(f.fake.messages.shown.size(), edited ? 1 : 0);
        if (edited) {
            QCOMPARE(f.fake.messages.shown[0].icon, MessageRequest::Icon::Question);
            QVERIFY(f.fake.messages.shown[0].defaultNo);
        }
        QCOMPARE(f.app.read(QStringLiteral("project/default/a.htm")), onDisk);
        QCOMPARE(e.txtEdit().text(), QString::fromUtf8(onDisk));
        const QString copies = f.fake.recovery.copiesFolder();
        const QStringList kept = filesIn(copies);
        QCOMPARE(kept.size(), keptCopy.isEmpty() ? 0 : 1);
        if (!keptCopy.isEmpty()) {
            QVERIFY(kept[0].startsWith(QStringLiteral("a-")) && kept[0].endsWith(QStringLiteral(".htm")));
            QByteArray copy;
            QVERIFY(readWholeFile(copies + u'/' + kept[0], copy));
            QCOMPARE(copy, keptCopy);
        }
        // Closing writes back only what is on screen now: the same bytes.
        QVERIFY(e.ExitEditor(CloseReason::ControlMenu));
        QCOMPARE(f.app.read(QStringLiteral("project/default/a.htm")), onDisk);
    }

    void twoInstancesOnOnePage()
    {
        EditorFixture f;
        f.page(QStringLiteral("a.htm"), kPageA);
        frmEditor &idle = f.start();
        AppState secondState = f.state;
        FakePlatform secondDesktop;
        secondDesktop.settings.doc = f.fake.settings.doc;
        frmEditor busy(secondState, secondDesktop.platform);
        busy.load();
        typeAtEnd(busy, QStringLiteral(" saved by the other"));
        busy.mnuFileItem[4]->trigger();
        // Closing the window where nothing was typed keeps the other's save.
        QVERIFY(idle.ExitEditor(CloseReason::ControlMenu));
        QCOMPARE(f.app.read(QStringLiteral("project/default/a.htm")), kPageA + " saved by the other");
        QVERIFY(f.fake.messages.shown.isEmpty());
    }

    void customToolSeesTheTextOnScreen()
    {
        EditorFixture f;
        f.fake.settings.write(SettingsKeys::Tools, SettingsKeys::toolCaption(1), QStringLiteral("Tidy"));
        f.fake.settings.write(SettingsKeys::Tools, SettingsKeys::toolFilename(1), QStringLiteral("/usr/bin/tidy"));
        f.page(QStringLiteral("a.htm"), kPageA);
        frmEditor &e = f.start();
        typeAtEnd(e, QStringLiteral("typed"));
        e.mnuToolsItm[3]->trigger();
        QCOMPARE(f.fake.starter.started.size(), 1);
        QCOMPARE(f.app.read(QStringLiteral("project/default/a.htm")), kPageA + "typed");
    }

    // A page refused at open keeps its bytes whatever command runs, and the
    // editing area takes no typing that would have nowhere to go.
    void refusedPageIsNeverWritten_data()
    {
        QTest::addColumn<QString>("command");
        for (const char *c : {"Save Page", "Save button", "spelling", "preview", "close box"})
            QTest::newRow(c) << QString::fromLatin1(c);
    }
    void refusedPageIsNeverWritten()
    {
        QFETCH(QString, command);
        EditorFixture f;
        f.fake.settings.write(SettingsKeys::Settings, SettingsKeys::CBrowser, QStringLiteral("0"));
        const QString big = f.page(QStringLiteral("a.htm"), "");
        f.page(QStringLiteral("b.htm"), "<TITLE>B</TITLE>");
        QVERIFY(QFile::resize(big, kMaxReadBytes + 1)); // one byte too many, sparse
        const FileStamp before = stampFile(big);
        frmEditor &e = f.start();
        QCOMPARE(f.fake.messages.texts(), QStringList{kOpenErrorText});
        QVERIFY(!f.box().isEnabled());
        QVERIFY(e.StatusNote->text().startsWith(QStringLiteral("a.htm could not be opened")));
        const QString onScreen = f.box().text();
        QTest::keyClicks(&f.box(), QStringLiteral("typed"));
        QCOMPARE(f.box().text(), onScreen);
        if (command == QLatin1String("Save Page"))
            e.mnuFileItem[4]->trigger();
        else if (command == QLatin1String("Save button"))
            QTest::mouseClick(e.BtnSave, Qt::LeftButton);
        else if (command == QLatin1String("spelling")) {
            whenModal<QDialog>([](QDialog *) {});
            e.mnuToolsItm[0]->trigger();
        } else if (command == QLatin1String("preview"))
            e.mnuFileItem[9]->trigger();
        else
            QVERIFY(e.ExitEditor(CloseReason::ControlMenu));
        QVERIFY(stampFile(big) == before);
        QCOMPARE(QFileInfo(big).size(), kMaxReadBytes + 1);
        if (command == QLatin1String("close box"))
            return;
        // The next page that opens takes typing again.
        choose(e, 1);
        QVERIFY(f.box().isEnabled());
        QVERIFY(e.StatusNote->text().isEmpty());
        QVERIFY(stampFile(big) == before);
    }

    // After a crash, recovery never puts the journal's text over what another
    // program wrote into the page since, and of two journals of one page the
    // newest is offered, the other kept as a copy.
    void recoveryKeepsNewerWorkOnDisk_data()
    {
        QTest::addColumn<QByteArray>("outside"); // written after the crash by another program
        QTest::addColumn<int>("runs");           // runs that crashed with unsaved text
        QTest::newRow("page as it was") << QByteArray() << 1;
        QTest::newRow("page changed since") << QByteArray("newer") << 1;
        QTest::newRow("two crashed runs") << QByteArray() << 2;
    }
    void recoveryKeepsNewerWorkOnDisk()
    {
        QFETCH(QByteArray, outside);
        QFETCH(int, runs);
        EditorFixture f;
        const QString a = f.page(QStringLiteral("a.htm"), kPageA);
        f.page(QStringLiteral("b.htm"), "B");
        QTemporaryDir state;
        struct Run {
            Run(EditorFixture &f, const QString &dir)
                : store(dir), desktop(withRecovery(f.fake, store)), appState(f.state), e(appState, desktop) {}
            RecoveryStore store;
            Platform desktop;
            AppState appState;
            frmEditor e;
        };
        {
            std::vector<std::unique_ptr<Run>> alive; // all at once, so none finds the other's journal
            for (int n = 1; n <= runs; ++n) {
                alive.push_back(std::make_unique<Run>(f, state.path()));
                alive.back()->e.load();
                alive.back()->e.editorWidget()->setSelStart(0);
                QTest::keyClicks(alive.back()->e.editorWidget(), QStringLiteral("run%1").arg(n));
                QTRY_VERIFY_WITH_TIMEOUT(filesIn(state.path(), QStringLiteral("journal-*.txt")).size() == n, 2500);
            }
        } // the runs end here without saving, as in a crash
        if (!outside.isEmpty())
            writeFromOutside(a, outside);

        f.fake.messages.answers << MessageAnswer::Yes << MessageAnswer::No; // restore; keep the other's version
        Run next(f, state.path());
        next.e.load();
        QCOMPARE(f.fake.messages.shown.value(0).title, QStringLiteral("Recover Page"));
        const QByteArray newest = QStringLiteral("run%1").arg(runs).toUtf8() + kPageA;
        QCOMPARE(next.e.txtEdit().text(), QString::fromUtf8(newest));
        choose(next.e, 1); // the page switch writes the recovered text back
        QCOMPARE(f.fake.messages.shown.size(), outside.isEmpty() ? 1 : 2);
        if (!outside.isEmpty())
            QVERIFY(f.fake.messages.shown[1].defaultNo);
        QCOMPARE(f.app.read(QStringLiteral("project/default/a.htm")), outside.isEmpty() ? newest : outside);
        // The text not written into the page is in a copy.
        const QStringList kept = filesIn(next.store.copiesFolder());
        QCOMPARE(kept.size(), outside.isEmpty() && runs == 1 ? 0 : 1);
        if (!kept.isEmpty()) {
            QByteArray copy;
            QVERIFY(readWholeFile(next.store.copiesFolder() + u'/' + kept[0], copy));
            QCOMPARE(copy, "run1" + kPageA);
        }
    }

    // ------------------------------------------------------------ code page

    void windows1252PagesKeepEveryCharacter()
    {
        // The bytes Windows editors write show as their characters; the five
        // unassigned ones come back as they were.
        const QByteArray bytes("caf\xe9 \x93q\x94 \x80\x81\x8d\x8f\x90\x9d");
        const PageText page = decodePage(bytes);
        QCOMPARE(page.encoding, TextEncoding::Windows1252);
        QCOMPARE(page.text, QStringLiteral("caf\u00e9 \u201cq\u201d \u20ac\u0081\u008d\u008f\u0090\u009d"));
        QCOMPARE(encodePage(page.text, page.encoding), bytes);

        // Typed into the real editing area and saved.
        EditorFixture f;
        f.page(QStringLiteral("a.htm"), bytes);
        frmEditor &e = f.start();
        f.box().setSelStart(e.txtEdit().length());
        QInputMethodEvent typed; // as a keyboard layout or input method delivers them
        typed.setCommitString(QStringLiteral("\u20ac\u2014"));
        QApplication::sendEvent(&f.box(), &typed);
        typeAtEnd(e, QStringLiteral("\u4e2d\U0001F600"));
        QVERIFY(e.ExitEditor(CloseReason::ControlMenu));
        QCOMPARE(f.app.read(QStringLiteral("project/default/a.htm")), bytes + "\x80\x97&#20013;&#128512;");
    }

    // Any text typed into such a page is saved so that a browser shows it as typed.
    void windows1252SavesAnyText()
    {
        auto *rng = QRandomGenerator::global();
        const quint32 seed = rng->generate();
        QRandomGenerator gen(seed);
        for (int round = 0; round < 500; ++round) {
            QString text;
            const int n = gen.bounded(1, 40);
            for (int i = 0; i < n; ++i) {
                char32_t cp;
                switch (gen.bounded(4)) {
                case 0: cp = gen.bounded(0x20, 0x7F); break;
                case 1: cp = gen.bounded(0x80, 0x100); break;
                case 2: cp = gen.bounded(0x100, 0xD800); break;
                default: cp = gen.bounded(0x10000, 0x110000); break;
                }
                if (cp == u'&')
                    cp = u'a'; // a typed "&#...;" is HTML already
                text += QString::fromUcs4(&cp, 1);
            }
            const QByteArray saved = encodePage(text, TextEncoding::Windows1252);
            QVERIFY2(resolveReferences(decodeBytes(saved, TextEncoding::Windows1252)) == text,
                     qPrintable(QStringLiteral("seed %1").arg(seed)));
        }
    }

    // ------------------------------------------------------------ crashes and the session ending

    void unsavedTextOutlivesACrash_data()
    {
        QTest::addColumn<bool>("restore");
        QTest::newRow("restored") << true;
        QTest::newRow("discarded") << false;
    }
    void unsavedTextOutlivesACrash()
    {
        QFETCH(bool, restore);
        EditorFixture f;
        f.page(QStringLiteral("a.htm"), kPageA);
        f.page(QStringLiteral("b.htm"), "B", QStringLiteral("other"));
        QTemporaryDir state;
        {
            RecoveryStore store(state.path());
            Platform desktop = withRecovery(f.fake, store);
            AppState runState = f.state;
            frmEditor e(runState, desktop);
            e.load();
            e.editorWidget()->setSelStart(0);
            QTest::keyClicks(e.editorWidget(), QStringLiteral("xyz"));
            // Kept within two seconds of the last keystroke.
            QTRY_VERIFY_WITH_TIMEOUT(filesIn(state.path(), QStringLiteral("journal-*.txt")).size() == 1, 2500);
        } // the run ends here without saving, as in a crash
        QCOMPARE(f.app.read(QStringLiteral("project/default/a.htm")), kPageA);

        // The next start asks first, whatever project it would start in.
        f.fake.settings.write(SettingsKeys::Settings, SettingsKeys::DefaultProj, QStringLiteral("other"));
        f.fake.messages.answers.enqueue(restore ? MessageAnswer::Yes : MessageAnswer::No);
        RecoveryStore store(state.path());
        Platform desktop = withRecovery(f.fake, store);
        AppState runState = f.state;
        frmEditor next(runState, desktop);
        next.load();
        QCOMPARE(f.fake.messages.shown.size(), 1);
        QCOMPARE(f.fake.messages.shown[0].title, QStringLiteral("Recover Page"));
        QCOMPARE(f.fake.messages.shown[0].icon, MessageRequest::Icon::Question);
        QVERIFY(f.fake.messages.shown[0].text.contains(QStringLiteral("a.htm")));
        if (restore) {
            QCOMPARE(runState.CurrentProject, QStringLiteral("default"));
            QCOMPARE(next.currentPageName(), QStringLiteral("a.htm"));
            QCOMPARE(next.txtEdit().text(), QStringLiteral("xyz") + QString::fromUtf8(kPageA));
            QVERIFY(next.txtEdit().isModified());
            QCOMPARE(f.app.read(QStringLiteral("project/default/a.htm")), kPageA); // not saved yet
            QVERIFY(next.ExitEditor(CloseReason::ControlMenu));
            QCOMPARE(f.app.read(QStringLiteral("project/default/a.htm")), "xyz" + kPageA);
        } else {
            QCOMPARE(next.currentPageName(), QStringLiteral("b.htm"));
            QVERIFY(next.ExitEditor(CloseReason::ControlMenu));
        }
        // A normal end leaves no journal behind, so the question comes only after a loss.
        QVERIFY(filesIn(state.path(), QStringLiteral("journal-*.txt")).isEmpty());
    }

    void sessionEndSavesWithoutAsking()
    {
        EditorFixture f;
        f.page(QStringLiteral("a.htm"), kPageA);
        frmEditor &e = f.start();
        typeAtEnd(e, QStringLiteral("typed"));
        f.fake.settings.writes = 0;
        QVERIFY(e.ExitEditor(CloseReason::AppShutdown));
        QCOMPARE(f.app.read(QStringLiteral("project/default/a.htm")), kPageA + "typed");
        QVERIFY(f.fake.settings.contains(SettingsKeys::Settings, SettingsKeys::Height));
        QVERIFY(f.fake.messages.shown.isEmpty());
        QVERIFY(f.fake.end.ended());
    }

    void sessionEndWithNowhereToKeepTheTextStaysOpen()
    {
        EditorFixture f;
        f.page(QStringLiteral("a.htm"), kPageA);
        const QString blocker = f.app.write(QStringLiteral("state"), "a file where the journals should go");
        RecoveryStore store(blocker + QStringLiteral("/TAGSMITH"));
        Platform desktop = withRecovery(f.fake, store);
        frmEditor e(f.state, desktop);
        e.load();
        typeAtEnd(e, QStringLiteral("typed"));
        const QString project = f.app.path() + QStringLiteral("/project");
        QVERIFY(QDir(project).rename(QStringLiteral("default"), QStringLiteral("moved")));
        QVERIFY(!e.ExitEditor(CloseReason::AppShutdown)); // SIGTERM: neither page nor journal takes the text
        QVERIFY(!f.fake.end.ended());
        QCOMPARE(e.txtEdit().text(), QString::fromUtf8(kPageA) + QStringLiteral("typed"));
        QVERIFY(QDir(project).rename(QStringLiteral("moved"), QStringLiteral("default")));
        QVERIFY(e.ExitEditor(CloseReason::AppShutdown)); // told again once the disk takes it
        QCOMPARE(f.app.read(QStringLiteral("project/default/a.htm")), kPageA + "typed");
    }

    void pipesAreNotPages()
    {
        EditorFixture f;
        const QString pipe = f.app.path() + QStringLiteral("/project/default/a.htm");
        QVERIFY(QDir().mkpath(QFileInfo(pipe).path()));
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0644), 0);
        f.page(QStringLiteral("b.htm"), "B");
        frmEditor &e = f.start(); // would block for ever reading the pipe
        QCOMPARE(e.pageList()->count(), 1);
        QCOMPARE(f.box().text(), QStringLiteral("B"));
        QByteArray bytes;
        QVERIFY(!readWholeFile(pipe, bytes));
        QVERIFY(!readWholeFile(QStringLiteral("/dev/zero"), bytes));
    }

    void programEndsThroughTheEventLoop()
    {
        // So that the clipboard goes to the desktop's clipboard manager on the way out.
        ExitProcess end;
        QTimer::singleShot(0, [&end] { end.endNow(); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(end.ended());
    }
};

QTEST_MAIN(DataSafetyTest)
#include "datasafety_test.moc"
