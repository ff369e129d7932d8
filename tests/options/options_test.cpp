// SPDX-License-Identifier: GPL-3.0-or-later
// The Options dialog on a real main window: loading, the settings written at
// once and those written by SaveOpt, the Tools tab and the Tools menu.
#include "editor/Commands.h"
#include "options/ModalDriver.h"
#include "options/ToolTable.h"
#include "options/frmInstallProp.h"
#include "options/frmInstallTool.h"
#include "options/frmOptions.h"
#include "support/EditorFixture.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

namespace {
const QString S = QStringLiteral("Settings");
const QString T = QStringLiteral("Tools");

QString stored(EditorFixture &f, const QString &section, const QString &key)
{
    return f.fake.settings.read(section, key, QStringLiteral("<absent>"));
}

// A main window whose settings store is then emptied: what a first run sees.
void startFresh(EditorFixture &f)
{
    f.page("index.htm", "<html></html>");
    f.start();
    f.fake.settings.doc.clear();
    f.fake.settings.writes = 0;
    f.state.ProjManOption = 0;
}

void showOn(frmOptions &d, int tab)
{
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    d.SSTab1->setCurrentIndex(tab);
}

void clickRow(QListWidget *list, int row)
{
    const QRect r = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
}

QString makeProgram(EditorFixture &f, const QString &name)
{
    return f.app.write(QStringLiteral("bin/") + name, "#!/bin/sh\n");
}

void storeTools(EditorFixture &f, const QStringList &captions)
{
    for (int i = 0; i < captions.size(); ++i) {
        f.fake.settings.write(T, QStringLiteral("ToolCaption %1").arg(i + 1), captions[i]);
        f.fake.settings.write(T, QStringLiteral("ToolFilename %1").arg(i + 1), QStringLiteral("/t/") + captions[i]);
    }
}
} // namespace

class OptionsTest : public QObject {
    Q_OBJECT
private slots:
    void freshStoreShowsDefaults()
    {
        EditorFixture f;
        startFresh(f);
        frmOptions d(*f.editor);
        d.load();
        QCOMPARE(d.windowTitle(), QStringLiteral("Options"));
        QCOMPARE(d.SSTab1->count(), 3);
        QCOMPARE(d.SSTab1->tabText(0), QStringLiteral("Environment"));
        QCOMPARE(d.SSTab1->tabText(1), QStringLiteral("Start-Up"));
        QCOMPARE(d.SSTab1->tabText(2), QStringLiteral("Tools"));
        QCOMPARE(d.SSTab1->currentIndex(), 2);
        QVERIFY(d.ProjManOpt[0]->isChecked());
        QVERIFY(!d.ProjManOpt[1]->isChecked());
        QVERIFY(!d.Combo1->isEnabled());
        QCOMPARE(d.Combo1->currentText(), QStringLiteral("Default"));
        QVERIFY(!d.Check1->isChecked());
        QVERIFY(d.Option3->isChecked());
        QVERIFY(!d.Label1->isEnabled());
        QVERIFY(!d.Command1->isEnabled());
        QCOMPARE(d.Label1->text(), QStringLiteral("(No Browser Selected)"));
        QCOMPARE(d.List1->count(), 0);
        QVERIFY(!d.Command3->isEnabled());
        // Opening stores nothing.
        QCOMPARE(f.fake.settings.writes, 0);
    }

