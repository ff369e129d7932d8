// SPDX-License-Identifier: GPL-3.0-or-later
// Where the projects live. Start-up in an application directory that cannot
// take the projects folder: the user is told at once which folder is meant,
// and the program ends. A per-user projects root carries every project path.
#include "core/SettingsKeys.h"
#include "project/ModalDriver.h"
#include "project/ProjMan.h"
#include "project/frmProperties.h"
#include "project/webNew.h"
#include "support/EditorFixture.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {
QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// Runs a menu command that opens dialog T and drives it.
template <class T>
void throughDialog(QAction *command, std::function<void(T *)> drive)
{
    bool ran = false;
    whenModal<T>(drive, &ran);
    command->trigger();
    QVERIFY(ran);
}
} // namespace

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

    // As installed for all users: the projects live in the user's data
    // folder, the skeleton comes from the installation's data folder, and
    // nothing is made beside the program.
    void perUserRootCarriesEveryProjectPath()
    {
        EditorFixture f;
        QTemporaryDir home, share;
        const QString root = home.path() + "/.local/share/TAGSMITH/project";
        f.state.projectsRoot = root;
        f.state.dataDir = share.path();
        QFile skeleton(share.path() + "/default.htm");
        QVERIFY(skeleton.open(QIODevice::WriteOnly));
        skeleton.write("<html>installed</html>");
        skeleton.close();
        frmEditor &e = f.start();
        QVERIFY(f.fake.messages.shown.isEmpty());
        QVERIFY(QFileInfo(root + "/default").isDir());

        throughDialog<webNew>(e.mnuFileItem[2], [](webNew *d) {
            QTest::keyClicks(d->Text1, "index");
            QTest::mouseClick(d->Option1, Qt::LeftButton);
            QTest::mouseClick(d->Command1, Qt::LeftButton);
        });
        const QString page = root + "/default/index.htm";
        QVERIFY(contents(page).endsWith("<html>installed</html>"));
        f.box().setText("<b>mine</b>");
        e.mnuFileItem[4]->trigger(); // Save Page
        QCOMPARE(contents(page), QByteArray("<b>mine</b>"));

        e.mnuFileItem[9]->trigger(); // Preview, in the default browser
        e.mnuToolsItm[2]->trigger(); // Explore Project
        QCOMPARE(f.fake.shell.opened, (QStringList{page, root + "/default"}));
        throughDialog<frmProperties>(e.mnuFileItem[7], [&](frmProperties *d) {
            QCOMPARE(d->Label5->text(), root + "/default/");
        });
        throughDialog<ProjMan>(e.mnuFileItem[0], [](ProjMan *d) {
            QTest::mouseClick(d->Option2, Qt::LeftButton);
            QTest::keyClicks(d->Text1, "Site");
            QTest::mouseClick(d->Command1, Qt::LeftButton);
        });
        QVERIFY(QFileInfo(root + "/Site").isDir());
        QCOMPARE(f.state.CurrentProject, QStringLiteral("Site"));
        QVERIFY(!QFileInfo::exists(f.app.path() + "/project"));
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
