// SPDX-License-Identifier: GPL-3.0-or-later
// The Project Manager: the real dialog, at start-up and from the File menu.
#include "ModalDriver.h"
#include "support/EditorFixture.h"
#include "support/ListText.h"

#include "editor/DialogPlacement.h"
#include "project/ProjMan.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QtTest>

namespace {
QString root(const EditorFixture &f) { return f.app.path() + QStringLiteral("/project"); }

QStringList listed(const ProjMan *d) { return listed(d->List1); }

QStringList folderNames(const QString &dir)
{
    return QDir(dir).entryList(QDir::Dirs | QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
}

// Opens the Project Manager from the File menu and drives it.
void fromMenu(EditorFixture &f, std::function<void(ProjMan *)> drive)
{
    bool ran = false;
    whenModal<ProjMan>(drive, &ran);
    f.editor->mnuFileItem[0]->trigger();
    QVERIFY(ran);
}
} // namespace

class ProjManTest : public QObject {
    Q_OBJECT
private slots:
    void startUpShowsExitAndItsControls()
    {
        EditorFixture f;
        f.fake.settings.write(QStringLiteral("Settings"), QStringLiteral("ProjMan"), QStringLiteral("0"));
        f.page("a.htm", "<TITLE>A</TITLE>");
        bool ran = false;
        whenModal<ProjMan>(
            [&](ProjMan *d) {
                QCOMPARE(f.state.StartingUp, 1);
                QCOMPARE(d->windowTitle(), QStringLiteral("Project Manager"));
                QCOMPARE(d->Command1->text(), QStringLiteral("&OK"));
                QVERIFY(d->Command1->isDefault());
                QVERIFY(d->Command1->isEnabled());
                QCOMPARE(d->Command2->text(), QStringLiteral("E&xit"));
                QCOMPARE(d->Frame1->title(), QStringLiteral(" Project Options "));
                QCOMPARE(d->Option1->text(), QStringLiteral("Open Existing Project"));
                QCOMPARE(d->Option2->text(), QStringLiteral("Create New Project"));
                QCOMPARE(d->Label1->text(), QStringLiteral("Project Name:"));
                QVERIFY(d->Option1->isChecked());
                QVERIFY(!d->Option2->isChecked());
                QVERIFY(!d->Label1->isEnabled());
                QVERIFY(!d->Text1->isEnabled());
                QVERIFY(d->Text1->text().isEmpty());
                QVERIFY(d->List1->isEnabled());
                // Centred on the screen.
                const QRect screen = d->screen()->geometry();
                QCOMPARE(d->pos(), centredTopLeft(screen, d->size()));
                QCOMPARE(d->pos().x(), screen.width() / 2 - d->width() / 2);
                saveShot(d, QStringLiteral("project-projman.png"));
                QTest::mouseClick(d->Command1, Qt::LeftButton);
            },
            &ran);
        f.start();
        QVERIFY(ran);
        QCOMPARE(f.state.StartingUp, 0);
        QCOMPARE(f.state.CurrentProject, QStringLiteral("default"));
        QCOMPARE(f.editor->currentPageName(), QStringLiteral("a.htm"));
    }

    void listHoldsSortedFoldersAndPreselectsTheFirst()
    {
        EditorFixture f;
        f.page("x.htm", "", QStringLiteral("zeta"));
        f.page("x.htm", "", QStringLiteral("Alpha"));
        f.page("x.htm", "", QStringLiteral("beta"));
        f.app.write(QStringLiteral("project/notes.txt"), "not a project");
        f.app.write(QStringLiteral("project/page.htm"), "not a project either");
        // Hidden folders (version control, the desktop's waste basket) are no projects.
        f.app.write(QStringLiteral("project/.git/HEAD"), "ref");
        f.app.write(QStringLiteral("project/.Trash/x.htm"), "");
        f.start();
        f.state.CurrentProject = QStringLiteral("zeta");
        ProjMan d(f.state, f.fake.platform, f.editor.get());
        d.load();
        QCOMPARE(listed(&d), (QStringList{"Alpha", "beta", "default", "zeta"}));
        // The first entry, not the current project.
        QCOMPARE(d.List1->currentRow(), 0);
        QTest::mouseClick(d.Command1, Qt::LeftButton);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(f.state.CurrentProject, QStringLiteral("Alpha"));
    }