    void captionsAreExact()
    {
        EditorFixture f;
        startFresh(f);
        frmOptions d(*f.editor);
        QCOMPARE(d.Check1->text(), QStringLiteral("Disable AutoHTML"));
        QCOMPARE(d.OptionFrm[0]->title(), QStringLiteral("Web Page Preview "));
        QCOMPARE(d.Option3->text(), QStringLiteral("Use the default browser (faster)"));
        QCOMPARE(d.Option4->text(), QStringLiteral("Let me pick a web browser (slower)"));
        QCOMPARE(d.Command1->text(), QStringLiteral("..."));
        QCOMPARE(d.OptionFrm[1]->title(), QStringLiteral("Project Manager "));
        QCOMPARE(d.ProjManOpt[0]->text(), QStringLiteral("Start with Project Manager"));
        QCOMPARE(d.ProjManOpt[1]->text(), QStringLiteral("Start with this project:"));
        QCOMPARE(d.Frame1->title(), QStringLiteral(" Custom Tools"));
        QCOMPARE(d.Label3->text(),
                 QStringLiteral("You may customize your tools menu by adding, removing, or changing the items on it."));
        QCOMPARE(d.Label2->text(), QStringLiteral("Installed Tools"));
        QCOMPARE(d.ToolBtn->text(), QStringLiteral("&Add..."));
        QCOMPARE(d.Command2->text(), QStringLiteral("&Remove"));
        QCOMPARE(d.Command3->text(), QStringLiteral("&Properties"));
        QCOMPARE(d.OptionBtn[0]->text(), QStringLiteral("&Ok"));
        QCOMPARE(d.OptionBtn[1]->text(), QStringLiteral("&Cancel"));
        QCOMPARE(d.OptionBtn[2]->text(), QStringLiteral("&Apply"));
        QVERIFY(d.OptionBtn[0]->isDefault());
        // The widgets sit on their tabs.
        QVERIFY(d.SSTab1->widget(0)->isAncestorOf(d.Option4));
        QVERIFY(d.SSTab1->widget(1)->isAncestorOf(d.Combo1));
        QVERIFY(d.SSTab1->widget(2)->isAncestorOf(d.List1));
    }

    void projectListHoldsFoldersOnly()
    {
        EditorFixture f;
        f.app.write(QStringLiteral("project/Beta/a.htm"), "");
        f.app.write(QStringLiteral("project/alpha/a.htm"), "");
        f.app.write(QStringLiteral("project/stray.txt"), "not a project");
        f.app.write(QStringLiteral("project/.Trash/a.htm"), "");
        startFresh(f);
        f.fake.settings.write(S, QStringLiteral("DefaultProj"), QStringLiteral("Beta"));
        frmOptions d(*f.editor);
        d.load();
        QStringList names;
        for (int i = 0; i < d.Combo1->count(); ++i)
            names << d.Combo1->itemText(i);
        QCOMPARE(names, (QStringList{QStringLiteral("alpha"), QStringLiteral("Beta"), QStringLiteral("default")}));
        QCOMPARE(d.Combo1->currentText(), QStringLiteral("Beta"));

        // A stored name with no folder is shown as it is and kept by a save.
        f.fake.settings.write(S, QStringLiteral("DefaultProj"), QStringLiteral("Gone"));
        frmOptions g(*f.editor);
        g.load();
        QCOMPARE(g.Combo1->currentText(), QStringLiteral("Gone"));
        g.SaveOpt();
        QCOMPARE(stored(f, S, QStringLiteral("DefaultProj")), QStringLiteral("Gone"));
    }

    void startUpChoiceChangesStateNotStore()
    {
        EditorFixture f;
        startFresh(f);
        {
            frmOptions d(*f.editor);
            d.load();
            showOn(d, 1);
            QTest::mouseClick(d.ProjManOpt[1], Qt::LeftButton);
            QVERIFY(d.Combo1->isEnabled());
            QCOMPARE(f.state.ProjManOption, 1);
            QCOMPARE(f.fake.settings.writes, 0);
            QTest::mouseClick(d.OptionBtn[1], Qt::LeftButton);
        }
        QCOMPARE(stored(f, S, QStringLiteral("ProjMan")), QStringLiteral("<absent>"));
        // Survives "&Cancel" in memory and shows again.
        frmOptions d(*f.editor);
        d.load();
        QVERIFY(d.ProjManOpt[1]->isChecked());
        QVERIFY(d.Combo1->isEnabled());
        showOn(d, 1);
        QTest::mouseClick(d.ProjManOpt[0], Qt::LeftButton);
        QVERIFY(!d.Combo1->isEnabled());
        QCOMPARE(f.state.ProjManOption, 0);
    }

