// SPDX-License-Identifier: GPL-3.0-or-later
// The Spelling Profiler window on a real main window and page files.
#include "spell/Profiler.h"
#include "spell/SpellDictionary.h"
#include "spell/frmSpell.h"
#include "support/DictionaryBytes.h"
#include "support/EditorFixture.h"
#include "support/ListText.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

namespace {
void writeDictionary(const TestAppDir &app, const QStringList &words)
{
    app.write(QStringLiteral("spell.dat"), dictionaryBytes(words));
}

const QStringList kWords = {QStringLiteral("a"), QStringLiteral("is"), QStringLiteral("page"),
                            QStringLiteral("test"), QStringLiteral("this")};


QString line(const QString &page, int position, const QString &word)
{
    return Profiler::reportLine(page, position, word);
}

// Opens the profiler from the Tools menu and runs `drive` on it while it is shown.
template <typename F>
bool runFromMenu(frmEditor &editor, F drive)
{
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto *d = qobject_cast<frmSpell *>(QApplication::activeModalWidget());
        if (!d)
            return;
        seen = true;
        drive(*d);
        if (d->isVisible())
            QTest::mouseClick(d->Command1, Qt::LeftButton);
    });
    editor.mnuToolsItm[0]->trigger();
    return seen;
}
} // namespace

class SpellProfilerTest : public QObject {
    Q_OBJECT
private slots:
    void menuItemFollowsThePages()
    {
        EditorFixture f;
        frmEditor &editor = f.start();
        QVERIFY(!editor.mnuToolsItm[0]->isEnabled());
        f.page(QStringLiteral("a.htm"), "<p>x</p>");
        editor.updatelist();
        QVERIFY(editor.mnuToolsItm[0]->isEnabled());
        f.fake.messages.answers.enqueue(MessageAnswer::Yes);
        editor.DelItem(editor.state().CurrentPagePath);
        QCOMPARE(editor.pageCount(), 0);
        QVERIFY(!editor.mnuToolsItm[0]->isEnabled());
    }

    void designState()
    {
        EditorFixture f;
        f.page(QStringLiteral("a.htm"), "<p>x</p>");
        frmSpell d(f.start());
        d.load();
        QCOMPARE(d.windowTitle(), QStringLiteral("Spelling Profiler"));
        QCOMPARE(d.Option1->text(), QStringLiteral("Current Page Only"));
        QVERIFY(d.Option1->isChecked());
        QCOMPARE(d.Option2->text(), QStringLiteral("Entire Project"));
        QVERIFY(!d.Option2->isEnabled());
        QCOMPARE(d.Command2->text(), QStringLiteral("&Start"));
        QCOMPARE(d.Command1->text(), QStringLiteral("&Close"));
        QCOMPARE(d.Frame1->title(), QStringLiteral(" Spelling Errors "));
        QCOMPARE(d.List1->count(), 0);
        QVERIFY(d.Label1->text().isEmpty());
    }

    void profilesTheSavedPage()
    {
        EditorFixture f;
        writeDictionary(f.app, kWords);
        f.page(QStringLiteral("index.htm"), "<html><body><p>This is a tesst page</p>\r\n<p>Wrold here</p></body></html>");
        frmEditor &editor = f.start();
        // An edit not yet saved: the menu command saves it before profiling.
        editor.txtEdit().setText(editor.txtEdit().text() + QStringLiteral("<p> More wrods"));
        QStringList lines;
        QString excerpt;
        QVERIFY(runFromMenu(editor, [&](frmSpell &d) {
            QTest::mouseClick(d.Command2, Qt::LeftButton);
            lines = listed(d.List1);
            excerpt = d.Label1->text();
        }));
        QVERIFY(f.fake.messages.shown.isEmpty());
        const QString text = editor.txtEdit().text();
        const int tesst = int(text.indexOf(QStringLiteral(" tesst"))) + 1;
        const int more = int(text.indexOf(QStringLiteral(" More"))) + 1;
        const int wrods = int(text.indexOf(QStringLiteral(" wrods"))) + 1;
        const int here = int(text.indexOf(QStringLiteral(" here"))) + 1;
        QCOMPARE(lines, (QStringList{line(QStringLiteral("index.htm"), tesst, QStringLiteral("tesst")),
                                     line(QStringLiteral("index.htm"), 0, QStringLiteral("wrold")),
                                     line(QStringLiteral("index.htm"), here, QStringLiteral("here")),
                                     line(QStringLiteral("index.htm"), more, QStringLiteral("more")),
                                     line(QStringLiteral("index.htm"), wrods, QStringLiteral("wrods"))}));
        // The last reported word is selected and its excerpt shown.
        QCOMPARE(excerpt, text.mid(wrods - 1, 20));
        QCOMPARE(f.app.read(QStringLiteral("project/default/index.htm")), text.toUtf8());
    }

