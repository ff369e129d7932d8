// SPDX-License-Identifier: GPL-3.0-or-later
// The About box.
#include "about/frmAbout.h"
#include "support/EditorFixture.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

class AboutTest : public QObject {
    Q_OBJECT
private slots:
    void contentAndKeys()
    {
        EditorFixture f;
        frmEditor &e = f.start();
        frmAbout box(e);
        box.load();
        QCOMPARE(box.windowTitle(), QStringLiteral("About"));
        QCOMPARE(box.Label2->text(), QStringLiteral("1.0 Beta 2 (0008)"));
        QCOMPARE(box.Label5->text(), QStringLiteral("for Windows 95/NT"));
        QCOMPARE(box.Label1->text(),
                 QStringLiteral("This software is currently in beta and carries no warrenties expressed or implied."));
        QVERIFY(box.Label4->text().contains("1996"));
        QVERIFY(box.cmdAbout->isDefault());
        QVERIFY(!box.Image1->pixmap().isNull());

        box.show();
        QTest::keyClick(&box, Qt::Key_Return);
        QVERIFY(!box.isVisible());
        box.show();
        QTest::keyClick(&box, Qt::Key_Escape);
        QVERIFY(!box.isVisible());
        QVERIFY(!f.fake.end.ended());
    }

    void logoMessageAnyNumberOfTimes()
    {
        EditorFixture f;
        frmEditor &e = f.start();
        frmAbout box(e);
        box.show();
        QTest::mouseDClick(box.Image1, Qt::LeftButton);
        QTest::mouseDClick(box.Image1, Qt::LeftButton);
        QCOMPARE(f.fake.messages.shown.size(), 2);
        QCOMPARE(f.fake.messages.shown[0].text, QStringLiteral("Thank you for choosing Tagsmith!"));
        QCOMPARE(f.fake.messages.shown[0].title, QStringLiteral("Message"));
        QCOMPARE(f.fake.messages.shown[0].icon, MessageRequest::Icon::None);
    }

    void closingTheFrameKeepsTheEditor()
    {
        EditorFixture f;
        f.page("a.htm", "A");
        frmEditor &e = f.start();
        frmAbout box(e);
        box.show();
        box.close();
        QVERIFY(!f.fake.end.ended());
        QVERIFY(!f.fake.settings.contains("Settings", "Width"));
    }
};

QTEST_MAIN(AboutTest)
#include "about_test.moc"