    void pickingBrowserThenCancelKeepsChoice()
    {
        EditorFixture f;
        startFresh(f);
        {
            frmOptions d(*f.editor);
            d.load();
            showOn(d, 0);
            QTest::mouseClick(d.Option4, Qt::LeftButton);
            QCOMPARE(stored(f, S, QStringLiteral("CBrowser")), QStringLiteral("True"));
            QVERIFY(d.Label1->isEnabled());
            QVERIFY(d.Command1->isEnabled());
            QTest::mouseClick(d.OptionBtn[1], Qt::LeftButton);
            QVERIFY(!d.isVisible());
        }
        QCOMPARE(stored(f, S, QStringLiteral("CBrowser")), QStringLiteral("True"));
        frmOptions d(*f.editor);
        d.load();
        QVERIFY(d.Option4->isChecked());
        QVERIFY(d.Command1->isEnabled());
        showOn(d, 0);
        QTest::mouseClick(d.Option3, Qt::LeftButton);
        QCOMPARE(stored(f, S, QStringLiteral("CBrowser")), QStringLiteral("False"));
        QVERIFY(!d.Label1->isEnabled());
        QVERIFY(!d.Command1->isEnabled());
    }

    void oddBrowserChoiceReadsAsDefault()
    {
        EditorFixture f;
        startFresh(f);
        for (const char *odd : {"", "yes", "maybe", "0"}) {
            f.fake.settings.write(S, QStringLiteral("CBrowser"), QString::fromLatin1(odd));
            frmOptions d(*f.editor);
            d.load();
            QVERIFY2(d.Option3->isChecked(), odd);
            QVERIFY(!d.Command1->isEnabled());
        }
        f.fake.settings.write(S, QStringLiteral("CBrowser"), QStringLiteral("true"));
        frmOptions d(*f.editor);
        d.load();
        QVERIFY(d.Option4->isChecked());
    }

    void chosenBrowserLabelAndPath()
    {
        EditorFixture f;
        startFresh(f);
        const QString view = makeProgram(f, QStringLiteral("VIEW.EXE"));
        f.fake.settings.write(S, QStringLiteral("CBrowser"), QStringLiteral("True"));
        {
            frmOptions d(*f.editor);
            d.load();
            showOn(d, 0);
            f.fake.files.answers.enqueue(view);
            QTest::mouseClick(d.Command1, Qt::LeftButton);
            const OpenFileRequest &r = f.fake.files.requests.constLast();
            QCOMPARE(r.title, QStringLiteral("Find Browser"));
            QCOMPARE(r.filter, QStringLiteral("Program|*.EXE"));
            QCOMPARE(r.defaultExt, QStringLiteral("EXE"));
            QVERIFY(r.executablesOnly);
            QCOMPARE(d.Label1->text(), QStringLiteral("VIEW.EXE"));
            QCOMPARE(stored(f, S, QStringLiteral("PBrowser")), view);
            // A later cancelled browse keeps the file chosen in this opening.
            QTest::mouseClick(d.Command1, Qt::LeftButton);
            QCOMPARE(d.Label1->text(), QStringLiteral("VIEW.EXE"));
            QCOMPARE(stored(f, S, QStringLiteral("PBrowser")), view);
            QTest::mouseClick(d.OptionBtn[1], Qt::LeftButton);
        }
        {
            frmOptions d(*f.editor);
            d.load();
            QCOMPARE(d.Label1->text(), QStringLiteral("VIEW.EXE"));
            // The browse dialog opens in the browser's folder.
            d.browseBrowser();
            QCOMPARE(f.fake.files.requests.constLast().startFolder, QFileInfo(view).absolutePath());
            // Cancelled with nothing chosen in this opening: label and stored path stay.
            QCOMPARE(d.Label1->text(), QStringLiteral("VIEW.EXE"));
            QCOMPARE(stored(f, S, QStringLiteral("PBrowser")), view);
        }
        QFile::remove(view);
        frmOptions d(*f.editor);
        d.load();
        QCOMPARE(d.Label1->text(), QStringLiteral("(No Browser Selected)"));
    }

