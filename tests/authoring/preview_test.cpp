// SPDX-License-Identifier: GPL-3.0-or-later
// File "&Preview in Web Browser": save first, then the default or chosen browser.
#include "authoring/Preview.h"
#include "editor/Commands.h"
#include "support/EditorFixture.h"

#include <QAction>
#include <QtTest>

namespace {
const QString S = QStringLiteral("Settings");

// Main window in project "Default" (stored with a capital, the folder is
// "default") on page index.htm, with unsaved text in the editing area.
void startOnPage(EditorFixture &f)
{
    f.fake.settings.write(S, QStringLiteral("DefaultProj"), QStringLiteral("Default"));
    f.page("index.htm", "old text");
    f.start();
    f.box().setText(QStringLiteral("<html>new text</html>"));
}
QString pageFile(EditorFixture &f) { return f.app.path() + QStringLiteral("/project/default/index.htm"); }
} // namespace

class PreviewTest : public QObject {
    Q_OBJECT
private slots:
    void browserChoiceReading()
    {
        MemorySettingsStore s;
        QVERIFY(!Preview::usesChosenBrowser(s)); // absent: default browser
        const QList<QPair<QString, bool>> cases{
            {QStringLiteral("True"), true},   {QStringLiteral("true"), true},  {QStringLiteral("False"), false},
            {QStringLiteral("FALSE"), false}, {QStringLiteral("1"), true},     {QStringLiteral("-1"), true},
            {QStringLiteral("0"), false},     {QStringLiteral(""), false},     {QStringLiteral("yes"), false},
            {QStringLiteral("garbage"), false}};
        for (const auto &c : cases) {
            s.write(S, QStringLiteral("CBrowser"), c.first);
            QVERIFY2(Preview::usesChosenBrowser(s) == c.second, qPrintable(c.first));
        }
    }

    void commandLineForm()
    {
        // Only the page path is quoted.
        QCOMPARE(Preview::commandLine(QStringLiteral("C:\\B\\VIEW.EXE"), QStringLiteral("C:\\APP\\PROJECT\\default\\index.htm")),
                 QStringLiteral("C:\\B\\VIEW.EXE \"C:\\APP\\PROJECT\\default\\index.htm\""));
        MemorySettingsStore s;
        s.write(S, QStringLiteral("CBrowser"), QStringLiteral("True"));
        s.write(S, QStringLiteral("PBrowser"), QStringLiteral("/opt/My Browser/view"));
        const Preview::Plan p = Preview::plan(s, QStringLiteral("/app/project/my site/a b.htm"));
        QCOMPARE(p.kind, Preview::Plan::Kind::StartBrowser);
        QCOMPARE(p.program, QStringLiteral("/opt/My Browser/view"));
        QCOMPARE(p.arguments, QStringList{QStringLiteral("/app/project/my site/a b.htm")});
        QCOMPARE(p.commandLine, QStringLiteral("/opt/My Browser/view \"/app/project/my site/a b.htm\""));
        s.write(S, QStringLiteral("PBrowser"), QString());
        QCOMPARE(Preview::plan(s, QStringLiteral("/p.htm")).kind, Preview::Plan::Kind::NoBrowser);
        s.write(S, QStringLiteral("CBrowser"), QStringLiteral("False"));
        QCOMPARE(Preview::plan(s, QStringLiteral("/p.htm")).kind, Preview::Plan::Kind::ShellOpen);
    }

    void defaultBrowserOpensSavedPage()
    {
        EditorFixture f;
        f.fake.settings.write(S, QStringLiteral("CBrowser"), QStringLiteral("False"));
        startOnPage(f);
        f.editor->mnuFileItem[9]->trigger();
        QCOMPARE(f.app.read(QStringLiteral("project/default/index.htm")), QByteArray("<html>new text</html>"));
        QCOMPARE(f.fake.shell.opened, QStringList{pageFile(f)});
        QVERIFY(f.fake.starter.started.isEmpty());
        QVERIFY(f.fake.messages.shown.isEmpty());
        // Without an opener on the desktop (no xdg-open), it says so.
        f.fake.shell.result = false;
        f.editor->mnuFileItem[9]->trigger();
        QCOMPARE(f.fake.messages.texts(), QStringList{Preview::kNoOpenerText});
    }

    void absentChoiceMeansDefaultBrowser()
    {
        EditorFixture f;
        f.fake.settings.write(S, QStringLiteral("PBrowser"), QStringLiteral("/usr/bin/view"));
        startOnPage(f);
        Commands::preview(*f.editor);
        QCOMPARE(f.fake.shell.opened, QStringList{pageFile(f)});
        QVERIFY(f.fake.starter.started.isEmpty());
    }

    void chosenBrowserGetsPagePath()
    {
        EditorFixture f;
        f.fake.settings.write(S, QStringLiteral("CBrowser"), QStringLiteral("True"));
        f.fake.settings.write(S, QStringLiteral("PBrowser"), QStringLiteral("/opt/My Browser/view"));
        startOnPage(f);
        f.editor->mnuFileItem[9]->trigger();
        QCOMPARE(f.app.read(QStringLiteral("project/default/index.htm")), QByteArray("<html>new text</html>"));
        QCOMPARE(f.fake.starter.started.size(), 1);
        QCOMPARE(f.fake.starter.started[0].program, QStringLiteral("/opt/My Browser/view"));
        QCOMPARE(f.fake.starter.started[0].arguments, QStringList{pageFile(f)});
        QVERIFY(f.fake.shell.opened.isEmpty());
        QVERIFY(f.fake.messages.shown.isEmpty());

        // A browser that cannot be started: no message, the editor goes on.
        f.fake.starter.result = false;
        Commands::preview(*f.editor);
        QCOMPARE(f.fake.starter.started.size(), 2);
        QVERIFY(f.fake.messages.shown.isEmpty());
        QVERIFY(!f.fake.end.ended());
    }

    void noBrowserShowsMessageAfterSaving()
    {
        EditorFixture f;
        f.fake.settings.write(S, QStringLiteral("CBrowser"), QStringLiteral("True"));
        startOnPage(f);
        f.editor->mnuFileItem[9]->trigger();
        QCOMPARE(f.app.read(QStringLiteral("project/default/index.htm")), QByteArray("<html>new text</html>"));
        QCOMPARE(f.fake.messages.shown.size(), 1);
        const MessageRequest &m = f.fake.messages.shown.constFirst();
        QCOMPARE(m.text, QStringLiteral("You must specify a web browser in Options or use SnapPreview."));
        QCOMPARE(m.title, QStringLiteral("Preview Error"));
        QCOMPARE(m.icon, MessageRequest::Icon::Information);
        QCOMPARE(m.buttons, MessageRequest::Buttons::Ok);
        QVERIFY(f.fake.starter.started.isEmpty());
        QVERIFY(f.fake.shell.opened.isEmpty());
    }

    void projectWithoutPagesDoesNothing()
    {
        EditorFixture f;
        f.start(); // the default project has no pages
        QCOMPARE(f.editor->pageCount(), 0);
        Commands::preview(*f.editor);
        QVERIFY(f.fake.shell.opened.isEmpty());
        QVERIFY(f.fake.starter.started.isEmpty());
        QVERIFY(f.fake.messages.shown.isEmpty());
        QVERIFY(!QFileInfo::exists(f.app.path() + QStringLiteral("/Tagsmith")));
    }
};

QTEST_MAIN(PreviewTest)
#include "preview_test.moc"
