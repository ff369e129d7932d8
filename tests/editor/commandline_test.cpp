// SPDX-License-Identifier: GPL-3.0-or-later
// The program's arguments: options, and a page to open at start; a page
// dropped on the window.
#include "platform/CommandLine.h"
#include "support/EditorFixture.h"

#include <QComboBox>
#include <QMimeData>
#include <QProcess>
#include <QtTest>

Q_DECLARE_METATYPE(CommandLine::Action)

class CommandLineTest : public QObject {
    Q_OBJECT
private slots:
    void parsed_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<CommandLine::Action>("action");
        QTest::addColumn<QStringList>("files");
        using A = CommandLine::Action;
        QTest::newRow("nothing") << QStringList() << A::Run << QStringList();
        QTest::newRow("a page") << QStringList{"a.htm"} << A::Run << QStringList{"a.htm"};
        QTest::newRow("help wins") << QStringList{"a.htm", "--help"} << A::Help << QStringList();
        QTest::newRow("version") << QStringList{"--version"} << A::Version << QStringList();
        QTest::newRow("unknown option") << QStringList{"--bogus"} << A::Error << QStringList();
        QTest::newRow("check") << QStringList{"--check", "a.htm", "b.htm"} << A::Check << QStringList{"a.htm", "b.htm"};
        QTest::newRow("check nothing") << QStringList{"--check"} << A::Check << QStringList(); // the check says so
        QTest::newRow("a page named like an option") << QStringList{"--", "-x.htm"} << A::Run << QStringList{"-x.htm"};
        QTest::newRow("new window") << QStringList{"--new-window", "site"} << A::Run << QStringList{"site"};
    }
    void parsed()
    {
        QFETCH(QStringList, args);
        QFETCH(CommandLine::Action, action);
        QFETCH(QStringList, files);
        const CommandLine cl = parseCommandLine(args);
        QCOMPARE(cl.action, action);
        QCOMPARE(cl.files, files);
        QCOMPARE(cl.error.isEmpty(), action != CommandLine::Action::Error);
        QCOMPARE(cl.newWindow, args.contains(QStringLiteral("--new-window")));
    }

    // The real program: no display needed, nothing written, the exit codes.
    void programPrintsWithoutADisplay_data()
    {
        QTest::addColumn<QString>("arg");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("printed");
        QTest::newRow("help") << "--help" << 0 << "Usage: tagsmith";
        QTest::newRow("version") << "--version" << 0 << "Tagsmith 1.";
        QTest::newRow("unknown") << "-z" << 2 << "unknown option \"-z\"";
    }
    void programPrintsWithoutADisplay()
    {
        QFETCH(QString, arg);
        QFETCH(int, exitCode);
        QFETCH(QString, printed);
        QTemporaryDir home;
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QString::fromLatin1(name));
        env.insert(QStringLiteral("HOME"), home.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path() + QStringLiteral("/config"));
        p.setProcessEnvironment(env);
        p.start(QCoreApplication::applicationDirPath() + QStringLiteral("/../tagsmith"), {arg});
        QVERIFY(p.waitForFinished(10000));
        QCOMPARE(p.exitCode(), exitCode);
        QVERIFY(QString::fromLocal8Bit(p.readAllStandardOutput() + p.readAllStandardError()).contains(printed));
        QVERIFY(QDir(home.path()).isEmpty());
    }

    void pageOpensAtStart_data()
    {
        QTest::addColumn<QString>("name"); // below the application directory
        QTest::addColumn<QString>("shown"); // the page list's text; empty: a message instead
        QTest::newRow("a page of another project") << "project/site/b.htm" << "b.htm";
        QTest::newRow("not a page") << "project/site/notes.txt" << "";
        QTest::newRow("missing") << "project/site/gone.htm" << "";
    }
    void pageOpensAtStart()
    {
        QFETCH(QString, name);
        QFETCH(QString, shown);
        EditorFixture f;
        f.fake.settings.write(QStringLiteral("Settings"), QStringLiteral("ProjMan"), QStringLiteral("1"));
        f.page("a.htm", "<p>a</p>");
        f.page("b.htm", "<p>b</p>", QStringLiteral("site"));
        f.app.write(QStringLiteral("elsewhere/c.htm"), "<p>c</p>");
        f.app.write(QStringLiteral("project/site/notes.txt"), "notes");
        f.editor = std::make_unique<frmEditor>(f.state, f.fake.platform);
        f.editor->startPaths = {f.app.path() + u'/' + name};
        f.editor->load();
        QCOMPARE(f.fake.messages.shown.size(), shown.isEmpty() ? 1 : 0);
        if (!shown.isEmpty()) {
            QCOMPARE(f.state.CurrentProject, QStringLiteral("site"));
            QCOMPARE(f.editor->currentPageName(), shown);
            QCOMPARE(f.box().text(), QStringLiteral("<p>b</p>"));
        } else {
            QVERIFY(f.fake.messages.shown[0].text.contains(QFileInfo(name).fileName()));
            QCOMPARE(f.editor->currentPageName(), QStringLiteral("a.htm")); // as started without it
        }
    }

    // A page dropped on the window opens the same way, after the page on
    // screen is written back; anything else is named and nothing is pasted.
    // (Folders: tests/project/folderprojects_test.cpp.)
    void pageDroppedOnTheWindow()
    {
        EditorFixture f;
        f.page("a.htm", "<p>a</p>");
        const QString b = f.page("b.htm", "<p>b</p>", QStringLiteral("site"));
        const QString other = f.app.write(QStringLiteral("elsewhere/c.txt"), "c");
        f.start();
        QTest::keyClicks(&f.box(), "x");
        auto drop = [&f](const QString &file) {
            QMimeData data;
            data.setUrls({QUrl::fromLocalFile(file)});
            QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(f.box().viewport(), &enter);
            QDropEvent event(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(f.box().viewport(), &event);
        };
        drop(other);
        QCOMPARE(f.fake.messages.shown.size(), 1);
        drop(b);
        QCOMPARE(f.app.read(QStringLiteral("project/default/a.htm")), QByteArray("x<p>a</p>"));
        QCOMPARE(f.editor->currentPageName(), QStringLiteral("b.htm"));
        QCOMPARE(f.box().text(), QStringLiteral("<p>b</p>"));
        QCOMPARE(f.fake.messages.shown.size(), 1);
    }
};

QTEST_MAIN(CommandLineTest)
#include "commandline_test.moc"
