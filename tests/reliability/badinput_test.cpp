// SPDX-License-Identifier: GPL-3.0-or-later
// Pages, settings, dictionaries, skeletons and project folders that are odd,
// broken or changed behind the editor's back: each gives a clear result, no
// crash, and never costs a byte of a page.
#include "core/PageOps.h"
#include "core/PageText.h"
#include "core/SafeFile.h"
#include "core/SettingsKeys.h"
#include "editor/Commands.h"
#include "platform/IniSettingsStore.h"
#include "project/ProjMan.h"
#include "project/PropertiesText.h"
#include "project/frmProperties.h"
#include "project/webNew.h"
#include "spell/SpellDictionary.h"
#include "spell/frmSpell.h"
#include "support/EditorFixture.h"
#include "support/FileSizeLimit.h"
#include "support/ListText.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QApplication>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>


namespace {

void choose(frmEditor &e, int index)
{
    e.pageList()->setCurrentIndex(index);
    emit e.pageList()->activated(index);
}

QString projectFile(const EditorFixture &f, const QString &name, const QString &project = QStringLiteral("default"))
{
    return f.app.path() + QStringLiteral("/project/") + project + u'/' + name;
}

QStringList folderEntries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

// Puts something unreadable where a page was: nothing, a folder, or a link to nowhere.
void breakPage(const QString &path, const QString &how)
{
    QVERIFY(QFile::remove(path));
    if (how == QLatin1String("folder"))
        QVERIFY(QDir().mkdir(path));
    else if (how == QLatin1String("dangling link"))
        QVERIFY(QFile::link(path + QStringLiteral(".nowhere"), path));
    else if (how == QLatin1String("pipe"))
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
    else if (how == QLatin1String("device"))
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
}

bool pathIsGone(const QString &path, const QString &how)
{
    const QFileInfo fi(path);
    if (how == QLatin1String("folder"))
        return fi.isDir() && QDir(path).isEmpty();
    if (how == QLatin1String("dangling link"))
        return fi.isSymLink() && !QFileInfo::exists(path + QStringLiteral(".nowhere"));
    if (how == QLatin1String("pipe") || how == QLatin1String("device"))
        return fi.exists() && !fi.isFile() && !fi.isDir();
    return !fi.exists() && !fi.isSymLink();
}

QByteArray allByteValues()
{
    QByteArray b;
    for (int i = 0; i < 256; ++i)
        b += char(i);
    return b;
}

} // namespace

class BadInputTest : public QObject {
    Q_OBJECT
private slots:
    // ------------------------------------------------------------ page content