    void applyTwiceStoresTheSame()
    {
        EditorFixture f;
        startFresh(f);
        storeTools(f, {QStringLiteral("A")});
        frmOptions d(*f.editor);
        d.load();
        showOn(d, 0);
        QTest::mouseClick(d.Check1, Qt::LeftButton);
        d.SSTab1->setCurrentIndex(1);
        QTest::mouseClick(d.ProjManOpt[1], Qt::LeftButton);
        f.fake.settings.writes = 0;
        QTest::mouseClick(d.OptionBtn[2], Qt::LeftButton);
        const IniDocument first = f.fake.settings.doc;
        const int writesOnce = f.fake.settings.writes;
        QCOMPARE(writesOnce, 8 + 18); // the settings of the tabs and the tool keys
        QTest::mouseClick(d.OptionBtn[2], Qt::LeftButton);
        QCOMPARE(f.fake.settings.writes, 2 * writesOnce);
        QCOMPARE(serializeIni(f.fake.settings.doc), serializeIni(first));
        QVERIFY(d.isVisible());
        QCOMPARE(stored(f, S, QStringLiteral("ProjMan")), QStringLiteral("1"));
        QCOMPARE(stored(f, S, QStringLiteral("AutoHTML")), QStringLiteral("1"));
        QCOMPARE(stored(f, S, QStringLiteral("DefaultProj")), QStringLiteral("Default"));
        QCOMPARE(stored(f, T, QStringLiteral("ToolCaption 1")), QStringLiteral("A"));
        QCOMPARE(f.state.CurrentProject, QStringLiteral("Default"));
    }