    void cancelThenPickFromTheMenu()
    {
        EditorFixture f;
        f.page("a.htm", "mine");
        f.page("b.htm", "<TITLE>B</TITLE>theirs", QStringLiteral("Other"));
        f.start();
        const QString before = f.state.CurrentProject;
        fromMenu(f, [&](ProjMan *d) {
            QCOMPARE(f.state.StartingUp, 0);
            QCOMPARE(d->Command2->text(), QStringLiteral("&Cancel"));
            QTest::mouseClick(d->Command2, Qt::LeftButton);
            QVERIFY(!d->isVisible());
        });
        QCOMPARE(f.state.CurrentProject, before);
        QCOMPARE(f.box().text(), QStringLiteral("mine"));
        QVERIFY(f.fake.messages.shown.isEmpty());

        f.box().setText(QStringLiteral("mine, edited"));
        fromMenu(f, [&](ProjMan *d) {
            QCOMPARE(listed(d), (QStringList{"default", "Other"}));
            d->List1->setCurrentRow(1);
            QTest::mouseClick(d->Command1, Qt::LeftButton);
        });
        QCOMPARE(f.state.CurrentProject, QStringLiteral("Other"));
        // The page being edited was saved before the dialog opened.
        QCOMPARE(f.app.read(QStringLiteral("project/default/a.htm")), QByteArray("mine, edited"));
        QCOMPARE(f.editor->currentPageName(), QStringLiteral("b.htm"));
        QCOMPARE(f.state.CurrentPagePath, f.app.path() + QStringLiteral("/project/Other/b.htm"));
        QCOMPARE(f.box().text(), QStringLiteral("<TITLE>B</TITLE>theirs"));
        QCOMPARE(f.app.read(QStringLiteral("project/Other/b.htm")), QByteArray("<TITLE>B</TITLE>theirs"));
    }

    void doubleClickPicksAtOnce()
    {
        EditorFixture f;
        f.page("x.htm", "", QStringLiteral("Zoo"));
        f.start();
        fromMenu(f, [&](ProjMan *d) {
            QListWidgetItem *item = d->List1->item(1);
            QCOMPARE(item->text(), QStringLiteral("Zoo"));
            const QRect r = d->List1->visualItemRect(item);
            QTest::mouseClick(d->List1->viewport(), Qt::LeftButton, {}, r.center());
            QTest::mouseDClick(d->List1->viewport(), Qt::LeftButton, {}, r.center());
            QVERIFY(!d->isVisible());
            QCOMPARE(d->result(), int(QDialog::Accepted));
        });
        QCOMPARE(f.state.CurrentProject, QStringLiteral("Zoo"));
        QCOMPARE(f.editor->currentPageName(), QStringLiteral("x.htm"));
    }

