// Start-up in an application directory that cannot take the projects folder:
// the user is told at once which folder is meant, and the program ends.
#include "core/SettingsKeys.h"
#include "support/EditorFixture.h"

#include <QDir>
#include <QFileInfo>
#include <QtTest>

class StartCheckTest : public QObject {
    Q_OBJECT
private slots:
    void unwritableAppDirEndsAtOnceNamingTheFolder_data()
    {
        QTest::addColumn<QString>("blocker"); // a plain file where a folder must go
        QTest::newRow("projects root") << QStringLiteral("project");
        QTest::newRow("default project") << QStringLiteral("project/default");
    }
    void unwritableAppDirEndsAtOnceNamingTheFolder()
    {
        QFETCH(QString, blocker);
        EditorFixture f;
        f.app.write(blocker, "not a folder");
        f.fake.settings.write("Tools", SettingsKeys::toolCaption(1), "Tool"); // would fill the Tools menu
        f.fake.settings.writes = 0;
        frmEditor &e = f.start();

        QCOMPARE(f.fake.messages.shown.size(), 1);
        const MessageRequest &m = f.fake.messages.shown.first();
        QCOMPARE(m.title, QStringLiteral("Start Error"));
        QCOMPARE(m.icon, MessageRequest::Icon::Exclamation);
        QCOMPARE(m.buttons, MessageRequest::Buttons::Ok);
        QVERIFY2(m.text.contains(QDir::toNativeSeparators(f.app.path() + "/project")), qPrintable(m.text));
        QVERIFY(f.fake.end.ended());
        // Nothing of the later start-up steps ran.
        QVERIFY(!e.isVisible());
        QCOMPARE(e.pageCount(), 0);
        QCOMPARE(f.fake.settings.writes, 0);
        QVERIFY(QFileInfo(f.app.path() + '/' + blocker).isFile());
    }

    void writableAppDirStartsWithoutMessage()
    {
        EditorFixture f;
        f.start();
        QVERIFY(f.fake.messages.shown.isEmpty());
        QVERIFY(!f.fake.end.ended());
        QVERIFY(QFileInfo(f.app.path() + "/project/default").isDir());
        QVERIFY(f.editor->isVisible());
    }
};

QTEST_MAIN(StartCheckTest)
#include "startcheck_test.moc"