    void okWithThreeToolsRefreshesMenu()
    {
        EditorFixture f;
        startFresh(f);
        frmOptions d(*f.editor);
        d.load();
        showOn(d, 2);
        const QStringList names{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")};
        for (const QString &name : names) {
            const QString program = makeProgram(f, name.toLower());
            bool seen = false;
            whenModal<frmInstallTool>(
                [&](frmInstallTool *t) {
                    QTest::keyClicks(t->Text1, name);
                    f.fake.files.answers.enqueue(program);
                    QTest::mouseClick(t->Command3, Qt::LeftButton);
                    QTest::mouseClick(t->Command1, Qt::LeftButton);
                },
                &seen);
            QTest::mouseClick(d.ToolBtn, Qt::LeftButton);
            QVERIFY(seen);
        }
        QCOMPARE(d.List1->count(), 3);
        QCOMPARE(d.selectedRow(), -1);
        // Nothing reaches the menu or the store before "&Ok".
        QVERIFY(!f.editor->mnuToolsItm[3]->isVisible());
        QCOMPARE(stored(f, T, QStringLiteral("ToolCaption 1")), QStringLiteral("<absent>"));

        QTest::mouseClick(d.OptionBtn[0], Qt::LeftButton);
        QVERIFY(!d.isVisible());
        QCOMPARE(d.result(), int(QDialog::Accepted));
        for (int i = 0; i < 3; ++i) {
            QAction *item = f.editor->mnuToolsItm[3 + i];
            QVERIFY(item->isVisible());
            QCOMPARE(item->text(), names[i]);
            QCOMPARE(stored(f, T, QStringLiteral("ToolCaption %1").arg(i + 1)), names[i]);
            QCOMPARE(stored(f, T, QStringLiteral("ToolFilename %1").arg(i + 1)),
                     f.app.path() + QStringLiteral("/bin/") + names[i].toLower());
        }
        for (int index = 6; index <= 11; ++index)
            QVERIFY(!f.editor->mnuToolsItm[index]->isVisible());
        for (int n = 4; n <= 9; ++n) {
            QCOMPARE(stored(f, T, QStringLiteral("ToolCaption %1").arg(n)), QString());
            QCOMPARE(stored(f, T, QStringLiteral("ToolFilename %1").arg(n)), QString());
        }
    }

    void cancelDiscardsToolChanges()
    {
        EditorFixture f;
        startFresh(f);
        storeTools(f, {QStringLiteral("Keep")});
        f.editor->refreshToolsMenu();
        {
            frmOptions d(*f.editor);
            d.load();
            QVERIFY(d.Command3->isEnabled()); // the first entry is selected on opening
            ToolTable::add(f.state, QStringLiteral("Extra"), QStringLiteral("/t/x"));
            QTest::keyClick(&d, Qt::Key_Escape);
        }
        QVERIFY(!f.editor->mnuToolsItm[4]->isVisible());
        QCOMPARE(stored(f, T, QStringLiteral("ToolCaption 2")), QStringLiteral("<absent>"));
        frmOptions d(*f.editor);
        d.load();
        QCOMPARE(d.List1->count(), 1);
        QCOMPARE(d.List1->item(0)->text(), QStringLiteral("Keep"));
    }

    void removeMiddleToolKeepsPaths()
    {
        EditorFixture f;
        startFresh(f);
        storeTools(f, {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
        frmOptions d(*f.editor);
        d.load();
        showOn(d, 2);
        clickRow(d.List1, 1);
        QCOMPARE(d.selectedRow(), 1);
        // No keeps everything.
        QTest::mouseClick(d.Command2, Qt::LeftButton);
        QCOMPARE(d.List1->count(), 3);
        const MessageRequest &m = f.fake.messages.shown.constLast();
        QCOMPARE(m.text, QStringLiteral("Delete Custom Tool?"));
        QCOMPARE(m.title, QStringLiteral("Tagsmith"));
        QCOMPARE(m.icon, MessageRequest::Icon::Question);
        QCOMPARE(m.buttons, MessageRequest::Buttons::YesNo);
        QVERIFY(m.defaultNo);

        clickRow(d.List1, 1);
        f.fake.messages.answers.enqueue(MessageAnswer::Yes);
        QTest::mouseClick(d.Command2, Qt::LeftButton);
        QCOMPARE(d.List1->count(), 2);
        QCOMPARE(d.List1->item(0)->text(), QStringLiteral("A"));
        QCOMPARE(d.List1->item(1)->text(), QStringLiteral("C"));
        QCOMPARE(d.selectedRow(), -1);
        QVERIFY(d.Command3->isEnabled());
        QCOMPARE(f.state.ToolFilenames[1], QStringLiteral("/t/A"));
        QCOMPARE(f.state.ToolFilenames[2], QStringLiteral("/t/C"));
        QCOMPARE(f.state.ToolCaptions[3], QString());

        // Yes with nothing selected: asked, nothing changes.
        f.fake.messages.answers.enqueue(MessageAnswer::Yes);
        QTest::mouseClick(d.Command2, Qt::LeftButton);
        QCOMPARE(f.fake.messages.shown.size(), 3);
        QCOMPARE(d.List1->count(), 2);

        QTest::mouseClick(d.OptionBtn[0], Qt::LeftButton);
        QCOMPARE(f.editor->mnuToolsItm[3]->text(), QStringLiteral("A"));
        QCOMPARE(f.editor->mnuToolsItm[4]->text(), QStringLiteral("C"));
        QVERIFY(!f.editor->mnuToolsItm[5]->isVisible());
        QCOMPARE(stored(f, T, QStringLiteral("ToolFilename 2")), QStringLiteral("/t/C"));

        // Removing the last tool disables "&Properties".
        frmOptions one(*f.editor);
        storeTools(f, {QStringLiteral("Only")});
        f.fake.settings.write(T, QStringLiteral("ToolCaption 2"), QString());
        one.load();
        QCOMPARE(one.List1->count(), 1);
        one.List1->setCurrentRow(0);
        f.fake.messages.answers.enqueue(MessageAnswer::Yes);
        one.removeTool();
        QCOMPARE(one.List1->count(), 0);
        QVERIFY(!one.Command3->isEnabled());
    }

    void propertiesAndDoubleClick()
    {
        EditorFixture f;
        startFresh(f);
        const QString a = makeProgram(f, QStringLiteral("a"));
        const QString b = makeProgram(f, QStringLiteral("b"));
        f.fake.settings.write(T, QStringLiteral("ToolCaption 1"), QStringLiteral("A"));
        f.fake.settings.write(T, QStringLiteral("ToolFilename 1"), a);
        f.fake.settings.write(T, QStringLiteral("ToolCaption 2"), QStringLiteral("B"));
        f.fake.settings.write(T, QStringLiteral("ToolFilename 2"), b);
        frmOptions d(*f.editor);
        d.load();
        showOn(d, 2);

        // Double click on the second entry opens its properties.
        int openedSlot = 0;
        whenModal<frmInstallProp>([&](frmInstallProp *p) {
            openedSlot = p->slot();
            QCOMPARE(p->Text1->text(), QStringLiteral("B"));
            QCOMPARE(p->Text2->text(), QStringLiteral("b"));
            p->Text1->selectAll();
            QTest::keyClicks(p->Text1, QStringLiteral("Bee"));
            QTest::mouseClick(p->Command1, Qt::LeftButton);
        });
        const QRect r = d.List1->visualItemRect(d.List1->item(1));
        QTest::mouseClick(d.List1->viewport(), Qt::LeftButton, {}, r.center());
        QTest::mouseDClick(d.List1->viewport(), Qt::LeftButton, {}, r.center());
        QCOMPARE(openedSlot, 2);
        QCOMPARE(d.List1->item(1)->text(), QStringLiteral("Bee"));
        QCOMPARE(d.selectedRow(), 0);
        QCOMPARE(f.state.ToolFilenames[2], b);

        // "&Properties" with nothing selected takes the first entry.
        d.List1->clearSelection();
        openedSlot = 0;
        whenModal<frmInstallProp>([&](frmInstallProp *p) {
            openedSlot = p->slot();
            QTest::mouseClick(p->Command2, Qt::LeftButton);
        });
        QTest::mouseClick(d.Command3, Qt::LeftButton);
        QCOMPARE(openedSlot, 1);
        QCOMPARE(d.selectedRow(), 0);
    }

    void doubleClickOnEmptyListOpensNothing()
    {
        EditorFixture f;
        startFresh(f);
        frmOptions d(*f.editor);
        d.load();
        showOn(d, 2);
        bool seen = false;
        whenModal<frmInstallProp>([](frmInstallProp *p) { p->reject(); }, &seen, 5);
        QTest::mouseClick(d.List1->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseDClick(d.List1->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
        d.toolProperties(); // the handler itself also refuses an empty list
        QTest::qWait(100);
        QVERIFY(!seen);
    }

    void autoHtmlTakesEffectAtOnce()
    {
        EditorFixture f;
        f.page("a.htm", "");
        f.start();
        bool seen = false;
        whenModal<frmOptions>(
            [&](frmOptions *d) {
                QCOMPARE(d->SSTab1->currentIndex(), 2);
                d->SSTab1->setCurrentIndex(0);
                QTest::mouseClick(d->Check1, Qt::LeftButton);
                QTest::mouseClick(d->OptionBtn[0], Qt::LeftButton);
            },
            &seen);
        // View "&Options..." opens the dialog.
        f.editor->mnuViewItem[5]->trigger();
        QVERIFY(seen);
        QCOMPARE(f.state.AutoHtmlOption, 1);
        QCOMPARE(stored(f, S, QStringLiteral("AutoHTML")), QStringLiteral("1"));
        f.box().setText(QString());
        QTest::keyClicks(&f.box(), "<b");
        QCOMPARE(f.box().text(), QStringLiteral("<b"));

        // And back on.
        whenModal<frmOptions>([&](frmOptions *d) {
            QVERIFY(d->Check1->isChecked());
            d->Check1->setChecked(false);
            QTest::mouseClick(d->OptionBtn[0], Qt::LeftButton);
        });
        Commands::options(*f.editor);
        f.box().setText(QString());
        QTest::keyClicks(&f.box(), "<b");
        QCOMPARE(f.box().text(), QStringLiteral("<b>"));
    }
};

QTEST_MAIN(OptionsTest)
#include "options_test.moc"