    void selectingALineShowsItsExcerpt()
    {
        EditorFixture f;
        writeDictionary(f.app, kWords);
        const QByteArray page = "<p> " + QByteArray(12000, 'x') + " <b>bold</b> zork</p>";
        f.page(QStringLiteral("long.htm"), page);
        frmSpell d(f.start());
        d.load();
        d.show();
        QTest::mouseClick(d.Command2, Qt::LeftButton);
        const QStringList lines = listed(d.List1);
        QCOMPARE(lines.size(), 3);
        // "bold" follows a tag: position 0, which shows no excerpt.
        QCOMPARE(Profiler::reportPosition(lines[1]), 0);
        const int zork = int(page.indexOf(" zork")) + 1;
        QVERIFY(zork > 10000);
        QCOMPARE(lines[2], line(QStringLiteral("long.htm"), zork, QStringLiteral("zork")));
        QCOMPARE(d.List1->currentRow(), 2);
        QCOMPARE(d.Label1->text(), QStringLiteral(" zork</p>"));
        QTest::mouseClick(d.List1->viewport(), Qt::LeftButton, {}, d.List1->visualItemRect(d.List1->item(1)).center());
        QCOMPARE(d.List1->currentRow(), 1);
        QVERIFY(d.Label1->text().isEmpty());
        QTest::mouseClick(d.List1->viewport(), Qt::LeftButton, {}, d.List1->visualItemRect(d.List1->item(0)).center());
        QCOMPARE(d.Label1->text(), QStringLiteral(" ") + QString(19, u'x'));
        // The excerpt is plain text, never markup.
        QCOMPARE(d.Label1->textFormat(), Qt::PlainText);
        // A new run starts with an empty list.
        QTest::mouseClick(d.Command2, Qt::LeftButton);
        QCOMPARE(listed(d.List1), lines);
    }

    // An excerpt that runs over a line break keeps its text; the box shows
    // its first line whole and nothing of the next.
    void excerptOverALineBreakShowsItsFirstLine()
    {
        EditorFixture f;
        writeDictionary(f.app, kWords);
        f.page(QStringLiteral("index.htm"), "<p>this zork is\r\na test</p>");
        frmSpell d(f.start());
        d.load();
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QTest::mouseClick(d.Command2, Qt::LeftButton);
        QCOMPARE(d.List1->count(), 2);
        d.List1->setCurrentRow(0);
        QCOMPARE(d.Label1->text(), QStringLiteral(" zork is\r\na test</p>"));
        const QFontMetrics fm = d.Label1->fontMetrics();
        QVERIFY(d.Label1->alignment() & Qt::AlignTop);
        QVERIFY2(d.Label1->height() >= fm.height(), "the first line is cut");
        QVERIFY2(d.Label1->height() <= fm.lineSpacing(), "the second line shows");
        QVERIFY(d.Label1->isVisible());
        QVERIFY(d.Label1->parentWidget()->rect().contains(d.Label1->geometry()));
        QVERIFY(d.Label1->width() >= fm.horizontalAdvance(QStringLiteral(" zork is")));
    }

    void noErrorsFound()
    {
        EditorFixture f;
        writeDictionary(f.app, kWords);
        f.page(QStringLiteral("a.htm"), "<p>This is a test page</p>");
        frmSpell d(f.start());
        d.load();
        QTest::mouseClick(d.Command2, Qt::LeftButton);
        QCOMPARE(d.List1->count(), 0);
        QCOMPARE(f.fake.messages.shown.size(), 1);
        QCOMPARE(f.fake.messages.shown[0].text, QStringLiteral("No Errors Found."));
        QCOMPARE(f.fake.messages.shown[0].title, QStringLiteral("Profiling Complete"));
        QCOMPARE(f.fake.messages.shown[0].icon, MessageRequest::Icon::Information);

        // A page without any ">" is not checked at all.
        f.fake.messages.shown.clear();
        f.page(QStringLiteral("a.htm"), "zzz qqq");
        QTest::mouseClick(d.Command2, Qt::LeftButton);
        QCOMPARE(f.fake.messages.texts(), QStringList{QStringLiteral("No Errors Found.")});
    }