    void enablingRulesOfTheTwoModes()
    {
        EditorFixture f;
        f.start();
        ProjMan d(f.state, f.fake.platform, f.editor.get());
        d.load();
        d.show();
        QTest::mouseClick(d.Option2, Qt::LeftButton);
        QVERIFY(d.Option2->isChecked());
        QVERIFY(d.Text1->isEnabled());
        QVERIFY(d.Label1->isEnabled());
        QVERIFY(!d.List1->isEnabled());
        QVERIFY(!d.Command1->isEnabled());
        QTest::keyClicks(d.Text1, "a");
        QVERIFY(d.Command1->isEnabled());
        QTest::keyClick(d.Text1, Qt::Key_Backspace);
        QVERIFY(d.Text1->text().isEmpty());
        QVERIFY(!d.Command1->isEnabled());
        // Back to open mode with an empty name: "&OK" comes back.
        QTest::mouseClick(d.Option1, Qt::LeftButton);
        QVERIFY(d.Command1->isEnabled());
        QVERIFY(!d.Text1->isEnabled());
        QVERIFY(!d.Label1->isEnabled());
        QVERIFY(d.List1->isEnabled());
        // The name is kept across mode changes, and "&OK" stays enabled.
        QTest::mouseClick(d.Option2, Qt::LeftButton);
        QTest::keyClicks(d.Text1, "kept");
        QTest::mouseClick(d.Option1, Qt::LeftButton);
        QCOMPARE(d.Text1->text(), QStringLiteral("kept"));
        QVERIFY(d.Command1->isEnabled());
        QTest::mouseClick(d.Option2, Qt::LeftButton);
        QVERIFY(d.Command1->isEnabled());
        saveShot(&d, QStringLiteral("project-projman-create.png"));
        d.done(QDialog::Rejected);
    }

    void createKeepsTheNameExactly()
    {
        EditorFixture f;
        f.page("a.htm", "page");
        f.start();
        fromMenu(f, [&](ProjMan *d) {
            QTest::mouseClick(d->Option2, Qt::LeftButton);
            QTest::keyClicks(d->Text1, " My Site ");
            QTest::mouseClick(d->Command1, Qt::LeftButton);
        });
        QVERIFY(f.fake.messages.shown.isEmpty());
        QCOMPARE(f.state.CurrentProject, QStringLiteral(" My Site "));
        QVERIFY(QFileInfo(root(f) + QStringLiteral("/ My Site ")).isDir());
        QVERIFY(QDir(root(f) + QStringLiteral("/ My Site ")).isEmpty());
        // A new project has no pages: the editor shows its no-page state.
        QCOMPARE(f.editor->pageCount(), 0);
        QVERIFY(!f.box().isEnabled());
        QCOMPARE(f.editor->findChild<QLabel *>(QStringLiteral("Status"))->text(),
                 QStringLiteral("Current Project:  [ My Site ]"));
        QCOMPARE(f.app.read(QStringLiteral("project/default/a.htm")), QByteArray("page"));

        // Going back from the empty project: the no-page notice is not
        // written anywhere, the old page opens unchanged.
        fromMenu(f, [&](ProjMan *d) {
            QCOMPARE(listed(d), (QStringList{" My Site ", "default"}));
            d->List1->setCurrentRow(1);
            QTest::mouseClick(d->Command1, Qt::LeftButton);
        });
        QCOMPARE(f.state.CurrentProject, QStringLiteral("default"));
        QCOMPARE(f.box().text(), QStringLiteral("page"));
        QCOMPARE(f.app.read(QStringLiteral("project/default/a.htm")), QByteArray("page"));
        QVERIFY(!QFileInfo::exists(f.app.path() + QStringLiteral("/Tagsmith")));
        QVERIFY(QDir(root(f) + QStringLiteral("/ My Site ")).isEmpty());
    }

    void existingAndUnsafeNamesAreRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("existing") << QStringLiteral("default");
        QTest::newRow("existing, other case") << QStringLiteral("DEFAULT");
        QTest::newRow("plain file of the root") << QStringLiteral("notes.txt");
        QTest::newRow("dot") << QStringLiteral(".");
        QTest::newRow("dot dot") << QStringLiteral("..");
        QTest::newRow("up and out") << QStringLiteral("../escaped");
        QTest::newRow("slash") << QStringLiteral("a/b");
        QTest::newRow("backslash") << QStringLiteral("a\\b");
    }
    void existingAndUnsafeNamesAreRefused()
    {
        QFETCH(QString, name);
        EditorFixture f;
        f.page("a.htm", "page");
        f.app.write(QStringLiteral("project/notes.txt"), "notes");
        f.start();
        const QString before = f.state.CurrentProject;
        const QStringList rootBefore = folderNames(root(f));
        const QStringList appBefore = folderNames(f.app.path());
        fromMenu(f, [&](ProjMan *d) {
            QTest::mouseClick(d->Option2, Qt::LeftButton);
            d->Text1->setText(name);
            QTest::mouseClick(d->Command1, Qt::LeftButton);
            // The dialog closes also after a failed creation.
            QVERIFY(!d->isVisible());
        });
        QCOMPARE(f.fake.messages.shown.size(), 1);
        const MessageRequest &m = f.fake.messages.shown.first();
        QCOMPARE(m.text, QStringLiteral("An Error Occured When Trying to Create New Project.  Try Again."));
        QCOMPARE(m.title, QStringLiteral("Error"));
        QCOMPARE(m.buttons, MessageRequest::Buttons::Ok);
        QCOMPARE(f.state.CurrentProject, before);
        QCOMPARE(folderNames(root(f)), rootBefore);
        QCOMPARE(folderNames(f.app.path()), appBefore);
        QCOMPARE(folderNames(root(f) + QStringLiteral("/default")), QStringList{"a.htm"});
        QVERIFY(!QFileInfo::exists(f.app.path() + QStringLiteral("/escaped")));
        QCOMPARE(f.box().text(), QStringLiteral("page"));
    }

    void exitAsksAndEndsWithoutSaving()
    {
        EditorFixture f;
        f.fake.settings.write(QStringLiteral("Settings"), QStringLiteral("ProjMan"), QStringLiteral("0"));
        f.page("a.htm", "page");
        f.fake.settings.writes = 0;
        bool ran = false;
        whenModal<ProjMan>(
            [&](ProjMan *d) {
                // No: the dialog stays open and unchanged.
                f.fake.messages.answers.enqueue(MessageAnswer::No);
                QTest::mouseClick(d->Command2, Qt::LeftButton);
                QVERIFY(d->isVisible());
                QVERIFY(!f.fake.end.ended());
                QCOMPARE(f.fake.messages.shown.size(), 1);
                const MessageRequest &m = f.fake.messages.shown.first();
                QCOMPARE(m.text, QStringLiteral("Are you sure you want to exit?"));
                QCOMPARE(m.title, QStringLiteral("Tagsmith"));
                QCOMPARE(m.icon, MessageRequest::Icon::Question);
                QCOMPARE(m.buttons, MessageRequest::Buttons::YesNo);
                QVERIFY(m.defaultNo);
                // Esc asks the same question.
                f.fake.messages.answers.enqueue(MessageAnswer::No);
                QTest::keyClick(d, Qt::Key_Escape);
                QVERIFY(d->isVisible());
                QCOMPARE(f.fake.messages.shown.size(), 2);
                // Yes ends the program.
                f.fake.messages.answers.enqueue(MessageAnswer::Yes);
                QTest::mouseClick(d->Command2, Qt::LeftButton);
                QVERIFY(f.fake.end.ended());
                QVERIFY(!d->isVisible());
            },
            &ran);
        f.start();
        QVERIFY(ran);
        QVERIFY(f.fake.end.ended());
        // Nothing was saved: no settings, no page, and the page list never filled.
        QCOMPARE(f.fake.settings.writes, 0);
        QCOMPARE(f.editor->pageCount(), 0);
        QCOMPARE(f.app.read(QStringLiteral("project/default/a.htm")), QByteArray("page"));
    }

    void createProjectFolderRules()
    {
        QTemporaryDir dir;
        QVERIFY(createProjectFolder(dir.path(), QStringLiteral("Mixed Case")));
        QVERIFY(QFileInfo(dir.path() + QStringLiteral("/Mixed Case")).isDir());
        QVERIFY(!createProjectFolder(dir.path(), QStringLiteral("mixed case")));
        QVERIFY(!createProjectFolder(dir.path(), QString()));
        QVERIFY(!createProjectFolder(dir.path() + QStringLiteral("/missing"), QStringLiteral("x")));
        QVERIFY(!QFileInfo::exists(dir.path() + QStringLiteral("/missing")));
    }
};

QTEST_MAIN(ProjManTest)
#include "projman_test.moc"
