// SPDX-License-Identifier: GPL-3.0-or-later
// Install Tool and Tool Properties driven through their widgets.
#include "ModalDriver.h"
#include "core/AppState.h"
#include "options/ToolTable.h"
#include "options/frmInstallProp.h"
#include "options/frmInstallTool.h"
#include "platform/QtPlatform.h"
#include "support/FakePlatform.h"

#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {
struct ToolsFixture {
    ToolsFixture() { state.appDir = dir.path(); }
    // An existing program file in the temporary folder.
    QString program(const QString &name)
    {
        const QString path = dir.path() + u'/' + name;
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write("#!/bin/sh\n");
        f.close();
        f.setPermissions(f.permissions() | QFileDevice::ExeOwner);
        return path;
    }
    QTemporaryDir dir;
    AppState state;
    FakePlatform fake;
};

void show(QDialog &d)
{
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
}

// The names an open-file dialog lists in its current folder.
QStringList listedFiles(QFileDialog *d)
{
    const QListView *view = d->findChild<QListView *>(QStringLiteral("listView"));
    QStringList names;
    for (int row = 0; view && row < view->model()->rowCount(view->rootIndex()); ++row)
        names << view->model()->index(row, 0, view->rootIndex()).data().toString();
    names.sort();
    return names;
}

// The user's steps in the program dialog: look at /usr/bin, type the test
// folder, switch to "All files", type the script's name.
void pickScript(QFileDialog *d, const QString &folder, QStringList &inFolder, QStringList &allFiles)
{
    QCOMPARE(d->windowTitle(), QStringLiteral("Choose Tool"));
    QCOMPARE(d->directory().absolutePath(), QStringLiteral("/usr/bin"));
    QTRY_VERIFY(listedFiles(d).contains(QStringLiteral("env")));
    QVERIFY(listedFiles(d).size() > 100);
    auto *name = d->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    QTest::keyClicks(name, folder);
    QTest::keyClick(name, Qt::Key_Return);
    QTRY_VERIFY(listedFiles(d).contains(QStringLiteral("tool.sh")));
    inFolder = listedFiles(d);
    auto *types = d->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
    QCOMPARE(types->currentText(), QStringLiteral("Programs (*)"));
    QTest::keyClick(types, Qt::Key_Down);
    QCOMPARE(types->currentText(), QStringLiteral("All files (*)"));
    QTRY_VERIFY(listedFiles(d).contains(QStringLiteral("notes.txt")));
    allFiles = listedFiles(d);
    QTest::keyClicks(name, QStringLiteral("tool.sh"));
    QTest::keyClick(name, Qt::Key_Return);
}
} // namespace

class ToolDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void installLayoutAndCaptions()
    {
        ToolsFixture f;
        frmInstallTool d(f.state, f.fake.platform);
        d.load();
        QCOMPARE(d.windowTitle(), QStringLiteral("Install Tool"));
        QCOMPARE(d.Frame1->title(), QStringLiteral(" Tool Properties "));
        QCOMPARE(d.Label2->text(), QStringLiteral("Caption:"));
        QCOMPARE(d.Label3->text(), QStringLiteral("Tool:"));
        QCOMPARE(d.Command3->text(), QStringLiteral("&Browse..."));
        QCOMPARE(d.Command1->text(), QStringLiteral("&Ok"));
        QCOMPARE(d.Command2->text(), QStringLiteral("&Cancel"));
        QCOMPARE(d.Label1->text(), QStringLiteral("To add a tool you must assign it a caption and command line.  "
                                                  "This will add it to the Tools menu."));
        QVERIFY(d.Command1->isDefault());
        QVERIFY(!d.Command1->isEnabled());

        frmInstallProp p(f.state, f.fake.platform, 1);
        QCOMPARE(p.windowTitle(), QStringLiteral("Tool Properties"));
        QCOMPARE(p.Frame1->title(), QStringLiteral(" Tool Properties "));
        QVERIFY(p.findChild<QLabel *>(QStringLiteral("Label1")) == nullptr);
    }

    void captionBoxLimitAndReadOnlyProgramBox()
    {
        ToolsFixture f;
        frmInstallTool d(f.state, f.fake.platform);
        d.load();
        show(d);
        d.Text1->setFocus();
        QTest::keyClicks(d.Text1, QString(45, u'x'));
        QCOMPARE(d.Text1->text(), QString(40, u'x'));
        QVERIFY(d.Text2->isReadOnly());
        QTest::keyClicks(d.Text2, QStringLiteral("typed"));
        QCOMPARE(d.Text2->text(), QString());
        QVERIFY(d.Text2->palette().color(QPalette::Base) != d.Text1->palette().color(QPalette::Base));
        // A caption alone does not enable "&Ok".
        QVERIFY(!d.Command1->isEnabled());
    }

    void installIntoEmptyTable()
    {
        ToolsFixture f;
        const QString notes = f.program(QStringLiteral("NOTES.EXE"));
        frmInstallTool d(f.state, f.fake.platform);
        d.load();
        show(d);
        QTest::keyClicks(d.Text1, QStringLiteral("Notes"));
        f.fake.files.answers.enqueue(notes);
        QTest::mouseClick(d.Command3, Qt::LeftButton);
        QCOMPARE(f.fake.files.requests.size(), 1);
        const OpenFileRequest &r = f.fake.files.requests.constFirst();
        QCOMPARE(r.title, QStringLiteral("Choose Tool"));
        QCOMPARE(r.filter, QStringLiteral("Programs|*.exe"));
        QCOMPARE(r.defaultExt, QStringLiteral("EXE"));
        QVERIFY(r.executablesOnly);
        QCOMPARE(d.Text2->text(), QStringLiteral("NOTES.EXE"));
        QVERIFY(d.Command1->isEnabled());
        // Emptying the caption disables "&Ok" again.
        d.Text1->selectAll();
        QTest::keyClick(d.Text1, Qt::Key_Backspace);
        QVERIFY(!d.Command1->isEnabled());
        QTest::keyClicks(d.Text1, QStringLiteral("Notes"));
        QTest::mouseClick(d.Command1, Qt::LeftButton);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(f.state.ToolCaptions[1], QStringLiteral("Notes"));
        QCOMPARE(f.state.ToolFilenames[1], notes); // the full path, not the shown name
        QVERIFY(f.fake.messages.shown.isEmpty());
    }

    void browseCancelKeepsEarlierChoice()
    {
        ToolsFixture f;
        const QString first = f.program(QStringLiteral("first"));
        frmInstallTool d(f.state, f.fake.platform);
        d.load();
        f.fake.files.answers.enqueue(first);
        d.browse();
        d.browse(); // cancelled
        QCOMPARE(d.Text2->text(), QStringLiteral("first"));
        QCOMPARE(d.chosenPath(), first);
        // The second opening starts in the folder of the first choice.
        QCOMPARE(f.fake.files.requests.at(1).startFolder, f.dir.path());
    }

    void programDialogListsFoldersAndPrograms()
    {
        // The real file dialog (Qt's own) behind "&Browse...".
        ToolsFixture f;
        const QString script = f.program(QStringLiteral("tool.sh"));
        QFile(f.dir.filePath(QStringLiteral("notes.txt"))).open(QIODevice::WriteOnly);
        QDir(f.dir.path()).mkdir(QStringLiteral("sub"));
        QtFileDialogs files;
        FakePlatform &p = f.fake;
        Platform real{p.settings, p.messages, p.shell, p.starter, files, p.clipboard, p.end, p.recovery, nullptr};
        frmInstallTool d(f.state, real);
        d.load();
        QStringList inFolder, allFiles;
        bool seen = false;
        whenModal<QFileDialog>(
            [&](QFileDialog *dialog) {
                pickScript(dialog, f.dir.path(), inFolder, allFiles);
                if (dialog->isVisible())
                    dialog->reject();
            },
            &seen);
        d.browse();
        QVERIFY(seen);
        QCOMPARE(inFolder, (QStringList{QStringLiteral("sub"), QStringLiteral("tool.sh")}));
        QCOMPARE(allFiles, (QStringList{QStringLiteral("notes.txt"), QStringLiteral("sub"), QStringLiteral("tool.sh")}));
        QCOMPARE(d.chosenPath(), script);
        QCOMPARE(d.Text2->text(), QStringLiteral("tool.sh"));
    }

    void emptyFieldIsCheckedAgainOnOk()
    {
        ToolsFixture f;
        frmInstallTool d(f.state, f.fake.platform);
        d.load();
        show(d);
        QTest::keyClicks(d.Text1, QStringLiteral("NoProgram"));
        // Not reachable through the disabled button; forced here to reach the check.
        d.Command1->setEnabled(true);
        QTest::mouseClick(d.Command1, Qt::LeftButton);
        QCOMPARE(f.fake.messages.shown.size(), 1);
        const MessageRequest &m = f.fake.messages.shown.constFirst();
        QCOMPARE(m.text, QStringLiteral("Both Fields are required to add a custom tool."));
        QCOMPARE(m.title, QStringLiteral("Installation Error"));
        QCOMPARE(m.icon, MessageRequest::Icon::Question);
        QCOMPARE(m.buttons, MessageRequest::Buttons::Ok);
        QVERIFY(d.isVisible());
        QCOMPARE(ToolTable::count(f.state), 0);
    }

    void tenthToolClosesWithoutChange()
    {
        ToolsFixture f;
        for (int i = 1; i <= 9; ++i)
            ToolTable::add(f.state, QStringLiteral("T%1").arg(i), QStringLiteral("/t/%1").arg(i));
        const QStringList before = ToolTable::captions(f.state);
        frmInstallTool d(f.state, f.fake.platform);
        d.load();
        show(d);
        QTest::keyClicks(d.Text1, QStringLiteral("Ten"));
        f.fake.files.answers.enqueue(f.program(QStringLiteral("ten")));
        QTest::mouseClick(d.Command3, Qt::LeftButton);
        QTest::mouseClick(d.Command1, Qt::LeftButton);
        QVERIFY(!d.isVisible());
        QCOMPARE(ToolTable::captions(f.state), before);
        QCOMPARE(f.state.ToolFilenames[9], QStringLiteral("/t/9"));
        QVERIFY(f.fake.messages.shown.isEmpty());
    }

    void installClosesGapsAndCancelChangesNothing()
    {
        ToolsFixture f;
        f.state.ToolCaptions[2] = QStringLiteral("B");
        f.state.ToolFilenames[2] = QStringLiteral("/t/B");
        frmInstallTool d(f.state, f.fake.platform);
        d.load();
        QCOMPARE(f.state.ToolCaptions[1], QStringLiteral("B"));
        QCOMPARE(f.state.ToolFilenames[1], QStringLiteral("/t/B"));
        show(d);
        QTest::keyClicks(d.Text1, QStringLiteral("New"));
        f.fake.files.answers.enqueue(f.program(QStringLiteral("new")));
        QTest::mouseClick(d.Command3, Qt::LeftButton);
        QTest::mouseClick(d.Command2, Qt::LeftButton);
        QCOMPARE(d.result(), int(QDialog::Rejected));
        QCOMPARE(ToolTable::captions(f.state), QStringList{QStringLiteral("B")});
        QCOMPARE(f.state.ToolFilenames[2], QString());
    }

    void propertiesShowsSlotAndKeepsPath()
    {
        ToolsFixture f;
        const QString a = f.program(QStringLiteral("a-tool"));
        const QString b = f.program(QStringLiteral("b-tool"));
        ToolTable::add(f.state, QStringLiteral("A"), a);
        ToolTable::add(f.state, QStringLiteral("B"), b);
        frmInstallProp d(f.state, f.fake.platform, 2);
        d.load();
        show(d);
        QCOMPARE(d.Text1->text(), QStringLiteral("B"));
        QCOMPARE(d.Text2->text(), QStringLiteral("b-tool"));
        QVERIFY(d.Command1->isEnabled());
        // Only the caption changes: the stored program stays.
        d.Text1->selectAll();
        QTest::keyClicks(d.Text1, QStringLiteral("Bee"));
        QTest::mouseClick(d.Command1, Qt::LeftButton);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(f.state.ToolCaptions[2], QStringLiteral("Bee"));
        QCOMPARE(f.state.ToolFilenames[2], b);
        QCOMPARE(f.state.ToolCaptions[1], QStringLiteral("A"));
        QCOMPARE(f.state.ToolFilenames[1], a);
        // The browse dialog starts in the tool's own folder.
        frmInstallProp again(f.state, f.fake.platform, 1);
        again.load();
        again.browse();
        QCOMPARE(f.fake.files.requests.constLast().startFolder, f.dir.path());
        QCOMPARE(f.fake.files.requests.constLast().title, QStringLiteral("Choose Tool"));
    }

    void propertiesWithDeletedProgram()
    {
        ToolsFixture f;
        const QString gone = f.program(QStringLiteral("gone"));
        ToolTable::add(f.state, QStringLiteral("Gone"), gone);
        QFile::remove(gone);
        frmInstallProp d(f.state, f.fake.platform, 1);
        d.load();
        show(d);
        QCOMPARE(d.Text1->text(), QStringLiteral("Gone"));
        QCOMPARE(d.Text2->text(), QString());
        QVERIFY(!d.Command1->isEnabled());
        const QString other = f.program(QStringLiteral("other"));
        f.fake.files.answers.enqueue(other);
        QTest::mouseClick(d.Command3, Qt::LeftButton);
        QCOMPARE(d.Text2->text(), QStringLiteral("other"));
        QVERIFY(d.Command1->isEnabled());
        QTest::mouseClick(d.Command1, Qt::LeftButton);
        QCOMPARE(f.state.ToolFilenames[1], other);

        // "&Cancel" leaves the slot as it was.
        frmInstallProp c(f.state, f.fake.platform, 1);
        c.load();
        show(c);
        c.Text1->selectAll();
        QTest::keyClicks(c.Text1, QStringLiteral("Changed"));
        QTest::mouseClick(c.Command2, Qt::LeftButton);
        QCOMPARE(f.state.ToolCaptions[1], QStringLiteral("Gone"));
    }

    void propertiesRefusesEmptyCaption()
    {
        ToolsFixture f;
        ToolTable::add(f.state, QStringLiteral("A"), f.program(QStringLiteral("a")));
        ToolTable::add(f.state, QStringLiteral("B"), f.program(QStringLiteral("b")));
        frmInstallProp d(f.state, f.fake.platform, 1);
        d.load();
        show(d);
        d.Text1->clear();
        QVERIFY(!d.Command1->isEnabled());
        d.Command1->setEnabled(true); // forced: the check runs again on "&Ok"
        QTest::mouseClick(d.Command1, Qt::LeftButton);
        QCOMPARE(f.fake.messages.texts(), QStringList{kToolFieldsText});
        QCOMPARE(ToolTable::captions(f.state), (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
    }
};

QTEST_MAIN(ToolDialogsTest)
#include "tooldialogs_test.moc"
