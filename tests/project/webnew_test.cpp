// SPDX-License-Identifier: GPL-3.0-or-later
// The New Web Page dialog: the real dialog opened from the File menu.
#include "ModalDriver.h"
#include "support/EditorFixture.h"

#include "core/PageOps.h"
#include "core/Paths.h"
#include "core/WebAddresses.h"
#include "editor/DialogPlacement.h"
#include "project/webNew.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QtTest>

namespace {
const QByteArray kComment =
    QByteArray("<!-- This page was created using Tagsmith (") + kMakerWebSite.toUtf8() + QByteArray(") -->");

QByteArray skeleton(const EditorFixture &f) { return f.app.read(QStringLiteral("default.htm")); }

QString folder(const EditorFixture &f, const QString &project = QStringLiteral("default"))
{
    return f.app.path() + QStringLiteral("/project/") + project;
}

QStringList files(const QString &dir) { return QDir(dir).entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name); }

// Opens New Page from the File menu, types the name, picks the extension and
// presses "&Add".
void addPage(EditorFixture &f, const QString &typed, bool htm, QString *shownName = nullptr)
{
    bool ran = false;
    whenModal<webNew>(
        [&](webNew *d) {
            QTest::keyClicks(d->Text1, typed);
            QTest::mouseClick(htm ? d->Option1 : d->Option2, Qt::LeftButton);
            QTest::mouseClick(d->Command1, Qt::LeftButton);
            if (shownName)
                *shownName = d->Text1->text();
            QVERIFY(!d->isVisible());
        },
        &ran);
    f.editor->mnuFileItem[2]->trigger();
    QVERIFY(ran);
}
} // namespace

class WebNewTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // The tests need the real skeleton next to the program.
        EditorFixture f;
        QVERIFY2(skeleton(f) != "<missing>", "TAGSMITH_SOURCE_DIR must name the source tree");
        QVERIFY(!skeleton(f).isEmpty());
    }

    void controlsAndTexts()
    {
        EditorFixture f;
        f.page("a.htm", "x");
        f.start();
        bool ran = false;
        whenModal<webNew>(
            [&](webNew *d) {
                QCOMPARE(d->windowTitle(), QStringLiteral("New Web Page"));
                QCOMPARE(d->Label1->text(), QStringLiteral("For a page to work on your web server you need to name "
                                                           "it with a HTM or HTML extension.  "));
                QCOMPARE(d->Label2->text(), QStringLiteral("Type a name for your new page below.  Then choose "
                                                           "either HTM or HTML as your extension."));
                QCOMPARE(d->Label3->text(), QStringLiteral("Filename:"));
                QVERIFY(d->Text1->text().isEmpty());
                QCOMPARE(d->Option1->text(), QStringLiteral("HTM"));
                QCOMPARE(d->Option2->text(), QStringLiteral("HTML"));
                QVERIFY(!d->Option1->isChecked());
                QVERIFY(d->Option2->isChecked());
                QCOMPARE(d->Command1->text(), QStringLiteral("&Add"));
                QVERIFY(d->Command1->isDefault());
                QCOMPARE(d->Command2->text(), QStringLiteral("&Cancel"));
                QCOMPARE(d->pos(), centredTopLeft(d->screen()->geometry(), d->size()));
                QTest::keyClicks(d->Text1, "My Page");
                saveShot(d, QStringLiteral("project-webnew.png"));
                // Esc is "&Cancel": closes and changes nothing.
                QTest::keyClick(d, Qt::Key_Escape);
                QVERIFY(!d->isVisible());
            },
            &ran);
        f.editor->mnuFileItem[2]->trigger();
        QVERIFY(ran);
        QCOMPARE(files(folder(f)), QStringList{"a.htm"});
        QCOMPARE(f.box().text(), QStringLiteral("x"));

        // Every showing starts afresh.
        whenModal<webNew>([&](webNew *d) {
            QVERIFY(d->Text1->text().isEmpty());
            QVERIFY(d->Option2->isChecked());
            QTest::mouseClick(d->Command2, Qt::LeftButton);
        });
        f.editor->mnuFileItem[2]->trigger();
        QCOMPARE(files(folder(f)), QStringList{"a.htm"});
    }

    void nameAndExtension_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("htm");
        QTest::addColumn<QString>("file");
        QTest::newRow("Index + HTML") << QStringLiteral("Index") << false << QStringLiteral("index.html");
        QTest::newRow("about.htm + HTML") << QStringLiteral("about.htm") << false << QStringLiteral("about.htm.html");
        QTest::newRow("HTM") << QStringLiteral("Contact") << true << QStringLiteral("contact.htm");
        QTest::newRow("blank inside") << QStringLiteral("My Page") << true << QStringLiteral("my page.htm");
    }
    void nameAndExtension()
    {
        QFETCH(QString, typed);
        QFETCH(bool, htm);
        QFETCH(QString, file);
        EditorFixture f;
        f.page("a.htm", "old");
        f.start();
        QString shown;
        addPage(f, typed, htm, &shown);
        QCOMPARE(shown, typed.toLower());
        QCOMPARE(files(folder(f)), (QStringList{"a.htm", file}));
        // The comment line, directly followed by the skeleton's bytes.
        QCOMPARE(f.app.read(QStringLiteral("project/default/") + file), kComment + skeleton(f));
        QVERIFY(f.editor->pageList()->findText(file) >= 0);
        QCOMPARE(f.app.read(QStringLiteral("project/default/a.htm")), QByteArray("old"));
        QVERIFY(f.fake.messages.shown.isEmpty());
    }

    void projectWithoutPagesGetsItsFirstPage()
    {
        EditorFixture f;
        f.fake.settings.write(QStringLiteral("Settings"), QStringLiteral("DefaultProj"), QStringLiteral("Empty"));
        QDir().mkpath(folder(f, QStringLiteral("Empty")));
        f.start();
        QCOMPARE(f.state.CurrentProject, QStringLiteral("Empty"));
        QCOMPARE(f.editor->pageCount(), 0);
        addPage(f, QStringLiteral("Home"), false);
        // Nothing was saved first: only the new page is in the folder.
        QCOMPARE(files(folder(f, QStringLiteral("Empty"))), QStringList{"home.html"});
        QCOMPARE(f.editor->pageCount(), 1);
        QCOMPARE(f.editor->currentPageName(), QStringLiteral("home.html"));
        QVERIFY(f.box().isEnabled());
        QCOMPARE(f.box().text().toUtf8(), kComment + skeleton(f));
        QCOMPARE(f.state.CurrentPagePath, folder(f, QStringLiteral("Empty")) + QStringLiteral("/home.html"));
        QCOMPARE(f.editor->windowTitle(), QStringLiteral("New Page - Tagsmith"));
        QVERIFY(!QFileInfo::exists(f.app.path() + QStringLiteral("/Tagsmith")));
    }

    void skeletonIsTakenAsItIs()
    {
        // A skeleton that is not UTF-8 (Latin-1 letters, CR LF) is copied byte for byte.
        EditorFixture f;
        const QByteArray latin1("<HTML>\r\n<TITLE>Caf\xe9</TITLE>\r\n</HTML>\r\n");
        f.app.write(QStringLiteral("default.htm"), latin1);
        f.page("a.htm", "old");
        f.start();
        addPage(f, QStringLiteral("cafe"), true);
        QCOMPARE(f.app.read(QStringLiteral("project/default/cafe.htm")), kComment + latin1);
        // Without a skeleton the page is the comment line alone.
        QVERIFY(QFile::remove(f.app.path() + QStringLiteral("/default.htm")));
        addPage(f, QStringLiteral("bare"), true);
        QCOMPARE(f.app.read(QStringLiteral("project/default/bare.htm")), kComment);
        QVERIFY(f.fake.messages.shown.isEmpty());
    }

    void pageBeingEditedIsSavedFirst()
    {
        EditorFixture f;
        f.page("a.htm", "old text");
        f.start();
        f.box().setSelStart(f.box().length());
        QTest::keyClicks(&f.box(), " and more");
        QCOMPARE(f.box().text(), QStringLiteral("old text and more"));
        addPage(f, QStringLiteral("b"), false);
        QCOMPARE(f.app.read(QStringLiteral("project/default/a.htm")), QByteArray("old text and more"));
        QCOMPARE(f.app.read(QStringLiteral("project/default/b.html")), kComment + skeleton(f));
    }

    void declinedOverwriteKeepsTheOldBytes()
    {
        EditorFixture f;
        const QByteArray oldA("<TITLE>A</TITLE>precious A\r\n");
        const QByteArray oldC("<TITLE>C</TITLE>precious C\n");
        f.page("a.htm", oldA);
        f.page("b.htm", "b");
        f.page("c.htm", oldC);
        f.start();
        // Edit the third page, so that the rebuild selects the first and then the third.
        f.editor->pageList()->setCurrentIndex(2);
        emit f.editor->pageList()->activated(2);
        QCOMPARE(f.editor->currentPageName(), QStringLiteral("c.htm"));

        f.fake.messages.answers.enqueue(MessageAnswer::No);
        addPage(f, QStringLiteral("A"), true); // a.htm exists
        QCOMPARE(f.fake.messages.shown.size(), 1);
        const MessageRequest &m = f.fake.messages.shown.first();
        QCOMPARE(m.text, QStringLiteral("Overwrite existing file?"));
        QCOMPARE(m.title, QStringLiteral("Tagsmith"));
        QCOMPARE(m.icon, MessageRequest::Icon::Question);
        QCOMPARE(m.buttons, MessageRequest::Buttons::YesNo);
        QVERIFY(m.defaultNo);
        QCOMPARE(f.app.read(QStringLiteral("project/default/a.htm")), oldA);
        QCOMPARE(f.app.read(QStringLiteral("project/default/c.htm")), oldC);
        QCOMPARE(files(folder(f)), (QStringList{"a.htm", "b.htm", "c.htm"}));
        // The editor is back on the page it showed, read from disk.
        QCOMPARE(f.editor->currentPageName(), QStringLiteral("c.htm"));
        QCOMPARE(f.box().text().toUtf8(), oldC);
        QCOMPARE(f.state.CurrentPagePath, folder(f) + QStringLiteral("/c.htm"));
        QCOMPARE(f.editor->windowTitle(), QStringLiteral("C - Tagsmith"));

        // Switching pages later does not bring the new text back either.
        f.editor->pageList()->setCurrentIndex(0);
        emit f.editor->pageList()->activated(0);
        QCOMPARE(f.app.read(QStringLiteral("project/default/a.htm")), oldA);
        QCOMPARE(f.app.read(QStringLiteral("project/default/c.htm")), oldC);
    }

    void declinedOverwriteOfThePageBeingEdited()
    {
        EditorFixture f;
        f.page("a.htm", "a");
        f.page("b.htm", "b");
        f.start();
        f.editor->pageList()->setCurrentIndex(1);
        emit f.editor->pageList()->activated(1);
        f.box().setText(QStringLiteral("b edited"));
        f.fake.messages.answers.enqueue(MessageAnswer::No);
        addPage(f, QStringLiteral("B"), true);
        // The edits were saved first; the new page's text went nowhere.
        QCOMPARE(f.app.read(QStringLiteral("project/default/b.htm")), QByteArray("b edited"));
        QCOMPARE(f.app.read(QStringLiteral("project/default/a.htm")), QByteArray("a"));
        QCOMPARE(f.editor->currentPageName(), QStringLiteral("b.htm"));
        QCOMPARE(f.box().text(), QStringLiteral("b edited"));
    }

    void overwriteQuestionOtherAnswersAndCases()
    {
        EditorFixture f;
        f.page("a.htm", "a");
        f.page("Index.html", "keep me");
        f.page("old.html", "old contents");
        f.start();
        // A name of another case names the same page.
        f.fake.messages.answers.enqueue(MessageAnswer::No);
        addPage(f, QStringLiteral("INDEX"), false);
        QCOMPARE(f.fake.messages.texts(), QStringList{"Overwrite existing file?"});
        QCOMPARE(files(folder(f)), (QStringList{"Index.html", "a.htm", "old.html"}));
        QCOMPARE(f.app.read(QStringLiteral("project/default/Index.html")), QByteArray("keep me"));
        // Yes replaces the file with the new page.
        f.fake.messages.answers.enqueue(MessageAnswer::Yes);
        addPage(f, QStringLiteral("Old"), false);
        QCOMPARE(f.fake.messages.shown.size(), 2);
        QCOMPARE(f.app.read(QStringLiteral("project/default/old.html")), kComment + skeleton(f));
        QCOMPARE(f.app.read(QStringLiteral("project/default/a.htm")), QByteArray("a"));
    }

    void emptyNameAndCancelChangeNothing()
    {
        EditorFixture f;
        f.page("a.htm", "a");
        f.start();
        f.box().setText(QStringLiteral("unsaved"));
        addPage(f, QString(), false);
        QCOMPARE(files(folder(f)), QStringList{"a.htm"});
        QCOMPARE(f.app.read(QStringLiteral("project/default/a.htm")), QByteArray("a"));
        QCOMPARE(f.box().text(), QStringLiteral("unsaved"));
        QVERIFY(f.fake.messages.shown.isEmpty());
    }

    void namesWithSeparatorsAreRefused_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("up and out") << QStringLiteral("../escaped");
        QTest::newRow("two up") << QStringLiteral("../../escaped");
        QTest::newRow("slash") << QStringLiteral("Sub/Page");
        QTest::newRow("backslash") << QStringLiteral("sub\\page");
    }
    void namesWithSeparatorsAreRefused()
    {
        QFETCH(QString, typed);
        EditorFixture f;
        f.page("a.htm", "a");
        f.start();
        f.box().setText(QStringLiteral("unsaved"));
        const QStringList appBefore = QDir(f.app.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        const QStringList rootBefore = QDir(f.app.path() + QStringLiteral("/project")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        bool ran = false;
        whenModal<webNew>(
            [&](webNew *d) {
                QTest::keyClicks(d->Text1, typed);
                QTest::mouseClick(d->Command1, Qt::LeftButton);
                // Refused before anything happened; the dialog waits for another name.
                QVERIFY(d->isVisible());
                QCOMPARE(d->Text1->text(), typed);
                QCOMPARE(f.fake.messages.texts(), QStringList{kPageNameSeparatorText});
                QCOMPARE(f.fake.messages.shown.first().icon, MessageRequest::Icon::Exclamation);
                QCOMPARE(f.box().text(), QStringLiteral("unsaved"));
                QCOMPARE(f.app.read(QStringLiteral("project/default/a.htm")), QByteArray("a"));
                QCOMPARE(QDir(f.app.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), appBefore);
                QCOMPARE(QDir(f.app.path() + QStringLiteral("/project")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                         rootBefore);
                QCOMPARE(files(folder(f)), QStringList{"a.htm"});
                // The name is selected: typing replaces it.
                QTest::keyClicks(d->Text1, QStringLiteral("fixed"));
                QTest::mouseClick(d->Command1, Qt::LeftButton);
                QVERIFY(!d->isVisible());
            },
            &ran);
        f.editor->mnuFileItem[2]->trigger();
        QVERIFY(ran);
        QCOMPARE(files(folder(f)), (QStringList{"a.htm", "fixed.html"}));
        QCOMPARE(f.app.read(QStringLiteral("project/default/a.htm")), QByteArray("unsaved"));
        QVERIFY(!QFileInfo::exists(QFileInfo(f.app.path()).absolutePath() + QStringLiteral("/escaped.html")));
    }

    void failedSaveOfTheEditedPageKeepsItOnScreen()
    {
        EditorFixture f;
        f.page("a.htm", "a");
        f.start();
        f.box().setText(QStringLiteral("unsaved edits"));
        // The page's file has turned into a folder: it cannot be written.
        const QString a = folder(f) + QStringLiteral("/a.htm");
        QVERIFY(QFile::remove(a));
        QVERIFY(QDir().mkdir(a));
        addPage(f, QStringLiteral("b"), false);
        QCOMPARE(f.fake.messages.texts(), QStringList{kSaveErrorText});
        QCOMPARE(f.box().text(), QStringLiteral("unsaved edits"));
        QCOMPARE(f.state.CurrentPagePath, a);
        QVERIFY(!QFileInfo::exists(folder(f) + QStringLiteral("/b.html")));
    }
};

QTEST_MAIN(WebNewTest)
#include "webnew_test.moc"