    void pagesOfAnyContentComeBackByteForByte_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("encoding");
        QTest::newRow("empty") << QByteArray() << int(TextEncoding::Utf8);
        QTest::newRow("all 256 byte values") << allByteValues() << int(TextEncoding::Windows1252);
        QTest::newRow("cut UTF-8 sequence") << QByteArray("<TITLE>Caf\xc3</TITLE>") << int(TextEncoding::Windows1252);
        QTest::newRow("surrogate and overlong forms") << QByteArray("\xed\xa0\x80 \xc0\xaf \xf4\x90\x80\x80")
                                                      << int(TextEncoding::Windows1252);
        QTest::newRow("two byte order marks") << QByteArray("\xef\xbb\xbf\xef\xbb\xbf<TITLE>x</TITLE>")
                                              << int(TextEncoding::Utf8);
        QTest::newRow("NULs and lone CRs") << QByteArray("a\0b\rc\r\r\nd\n", 10) << int(TextEncoding::Utf8);
    }
    void pagesOfAnyContentComeBackByteForByte()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, encoding);
        QCOMPARE(int(decodePage(bytes).encoding), encoding);
        QCOMPARE(encodePage(decodePage(bytes).text, TextEncoding(encoding)), bytes);

        EditorFixture f;
        const QString a = f.page(QStringLiteral("a.htm"), bytes);
        f.page(QStringLiteral("b.htm"), "B");
        frmEditor &e = f.start();
        QCOMPARE(e.currentPageName(), QStringLiteral("a.htm"));
        QCOMPARE(f.box().bytes(), bytes);
        QVERIFY(e.windowTitle().endsWith(QLatin1String(" - Tagsmith")));
        // Away and back again, then closing: every save writes the same bytes.
        choose(e, 1);
        QCOMPARE(f.app.read(QStringLiteral("project/default/a.htm")), bytes);
        choose(e, 0);
        QCOMPARE(f.box().bytes(), bytes);
        QVERIFY(e.ExitEditor(CloseReason::ControlMenu));
        QCOMPARE(f.app.read(QStringLiteral("project/default/a.htm")), bytes);
        QVERIFY(f.fake.messages.shown.isEmpty());
        QVERIFY(QFileInfo(a).isFile());
    }

    void hugePageOpensAndSavesWhole()
    {
        // 20 MB of lines, with a non-ASCII letter so it stays UTF-8.
        QByteArray bytes("<HTML><HEAD><TITLE>Big</TITLE></HEAD><BODY>\r\n");
        const QByteArray line("<P>Caf\xc3\xa9 line of a very long page, nothing more to it.</P>\r\n");
        while (bytes.size() < 20 * 1024 * 1024)
            bytes += line;
        EditorFixture f;
        f.page(QStringLiteral("big.htm"), bytes);
        QElapsedTimer t;
        t.start();
        frmEditor &e = f.start();
        QCOMPARE(e.windowTitle(), QStringLiteral("Big - Tagsmith"));
        QCOMPARE(f.box().bytes().size(), bytes.size());
        // One letter typed at the end, then saved by closing.
        TextBox &box = e.txtEdit();
        box.setSelStart(box.length());
        box.replaceSelection(QStringLiteral("x"));
        QVERIFY(e.ExitEditor(CloseReason::ControlMenu));
        QCOMPARE(f.app.read(QStringLiteral("project/default/big.htm")), bytes + 'x');
        QVERIFY(f.fake.messages.shown.isEmpty());
        qInfo("20 MB page opened, edited and saved in %lld ms", t.elapsed());
    }

    // ------------------------------------------------------------ behind the editor's back

    void unreadablePageIsNotOpenedNorWritten_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("deleted") << QStringLiteral("deleted");
        QTest::newRow("folder") << QStringLiteral("folder");
        QTest::newRow("dangling link") << QStringLiteral("dangling link");
        // Neither may block the program or be read until memory runs out.
        QTest::newRow("named pipe") << QStringLiteral("pipe");
        QTest::newRow("link to a device") << QStringLiteral("device");
    }
    void unreadablePageIsNotOpenedNorWritten()
    {
        QFETCH(QString, how);
        EditorFixture f;
        f.page(QStringLiteral("a.htm"), "<TITLE>A</TITLE>");
        const QString b = f.page(QStringLiteral("b.htm"), "<TITLE>B</TITLE>");
        f.page(QStringLiteral("c.htm"), "<TITLE>C</TITLE>");
        frmEditor &e = f.start();
        breakPage(b, how);

        choose(e, 1);
        QCOMPARE(f.fake.messages.texts(), QStringList{kOpenErrorText});
        // Still on the page the text belongs to.
        QCOMPARE(e.currentPageName(), QStringLiteral("a.htm"));
        QCOMPARE(e.state().CurrentPagePath, projectFile(f, QStringLiteral("a.htm")));
        QCOMPARE(f.box().text(), QStringLiteral("<TITLE>A</TITLE>"));
        QCOMPARE(e.windowTitle(), QStringLiteral("A - Tagsmith"));

        // Edits go to that page, and the broken one is never written.
        TextBox &box = e.txtEdit();
        box.setSelStart(box.length());
        box.replaceSelection(QStringLiteral("!"));
        choose(e, 2);
        QCOMPARE(f.app.read(QStringLiteral("project/default/a.htm")), QByteArray("<TITLE>A</TITLE>!"));
        QCOMPARE(f.box().text(), QStringLiteral("<TITLE>C</TITLE>"));
        QVERIFY(pathIsGone(b, how));
        QVERIFY(e.ExitEditor(CloseReason::ControlMenu));
        QVERIFY(pathIsGone(b, how));
        QCOMPARE(f.fake.messages.texts(), QStringList{kOpenErrorText});
    }

    void unreadablePageComingBackIsNotOverwritten()
    {
        // The page is away (a link to a folder not there now) while the user
        // switches to it; when it comes back, nothing has been written into it.
        EditorFixture f;
        f.page(QStringLiteral("a.htm"), "A");
        const QString b = projectFile(f, QStringLiteral("b.htm"));
        const QString away = f.app.path() + QStringLiteral("/elsewhere/b.htm");
        QVERIFY(QFile::link(away, b));
        f.page(QStringLiteral("c.htm"), "C");
        frmEditor &e = f.start();
        choose(e, 1);
        QCOMPARE(f.fake.messages.texts(), QStringList{kOpenErrorText});
        f.app.write(QStringLiteral("elsewhere/b.htm"), "the real B");
        choose(e, 2);
        choose(e, 1);
        QCOMPARE(f.box().text(), QStringLiteral("the real B"));
        QVERIFY(e.ExitEditor(CloseReason::ControlMenu));
        QCOMPARE(f.app.read(QStringLiteral("elsewhere/b.htm")), QByteArray("the real B"));
        QCOMPARE(f.app.read(QStringLiteral("project/default/a.htm")), QByteArray("A"));
    }

    void firstPageUnreadableAtStart()
    {
        EditorFixture f;
        f.page(QStringLiteral("b.htm"), "B");
        const QString a = projectFile(f, QStringLiteral("a.htm"));
        QVERIFY(QFile::link(a + QStringLiteral(".nowhere"), a));
        frmEditor &e = f.start();
        QCOMPARE(f.fake.messages.texts(), QStringList{kOpenErrorText});
        QCOMPARE(e.pageLoaded(), 0);
        // Whatever is on screen is not written into the folder, on a switch nor on closing.
        choose(e, 1);
        QCOMPARE(f.box().text(), QStringLiteral("B"));
        QVERIFY(e.ExitEditor(CloseReason::ControlMenu));
        QVERIFY(pathIsGone(a, QStringLiteral("dangling link")));
        QCOMPARE(f.fake.messages.texts(), QStringList{kOpenErrorText});
    }

    void currentPageGoneForPropertiesPreviewAndProfiler()
    {
        EditorFixture f;
        f.app.write(QStringLiteral("spell.dat"), SpellDictionary::encodeRecord("a"));
        const QString a = f.page(QStringLiteral("a.htm"), "<TITLE>Here</TITLE> a wrod");
        frmEditor &e = f.start();

        // Deleted: Properties says so, and keeps the title of the text on screen.
        QVERIFY(QFile::remove(a));
        {
            frmProperties dialog(e);
            dialog.load();
            QCOMPARE(dialog.Label7->text(), kNoFileText);
            QCOMPARE(dialog.Label10->text(), kNoFileText);
            QCOMPARE(dialog.Text1->text(), QStringLiteral("Here"));
        }
        // The profiler reads the page file: a clear message and an empty list.
        {
            frmSpell dialog(e);
            dialog.load();
            QTest::mouseClick(dialog.Command2, Qt::LeftButton);
            QCOMPARE(dialog.List1->count(), 0);
            QCOMPARE(f.fake.messages.texts(), QStringList{kOpenErrorText});
        }
        // Preview saves first: the deleted page is written again from the screen.
        f.fake.settings.write(SettingsKeys::Settings, SettingsKeys::CBrowser, QStringLiteral("0"));
        Commands::preview(e);
        QCOMPARE(f.app.read(QStringLiteral("project/default/a.htm")), QByteArray("<TITLE>Here</TITLE> a wrod"));
        QCOMPARE(f.fake.shell.opened, QStringList{a});

        // A folder in its place: the save fails with its message, the text stays on screen.
        QVERIFY(QFile::remove(a));
        QVERIFY(QDir().mkdir(a));
        f.fake.messages.shown.clear();
        Commands::preview(e);
        QVERIFY(f.fake.messages.texts().contains(kSaveErrorText));
        QVERIFY(QFileInfo(a).isDir());
        QCOMPARE(f.box().text(), QStringLiteral("<TITLE>Here</TITLE> a wrod"));
        {
            frmProperties dialog(e);
            dialog.load();
            QCOMPARE(dialog.Label7->text(), kNoFileText);
        }
        {
            f.fake.messages.shown.clear();
            frmSpell dialog(e);
            dialog.load();
            QTest::mouseClick(dialog.Command2, Qt::LeftButton);
            QCOMPARE(dialog.List1->count(), 0);
            QCOMPARE(f.fake.messages.texts(), QStringList{kOpenErrorText});
        }
    }

    // ------------------------------------------------------------ failed writes

    void saveThatRunsOutOfRoomKeepsTheOldPage()
    {
        EditorFixture f;
        const QByteArray old("<TITLE>Old</TITLE> the page as it was");
        const QString a = f.page(QStringLiteral("a.htm"), old);
        frmEditor &e = f.start();
        const QStringList before = folderEntries(QFileInfo(a).path());
        // The new text is larger than the room left.
        e.txtEdit().setText(QString(64 * 1024, u'n'));
        {
            FileSizeLimit limit(4096);
            QVERIFY(limit.ok());
            QVERIFY(!SavePage(f.fake.platform, e, a));
        }
        QCOMPARE(f.fake.messages.texts(), QStringList{kSaveErrorText});
        QCOMPARE(f.app.read(QStringLiteral("project/default/a.htm")), old);
        // No temporary file left beside it.
        QCOMPARE(folderEntries(QFileInfo(a).path()), before);
        // With room again the same save succeeds.
        QVERIFY(SavePage(f.fake.platform, e, a));
        QCOMPARE(f.app.read(QStringLiteral("project/default/a.htm")).size(), 64 * 1024);
    }

    void saveIntoAVanishedFolderLeavesTheMovedPage()
    {
        EditorFixture f;
        f.page(QStringLiteral("a.htm"), "old A");
        frmEditor &e = f.start();
        e.txtEdit().setText(QStringLiteral("new A"));
        // The project folder is moved away while the page is open.
        QVERIFY(QDir(f.app.path() + QStringLiteral("/project")).rename(QStringLiteral("default"), QStringLiteral("moved")));
        f.fake.messages.answers.enqueue(MessageAnswer::Yes); // end anyway
        QVERIFY(e.ExitEditor(CloseReason::ControlMenu));
        QCOMPARE(f.fake.messages.texts().value(0), kSaveErrorText);
        QCOMPARE(f.fake.messages.shown.size(), 2);
        QCOMPARE(f.app.read(QStringLiteral("project/moved/a.htm")), QByteArray("old A"));
        QVERIFY(!QFileInfo::exists(f.app.path() + QStringLiteral("/project/default")));
    }

    void pageNameThatIsNotUtf8()
    {
        // Such a name cannot be spelt back to the file: it is not listed (the
        // status line says so), and nothing is written under the name
        // Tagsmith could spell instead.
        EditorFixture f;
        f.page(QStringLiteral("b.htm"), "B");
        const QString folder = f.app.path() + QStringLiteral("/project/default");
        const QByteArray name = QFile::encodeName(folder) + "/caf\xe9.htm";
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
        QVERIFY(fd >= 0 && ::write(fd, "old", 3) == 3 && ::close(fd) == 0);
        frmEditor &e = f.start();
        QCOMPARE(e.pageCount(), 1);
        QVERIFY(f.fake.messages.shown.isEmpty());
        QVERIFY(e.StatusNote->text().startsWith(QStringLiteral("Not listed: 1 file named like a page")));
        e.mnuFileItem[4]->trigger(); // Save Page
        QVERIFY(e.ExitEditor(CloseReason::ControlMenu));
        int entries = 0; // read raw: Qt skips the name it cannot spell
        DIR *dir = ::opendir(QFile::encodeName(folder).constData());
        QVERIFY(dir);
        while (const dirent *entry = ::readdir(dir))
            entries += entry->d_name[0] != '.';
        ::closedir(dir);
        QCOMPARE(entries, 2);
        struct stat st;
        QVERIFY(::stat(name.constData(), &st) == 0 && st.st_size == 3);
    }

    // ------------------------------------------------------------ settings

    void settingsFileInTheWay_data()
    {
        QTest::addColumn<QString>("inTheWay"); // what stands where the file or its folder should be
        QTest::newRow("settings file is a folder") << QStringLiteral("TAGSMITH/TAGSMITH.ini");
        QTest::newRow("its folder is a file (XDG_CONFIG_HOME a file)") << QStringLiteral("TAGSMITH");
    }
    void settingsFileInTheWay()
    {
        QFETCH(QString, inTheWay);
        QTemporaryDir dir;
        const QString path = dir.path() + QStringLiteral("/TAGSMITH/TAGSMITH.ini");
        const QString blocker = dir.path() + u'/' + inTheWay;
        if (inTheWay.endsWith(QLatin1String(".ini")))
            QVERIFY(QDir().mkpath(blocker));
        else
            QVERIFY(writeFileSafely(blocker, "a file of the user's"));
        IniSettingsStore store(path);
        QStringList told;
        store.setFailureHandler([&told](const QString &message) { told << message; });
        QVERIFY(!store.write(SettingsKeys::Settings, SettingsKeys::ToolBar, QStringLiteral("1")));
        QCOMPARE(told.size(), 1);
        QVERIFY(told[0].contains(path));
        QCOMPARE(store.read(SettingsKeys::Settings, SettingsKeys::ToolBar, {}), QStringLiteral("1")); // for this run
        QByteArray bytes;
        QCOMPARE(readWholeFile(blocker, bytes), !QFileInfo(blocker).isDir());
        QVERIFY(QFileInfo(blocker).isDir() || bytes == "a file of the user's");
    }

    void settingsFileWithGarbage()
    {
        QTemporaryDir dir;
        const QString path = dir.path() + QStringLiteral("/TAGSMITH.ini");
        QByteArray bytes(1, '\0');
        bytes += QByteArray("\xff\xfe garbage\n[Settings]\nHeight=lots\nWidth=-99999999999999\nTop=1e400\n"
                         "Left=12abc\nToolBar=maybe\nProjMan=1\nProjMan=0\nAutoHTML=\xc3\n[Tools]\n"
                         "ToolCaption 1=A\ntoolcaption 1=B\n=x\n[Settings\nnot a line\r\n");
        bytes += QByteArray(70000, 'z'); // one very long line without "="
        QVERIFY(writeFileSafely(path, bytes));
        {
            IniSettingsStore store(path);
            // The later duplicate wins, whatever the case of the key.
            QCOMPARE(store.read(SettingsKeys::Settings, SettingsKeys::ProjMan, QStringLiteral("x")), QStringLiteral("0"));
            QCOMPARE(store.read(SettingsKeys::Tools, QStringLiteral("ToolCaption 1"), QString()), QStringLiteral("B"));
            // Numbers read the forgiving way: the leading number, else 0.
            QCOMPARE(vbValInt(store.read(SettingsKeys::Settings, SettingsKeys::Height, QString())), 0);
            QCOMPARE(vbValInt(store.read(SettingsKeys::Settings, SettingsKeys::Left, QString())), 12);
            QVERIFY(store.write(SettingsKeys::Settings, SettingsKeys::Height, QStringLiteral("300")));
        }
        IniSettingsStore again(path);
        QCOMPARE(again.read(SettingsKeys::Settings, SettingsKeys::Height, QString()), QStringLiteral("300"));
        QCOMPARE(again.read(SettingsKeys::Settings, SettingsKeys::Left, QString()), QStringLiteral("12abc"));
    }

    void editorStartsOnGarbageSettings()
    {
        EditorFixture f;
        MemorySettingsStore &s = f.fake.settings;
        s.write(SettingsKeys::Settings, SettingsKeys::Height, QStringLiteral("-99999999999999"));
        s.write(SettingsKeys::Settings, SettingsKeys::Width, QStringLiteral("1e400"));
        s.write(SettingsKeys::Settings, SettingsKeys::Top, QStringLiteral("2147483647"));
        s.write(SettingsKeys::Settings, SettingsKeys::Left, QStringLiteral("-2147483648"));
        s.write(SettingsKeys::Settings, SettingsKeys::ToolBar, QStringLiteral("\xff"));
        s.write(SettingsKeys::Settings, SettingsKeys::AutoHTML, QStringLiteral("lots"));
        s.write(SettingsKeys::Tools, QStringLiteral("ToolCaption 1"), QString(5000, u'x'));
        f.page(QStringLiteral("a.htm"), "A");
        frmEditor &e = f.start();
        QCOMPARE(f.box().text(), QStringLiteral("A"));
        QVERIFY(e.width() > 0 && e.height() > 0);
        QVERIFY(e.width() < 100000 && e.height() < 100000);
        QVERIFY(e.ExitEditor(CloseReason::ControlMenu));
        // What closing writes back are plain numbers again.
        bool ok = false;
        s.read(SettingsKeys::Settings, SettingsKeys::Width, QString()).toInt(&ok);
        QVERIFY(ok);
    }

    // ------------------------------------------------------------ dictionary

    void dictionaryThatIsAFolder()
    {
        QTemporaryDir dir;
        const QString path = dir.path() + QStringLiteral("/spell.dat");
        QVERIFY(QDir().mkdir(path));
        const SpellDictionary dict(path);
        const SpellDictionary::Result r = dict.suggest(QStringLiteral("word"));
        QVERIFY(!r.found);
        QVERIFY(r.suggestions.isEmpty());
        QCOMPARE(r.recordReads, 0);
        QVERIFY(QFileInfo(path).isDir());
    }

    // ------------------------------------------------------------ page skeleton

    void skeletonThatIsAFolder()
    {
        EditorFixture f;
        QFile::remove(f.app.path() + QStringLiteral("/default.htm"));
        QVERIFY(QDir().mkdir(f.app.path() + QStringLiteral("/default.htm")));
        f.page(QStringLiteral("a.htm"), "A");
        frmEditor &e = f.start();
        // File > New Page..., a name typed, "&Add" pressed.
        bool ran = false;
        QTimer::singleShot(0, [&] {
            auto *d = qobject_cast<webNew *>(QApplication::activeModalWidget());
            if (!d)
                return;
            ran = true;
            QTest::keyClicks(d->Text1, QStringLiteral("fresh"));
            QTest::mouseClick(d->Option1, Qt::LeftButton);
            QTest::mouseClick(d->Command1, Qt::LeftButton);
        });
        e.mnuFileItem[2]->trigger();
        QVERIFY(ran);
        QVERIFY(f.fake.messages.shown.isEmpty());
        // The new page is the comment line alone, and it is on disk.
        QCOMPARE(f.app.read(QStringLiteral("project/default/fresh.htm")), newPageCommentLine().toUtf8());
        QVERIFY(QFileInfo(f.app.path() + QStringLiteral("/default.htm")).isDir());
        QCOMPARE(f.app.read(QStringLiteral("project/default/a.htm")), QByteArray("A"));
    }

    // ------------------------------------------------------------ project folders

    void projectFoldersThatAreLinksOrOdd()
    {
        EditorFixture f;
        f.page(QStringLiteral("p.htm"), "P", QStringLiteral("real"));
        const QString root = f.app.path() + QStringLiteral("/project");
        QVERIFY(QFile::link(root + QStringLiteral("/real"), root + QStringLiteral("/linked")));
        QVERIFY(QFile::link(root + QStringLiteral("/nowhere"), root + QStringLiteral("/dangling")));
        QVERIFY(QFile::link(root + QStringLiteral("/linked2"), root + QStringLiteral("/linked2"))); // a loop
        f.app.write(QStringLiteral("project/notes.txt"), "not a project");
        QVERIFY(QDir().mkpath(root + QStringLiteral("/locked")));
        QVERIFY(QFile::setPermissions(root + QStringLiteral("/locked"), QFileDevice::Permissions()));
        frmEditor &e = f.start();

        ProjMan dialog(e.state(), e.platform(), &e);
        dialog.load();
        const QStringList names = listed(dialog.List1);
        // Folders, and links to folders; a link to nowhere, a loop or a file is no project.
        QCOMPARE(names, (QStringList{QStringLiteral("default"), QStringLiteral("linked"), QStringLiteral("locked"),
                                     QStringLiteral("real")}));

        // The linked project shows the pages of its target, and saves into them.
        e.state().CurrentProject = QStringLiteral("linked");
        e.setPageLoaded(0);
        e.updatelist();
        QCOMPARE(e.currentPageName(), QStringLiteral("p.htm"));
        QCOMPARE(f.box().text(), QStringLiteral("P"));
        e.txtEdit().setText(QStringLiteral("P2"));
        QVERIFY(e.ExitEditor(CloseReason::ControlMenu));
        QCOMPARE(f.app.read(QStringLiteral("project/real/p.htm")), QByteArray("P2"));
        QVERIFY(QFileInfo(root + QStringLiteral("/linked")).isSymLink());

        // A project that is a link to nowhere lists no pages and shows the notice.
        e.state().CurrentProject = QStringLiteral("dangling");
        e.setPageLoaded(0);
        e.updatelist();
        QCOMPARE(e.pageCount(), 0);
        QVERIFY(!e.txtEdit().text().isEmpty());
        QFile::setPermissions(root + QStringLiteral("/locked"), QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                                    | QFileDevice::ExeOwner);
    }
};

QTEST_MAIN(BadInputTest)
#include "badinput_test.moc"