    void missingDictionaryListsEveryWord()
    {
        EditorFixture f;
        f.page(QStringLiteral("a.htm"), "<p>This is</p>");
        frmSpell d(f.start());
        d.load();
        QTest::mouseClick(d.Command2, Qt::LeftButton);
        QCOMPARE(listed(d.List1), (QStringList{line(QStringLiteral("a.htm"), 0, QStringLiteral("this")),
                                               line(QStringLiteral("a.htm"), 8, QStringLiteral("is"))}));
        QVERIFY(QFileInfo::exists(f.app.path() + QStringLiteral("/spell.dat")));
        QVERIFY(f.fake.messages.shown.isEmpty());
    }

    void unreadablePageSaysSo()
    {
        EditorFixture f;
        writeDictionary(f.app, kWords);
        const QString path = f.page(QStringLiteral("a.htm"), "<p>zzz</p>");
        frmSpell d(f.start());
        d.load();
        QFile::remove(path);
        QTest::mouseClick(d.Command2, Qt::LeftButton);
        QCOMPARE(f.fake.messages.shown.size(), 1);
        QCOMPARE(f.fake.messages.shown[0].text, kOpenErrorText);
        QCOMPARE(f.fake.messages.shown[0].icon, MessageRequest::Icon::Exclamation);
        QCOMPARE(d.List1->count(), 0);
        // chspell itself reports the failure.
        QVERIFY(!d.chspell(f.app.path() + QStringLiteral("/nowhere.htm")));
        QVERIFY(!d.chspell(f.app.path()));
        QCOMPARE(f.fake.messages.shown.size(), 3);
    }

    void chWordAndCurpos()
    {
        EditorFixture f;
        writeDictionary(f.app, kWords);
        f.page(QStringLiteral("a.htm"), "<p>x</p>");
        frmSpell d(f.start());
        d.load();
        d.curpage = QStringLiteral("some-rather-long-page-name.htm");
        d.curpos = 123456;
        QCOMPARE(d.chWord(QStringLiteral("page")), 1);
        QCOMPARE(d.List1->count(), 0);
        QCOMPARE(d.chWord(QStringLiteral("pagez")), 0);
        QCOMPARE(listed(d.List1), QStringList{QStringLiteral("some-rather-long-... | 123456 | pagez")});
        QCOMPARE(d.List1->currentRow(), 0);
    }

    void escClosesAndListIsDiscarded()
    {
        EditorFixture f;
        f.page(QStringLiteral("a.htm"), "<p>zzz</p>");
        frmEditor &editor = f.start();
        int countFirst = -1, countSecond = -1;
        QVERIFY(runFromMenu(editor, [&](frmSpell &d) {
            QTest::mouseClick(d.Command2, Qt::LeftButton);
            countFirst = d.List1->count();
            QTest::keyClick(&d, Qt::Key_Escape);
        }));
        QVERIFY(runFromMenu(editor, [&](frmSpell &d) { countSecond = d.List1->count(); }));
        QCOMPARE(countFirst, 1);
        QCOMPARE(countSecond, 0);
        QVERIFY(!f.fake.end.ended());
    }

    // Picture of the window for review, when TAGSMITH_SHOTS names a folder.
    void grab()
    {
        const QString folder = qEnvironmentVariable("TAGSMITH_SHOTS");
        if (folder.isEmpty())
            QSKIP("TAGSMITH_SHOTS not set");
        EditorFixture f;
        writeDictionary(f.app, kWords);
        f.page(QStringLiteral("index.htm"),
               "<html><body><p>This is a tesst page</p>\r\n<p>Wrold here and <b>more</b> wrods</p></body></html>");
        frmSpell d(f.start());
        d.load();
        QTest::mouseClick(d.Command2, Qt::LeftButton);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QVERIFY(d.grab().save(folder + QStringLiteral("/frmSpell.png")));
    }
};

QTEST_MAIN(SpellProfilerTest)
#include "spellprofiler_test.moc"
