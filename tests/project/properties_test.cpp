// SPDX-License-Identifier: GPL-3.0-or-later
// The page Properties dialog and the texts it shows.
#include "ModalDriver.h"
#include "support/EditorFixture.h"

#include "editor/DialogPlacement.h"
#include "project/PropertiesText.h"
#include "project/frmProperties.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QtTest>

namespace {
const QLocale kUs(QLocale::English, QLocale::UnitedStates);

// Sets a file's modification time.
bool setModified(const QString &path, const QDateTime &when)
{
    QFile file(path);
    return file.open(QIODevice::ReadWrite) && file.setFileTime(when, QFileDevice::FileModificationTime);
}
} // namespace

class PropertiesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(kUs); }

    void sizeFormatting()
    {
        QCOMPARE(formatFileSize(0, kUs), QStringLiteral(" bytes"));
        QCOMPARE(formatFileSize(7, kUs), QStringLiteral("7 bytes"));
        QCOMPARE(formatFileSize(999, kUs), QStringLiteral("999 bytes"));
        QCOMPARE(formatFileSize(1000, kUs), QStringLiteral("1,000 bytes"));
        QCOMPARE(formatFileSize(65536, kUs), QStringLiteral("65,536 bytes"));
        QCOMPARE(formatFileSize(123456789, kUs), QStringLiteral("123,456,789 bytes"));
        // More than nine digits: all of them.
        QCOMPARE(formatFileSize(12345678901LL, kUs), QStringLiteral("12,345,678,901 bytes"));
        // The locale's own thousands separator.
        const QLocale german(QLocale::German, QLocale::Germany);
        QCOMPARE(formatFileSize(1234567, german),
                 QStringLiteral("1") + german.groupSeparator() + QStringLiteral("234") + german.groupSeparator()
                     + QStringLiteral("567 bytes"));
        QVERIFY(german.groupSeparator() != kUs.groupSeparator());
    }

    void timeFormatting()
    {
        const QDateTime afternoon(QDate(2024, 3, 5), QTime(14, 7, 9));
        QCOMPARE(formatModifiedTime(afternoon, kUs), QStringLiteral("Tuesday, Mar 5 2024 2:7:9 PM"));
        QCOMPARE(formatModifiedTime(QDateTime(QDate(1996, 12, 31), QTime(0, 5, 0)), kUs),
                 QStringLiteral("Tuesday, Dec 31 1996 12:5:0 AM"));
        QCOMPARE(formatModifiedTime(QDateTime(QDate(2000, 1, 1), QTime(12, 0, 59)), kUs),
                 QStringLiteral("Saturday, Jan 1 2000 12:0:59 PM"));
        QCOMPARE(formatModifiedTime(QDateTime(QDate(2000, 1, 10), QTime(23, 59, 0)), kUs),
                 QStringLiteral("Monday, Jan 10 2000 11:59:0 PM"));
        // Names follow the locale.
        const QLocale french(QLocale::French, QLocale::France);
        const QString fr = formatModifiedTime(afternoon, french);
        QVERIFY(fr.startsWith(french.dayName(2, QLocale::LongFormat) + QStringLiteral(", ")
                              + french.monthName(3, QLocale::ShortFormat) + QStringLiteral(" 5 2024 2:7:9 ")));
        QVERIFY(fr.endsWith(french.pmText()));
    }

    void titleScan()
    {
        QCOMPARE(propertiesTitle(QStringLiteral("<HTML><TITLE>My Page</TITLE>")), QStringLiteral("My Page"));
        QCOMPARE(propertiesTitle(QStringLiteral("<TITLE>   padded   </TITLE>")), QStringLiteral("padded"));
        // Lower-case tag: not found, no title.
        QCOMPARE(propertiesTitle(QStringLiteral("<html><title>My Page</title>")), QString());
        QCOMPARE(propertiesTitle(QStringLiteral("no title tag at all in this page")), QString());
        // Cut to 49 characters before blanks are trimmed.
        const QString longTitle = QString(60, u'x');
        QCOMPARE(propertiesTitle(QStringLiteral("<TITLE>") + longTitle), QString(49, u'x'));
        QCOMPARE(propertiesTitle(QStringLiteral("<TITLE>") + QString(48, u'y') + QStringLiteral(" z")),
                 QString(48, u'y'));
        // Split over two lines: joined without the break.
        QCOMPARE(propertiesTitle(QStringLiteral("<TITLE>My\r\nPage</TITLE>")), QStringLiteral("MyPage"));
        // Tabs and non-ASCII letters are dropped, code 31 is kept.
        QCOMPARE(propertiesTitle(QStringLiteral("<TITLE>Caf\u00e9\tNoir</TITLE>")), QStringLiteral("CafNoir"));
        QCOMPARE(propertiesTitle(QStringLiteral("<TITLE>a\x1f" "b\x1e" "c</TITLE>")), QStringLiteral("a\x1f" "bc"));
        QCOMPARE(propertiesTitle(QStringLiteral("<TITLE>a~\x7f" "b</TITLE>")), QStringLiteral("a~b"));
        QCOMPARE(propertiesTitle(QStringLiteral("<TITLE>")), QString());
    }

    void knownFile()
    {
        EditorFixture f;
        QByteArray bytes("<HTML><HEAD><TITLE>Known Page</TITLE></HEAD><BODY>\r\n");
        bytes += QByteArray(1234 - bytes.size() - 9, 'x') + "</BODY>\r\n";
        QCOMPARE(bytes.size(), 1234);
        f.page("a.htm", "first");
        const QString path = f.page("known.htm", bytes);
        const QDateTime when(QDate(2023, 11, 7), QTime(9, 5, 3));
        QVERIFY(setModified(path, when));
        f.start();
        f.editor->pageList()->setCurrentIndex(1);
        emit f.editor->pageList()->activated(1);
        QCOMPARE(f.editor->currentPageName(), QStringLiteral("known.htm"));
        // Unsaved edits to the title show; size and time come from the file.
        f.box().setText(QString::fromLatin1(bytes).replace(QStringLiteral("Known Page"),
                                                           QStringLiteral("Edited Title, much longer now")));
        f.editor->findState().searchText = QStringLiteral("BODY");
        f.editor->findState().lastMatch = 77;
        f.editor->findState().matchCase = 1;

        bool ran = false;
        whenModal<frmProperties>(
            [&](frmProperties *d) {
                QCOMPARE(d->windowTitle(), QStringLiteral("Properties"));
                QCOMPARE(d->SSTab1->count(), 1);
                QCOMPARE(d->SSTab1->tabText(0), QStringLiteral("General"));
                QCOMPARE(d->Label1->text(), QStringLiteral("known.htm"));
                QCOMPARE(d->Label2->text(), QStringLiteral("Type:"));
                QCOMPARE(d->Label3->text(), QStringLiteral("HTML WWW Page"));
                QCOMPARE(d->Label4->text(), QStringLiteral("Location:"));
                QCOMPARE(d->Label5->text(), f.app.path() + QStringLiteral("/project/default/"));
                QVERIFY(d->Label5->text().endsWith(u'/'));
                QCOMPARE(d->Label6->text(), QStringLiteral("Size:"));
                QCOMPARE(d->Label7->text(), QStringLiteral("1,234 bytes"));
                QCOMPARE(d->Label8->text(), QStringLiteral("Title:"));
                QCOMPARE(d->Text1->text(), QStringLiteral("Edited Title, much longer now"));
                QVERIFY(d->Text1->isReadOnly());
                QCOMPARE(d->Label9->text(), QStringLiteral("Modified:"));
                QCOMPARE(d->Label10->text(), QStringLiteral("Tuesday, Nov 7 2023 9:5:3 AM"));
                QCOMPARE(d->Command1->text(), QStringLiteral("&OK"));
                QVERIFY(d->Command1->isDefault());
                QCOMPARE(d->Command2->text(), QStringLiteral("&Cancel"));
                QCOMPARE(d->Command3->text(), QStringLiteral("&Apply"));
                QVERIFY(!d->Command3->isEnabled());
                QCOMPARE(d->pos(), centredTopLeft(d->screen()->geometry(), d->size()));
                saveShot(d, QStringLiteral("project-properties.png"));
                // The title cannot be typed into, "&Apply" cannot be pressed.
                d->Text1->setFocus();
                QTest::keyClicks(d->Text1, "zz");
                QCOMPARE(d->Text1->text(), QStringLiteral("Edited Title, much longer now"));
                QTest::mouseClick(d->Command3, Qt::LeftButton);
                QVERIFY(d->isVisible());
                QTest::mouseClick(d->Command1, Qt::LeftButton);
                QVERIFY(!d->isVisible());
            },
            &ran);
        f.editor->mnuFileItem[7]->trigger();
        QVERIFY(ran);
        // Nothing changed: file, time, editor text, find state, messages.
        QCOMPARE(f.app.read(QStringLiteral("project/default/known.htm")), bytes);
        QCOMPARE(QFileInfo(path).lastModified(), when);
        QVERIFY(f.box().text().contains(QStringLiteral("Edited Title")));
        QCOMPARE(f.editor->findState().searchText, QStringLiteral("BODY"));
        QCOMPARE(f.editor->findState().lastMatch, 77);
        QCOMPARE(f.editor->findState().matchCase, 1);
        QVERIFY(f.fake.messages.shown.isEmpty());

        // "&Cancel" closes as well.
        whenModal<frmProperties>([&](frmProperties *d) {
            QTest::mouseClick(d->Command2, Qt::LeftButton);
            QVERIFY(!d->isVisible());
            QCOMPARE(d->result(), int(QDialog::Rejected));
        });
        f.editor->mnuFileItem[7]->trigger();
        QCOMPARE(f.app.read(QStringLiteral("project/default/known.htm")), bytes);
    }

    void emptyFile()
    {
        EditorFixture f;
        f.page("empty.htm", "");
        f.start();
        frmProperties d(*f.editor);
        d.load();
        QCOMPARE(d.Label7->text(), QStringLiteral(" bytes"));
        QVERIFY(d.Text1->text().isEmpty());
        QCOMPARE(d.Label10->text(),
                 formatModifiedTime(QFileInfo(f.app.path() + QStringLiteral("/project/default/empty.htm")).lastModified()));
    }

    void missingFileStillOpens()
    {
        EditorFixture f;
        const QString path = f.page("gone.htm", "<TITLE>Gone</TITLE>");
        f.start();
        QVERIFY(QFile::remove(path));
        bool ran = false;
        whenModal<frmProperties>(
            [&](frmProperties *d) {
                QCOMPARE(d->Label1->text(), QStringLiteral("gone.htm"));
                QCOMPARE(d->Label7->text(), kNoFileText);
                QCOMPARE(d->Label10->text(), kNoFileText);
                QCOMPARE(d->Text1->text(), QStringLiteral("Gone"));
                QTest::keyClick(d, Qt::Key_Escape);
                QVERIFY(!d->isVisible());
            },
            &ran);
        f.editor->mnuFileItem[7]->trigger();
        QVERIFY(ran);
        QVERIFY(!QFileInfo::exists(path));
        QVERIFY(f.fake.messages.shown.isEmpty());
    }
};

QTEST_MAIN(PropertiesTest)
#include "properties_test.moc"
