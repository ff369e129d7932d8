// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and Redo, Replace and Go To Line with their access keys, and the
// common keys, driven through the main window's menu, its keys and the real
// dialogs.
#include "support/EditorFixture.h"
#include "support/OnModal.h"
#include "texttools/HTMLFind.h"
#include "texttools/frmGoToLine.h"
#include "texttools/frmReplace.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace {

enum Item { Undo = 8, Redo = 9, ReplaceItem = 11, GoToLine = 12 };

struct Fixture : EditorFixture {
    explicit Fixture(const QByteArray &pageBytes, const QByteArray &second = {})
    {
        page("a.htm", pageBytes);
        if (!second.isNull())
            page("b.htm", second);
        start();
        activate();
    }
    ~Fixture()
    {
        if (editor)
            editor->hide(); // see find_test: no focus loss into a half-destroyed window
    }
    void activate()
    {
        editor->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(editor.get()));
        box().setFocus();
    }
    QAction *item(int index) { return editor->mnuEditItem[index]; }
    bool canUndo() { return item(Undo)->isEnabled(); }
    bool canRedo() { return item(Redo)->isEnabled(); }
    frmReplace &openReplace()
    {
        item(ReplaceItem)->trigger();
        auto *d = editor->findChild<frmReplace *>();
        Q_ASSERT(d && d->isVisible());
        return *d;
    }
    void save() { editor->mnuFileItem[4]->trigger(); }
    QByteArray onDisk() { return app.read(QStringLiteral("project/default/a.htm")); }
};

void fill(frmReplace &d, const QString &what, const QString &with, bool matchCase)
{
    d.Text1->setText(what); // typed keys are limited to Latin-1 here
    d.Text2->setText(with);
    d.Check1->setChecked(matchCase);
}

} // namespace

class EditCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void undoRedoOneStep_data()
    {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<int>("selFrom");
        QTest::addColumn<int>("selLength");
        QTest::addColumn<QString>("typed");    // typed into the editing area, or
        QTest::addColumn<QString>("tmpl");     // an HTML menu item's object name
        QTest::addColumn<QString>("after");
        QTest::newRow("typing") << QByteArray("x") << 1 << 0 << "abc" << "" << "xabc";
        QTest::newRow("auto >") << QByteArray("x\r\n") << 3 << 0 << "<p" << "" << "x\r\n<p>";
        QTest::newRow("auto > over a selection") << QByteArray("<old") << 1 << 3 << "b" << "" << "<b>";
        QTest::newRow("template") << QByteArray("ab") << 1 << 0 << "" << "Bold" << "a<B> [Insert Text]</B>b";
    }
    void undoRedoOneStep()
    {
        QFETCH(QByteArray, page);
        QFETCH(int, selFrom);
        QFETCH(int, selLength);
        QFETCH(QString, typed);
        QFETCH(QString, tmpl);
        QFETCH(QString, after);
        Fixture f(page);
        QVERIFY(!f.canUndo() && !f.canRedo()); // a loaded page has no history
        f.box().setSelection(selFrom, selLength);
        if (tmpl.isEmpty())
            QTest::keyClicks(&f.box(), typed);
        else
            f.editor->HTML->findChild<QAction *>(tmpl)->trigger();
        QCOMPARE(f.box().text(), after);
        QVERIFY(f.canUndo() && !f.canRedo());
        QVERIFY(f.box().isModified());

        f.item(Undo)->trigger();
        QCOMPARE(f.box().text(), QString::fromUtf8(page));
        QVERIFY(!f.canUndo() && f.canRedo());
        QVERIFY(!f.box().isModified()); // back at the text on disk
        f.item(Redo)->trigger();
        QCOMPARE(f.box().text(), after);
        QVERIFY(f.canUndo() && !f.canRedo());
        QVERIFY(f.box().isModified());
    }

    void historyKeysAndSavePoint()
    {
        Fixture f("", "other");
        QTest::keyClicks(&f.box(), QStringLiteral("one"));
        QTest::keyClick(&f.box(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(f.onDisk(), QByteArray("one"));
        QVERIFY(!f.box().isModified());
        QTest::keyClick(&f.box(), Qt::Key_Left);
        QTest::keyClicks(&f.box(), QStringLiteral("X"));
        QTest::keyClick(&f.box(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(f.box().text(), QStringLiteral("one"));
        QVERIFY(!f.box().isModified()); // undone to what was saved
        QTest::keyClick(&f.box(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(f.box().text(), QString());
        QVERIFY(f.box().isModified());
        QTest::keyClick(&f.box(), Qt::Key_Y, Qt::ControlModifier);
        QTest::keyClick(&f.box(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(f.box().text(), QStringLiteral("onXe"));
        // The Edit menu's opening leaves the Cut/Copy/Paste/Delete rule alone
        // and shows the history as it is.
        emit f.editor->mnuEdit->aboutToShow();
        QVERIFY(f.canUndo() && !f.canRedo());
        QVERIFY(!f.item(0)->isEnabled() && f.item(2)->isEnabled());

        // Another page starts a history of its own, and so does coming back.
        f.editor->pageList()->setCurrentIndex(1);
        emit f.editor->pageList()->activated(1);
        QCOMPARE(f.box().text(), QStringLiteral("other"));
        QVERIFY(!f.canUndo() && !f.canRedo());
        f.editor->pageList()->setCurrentIndex(0);
        emit f.editor->pageList()->activated(0);
        QCOMPARE(f.box().text(), QStringLiteral("onXe"));
        QVERIFY(!f.canUndo() && !f.canRedo());
        QVERIFY(!f.box().isUndoAvailable());
    }

    void replaceAllSavesBytes_data()
    {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("with");
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<QByteArray>("saved");
        QTest::addColumn<QString>("note");
        QTest::newRow("CR LF, any case") << QByteArray("a<b>\r\n<B>\r\nb") << "<b>" << "<i>" << false
                                         << QByteArray("a<i>\r\n<i>\r\nb") << "Replaced 2 occurrences.";
        QTest::newRow("CR LF, match case") << QByteArray("a<b>\r\n<B>\r\nb") << "<b>" << "<i>" << true
                                           << QByteArray("a<i>\r\n<B>\r\nb") << "Replaced 1 occurrence.";
        QTest::newRow("line ends replaced") << QByteArray("a\r\nb\nc\r\n") << "\r\n" << "" << false
                                            << QByteArray("ab\nc") << "Replaced 2 occurrences.";
        QTest::newRow("UTF-8") << QByteArray("f\xc3\xbcr F\xc3\x9cR\n\xe2\x82\xac") << QStringLiteral("für")
                               << QStringLiteral("Ω€") << false
                               << QByteArray("\xce\xa9\xe2\x82\xac \xce\xa9\xe2\x82\xac\n\xe2\x82\xac")
                               << "Replaced 2 occurrences.";
        QTest::newRow("Windows-1252") << QByteArray("caf\xe9 CAF\xc9\r\n") << QStringLiteral("café")
                                      << QStringLiteral("€Ω") << false << QByteArray("\x80&#937; \x80&#937;\r\n")
                                      << "Replaced 2 occurrences.";
        QTest::newRow("none") << QByteArray("abc") << "x" << "y" << false << QByteArray("abc")
                              << "Replaced 0 occurrences.";
    }
    void replaceAllSavesBytes()
    {
        QFETCH(QByteArray, page);
        QFETCH(QString, what);
        QFETCH(QString, with);
        QFETCH(bool, matchCase);
        QFETCH(QByteArray, saved);
        QFETCH(QString, note);
        Fixture f(page);
        const QString before = f.box().text();
        frmReplace &d = f.openReplace();
        fill(d, what, with, matchCase);
        QTest::mouseClick(d.CmdReplaceAll, Qt::LeftButton);
        QCOMPARE(f.editor->StatusNote->text(), note);
        if (saved != page) {
            // One undo step takes it all back, and the redo puts it all in.
            f.item(Undo)->trigger();
            QCOMPARE(f.box().text(), before);
            QVERIFY(!f.canUndo());
            f.item(Redo)->trigger();
        }
        f.box().setModified(true); // written even when nothing changed
        f.save();
        QCOMPARE(f.onDisk(), saved);
    }

    void replaceStepsAndLeavesFindAlone()
    {
        Fixture f("one two One one two");
        onModal<HTMLFind>([](HTMLFind &d) {
            QTest::keyClicks(d.Text1, QStringLiteral("two"));
            QTest::mouseClick(d.Command1, Qt::LeftButton);
        });
        f.item(5)->trigger();
        QCOMPARE(f.box().selStart(), 4);
        f.box().setSelStart(0);

        frmReplace &d = f.openReplace();
        fill(d, QStringLiteral("one"), QStringLiteral("1"), true);
        QTest::mouseClick(d.CmdReplace, Qt::LeftButton); // nothing selected: finds the first
        QCOMPARE(f.box().text(), QStringLiteral("one two One one two"));
        QCOMPARE(f.box().selectedText(), QStringLiteral("one"));
        QTest::mouseClick(d.CmdReplace, Qt::LeftButton); // replaces it, selects the next ("One" differs)
        QCOMPARE(f.box().text(), QStringLiteral("1 two One one two"));
        QCOMPARE(f.box().selStart(), 10);
        QTest::mouseClick(d.CmdReplace, Qt::LeftButton);
        QCOMPARE(f.box().text(), QStringLiteral("1 two One 1 two"));
        QCOMPARE(f.editor->StatusNote->text(), QStringLiteral("No more matches found."));
        QTest::keyClick(&d, Qt::Key_Escape);
        QVERIFY(!d.isVisible());

        // Find Next goes on with "two" from where Find left it.
        f.item(6)->trigger();
        QCOMPARE(f.box().selStart(), 12);
        QCOMPARE(f.box().selectedText(), QStringLiteral("two"));
        QVERIFY(f.fake.messages.texts().isEmpty());
    }

    // Find Next and Replace go on from the top past the last match, and say so.
    void replaceWrapsAround()
    {
        Fixture f("cat dog cat");
        f.box().setSelStart(4);
        frmReplace &d = f.openReplace();
        fill(d, QStringLiteral("cat"), QStringLiteral("CAT"), true);
        const auto click = [&](QPushButton *b, int selStart, const char *note) {
            QTest::mouseClick(b, Qt::LeftButton);
            QCOMPARE(f.box().selStart(), selStart);
            QCOMPARE(f.editor->StatusNote->text(), QString::fromLatin1(note));
        };
        const char *wrapped = "Search wrapped to the top of the page.";
        click(d.CmdFindNext, 8, "");
        click(d.CmdFindNext, 0, wrapped);
        click(d.CmdFindNext, 8, "");
        click(d.CmdReplace, 0, wrapped);
        QCOMPARE(f.box().text(), QStringLiteral("cat dog CAT"));
        click(d.CmdReplace, 3, "No more matches found.");
        QCOMPARE(f.box().text(), QStringLiteral("CAT dog CAT"));
    }

    // "Match whole word only" passes over words that merely hold the text.
    void replaceWholeWords()
    {
        Fixture f("cat cats scat cat_x cat.");
        frmReplace &d = f.openReplace();
        fill(d, QStringLiteral("cat"), QStringLiteral("dog"), false);
        d.Check2->setChecked(true);
        f.box().setSelection(4, 3); // the "cat" of "cats"
        QTest::mouseClick(d.CmdReplace, Qt::LeftButton);
        QCOMPARE(f.box().text(), QStringLiteral("cat cats scat cat_x cat."));
        QCOMPARE(f.box().selStart(), 20);
        QTest::mouseClick(d.CmdReplaceAll, Qt::LeftButton);
        QCOMPARE(f.box().text(), QStringLiteral("dog cats scat cat_x dog."));
        QCOMPARE(f.editor->StatusNote->text(), QStringLiteral("Replaced 2 occurrences."));
    }

    // Every control of Replace and Go To Line has an access key of its own,
    // and pressing it does what the control does.
    void accessKeys_data()
    {
        QTest::addColumn<bool>("replace");
        QTest::newRow("Replace") << true;
        QTest::newRow("Go To Line") << false;
    }
    void accessKeys()
    {
        QFETCH(bool, replace);
        Fixture f("one two");
        QDialog *d = nullptr;
        if (replace) {
            frmReplace &r = f.openReplace();
            fill(r, QStringLiteral("two"), QString(), false); // so that its buttons are on
            d = &r;
        } else {
            d = new frmGoToLine(1, 1, f.editor.get());
        }
        QStringList keys;
        for (QWidget *w : d->findChildren<QWidget *>()) {
            auto *button = qobject_cast<QAbstractButton *>(w);
            auto *label = qobject_cast<QLabel *>(w);
            if (!button && !label)
                continue;
            const QString caption = button ? button->text() : label->text();
            const QKeySequence key = QKeySequence::mnemonic(caption);
            QVERIFY2(!key.isEmpty() && !keys.contains(key.toString()), qPrintable(caption));
            keys << key.toString();
            d->show(); // again after Close or OK
            d->activateWindow();
            QTRY_COMPARE(QApplication::activeWindow(), d); // not merely sharing the main window's
            const auto press = [&] { QTest::keyClick(d, key[0].key(), key[0].keyboardModifiers()); };
            if (label) {
                QVERIFY2(label->buddy(), qPrintable(caption));
                label->buddy()->clearFocus();
                press();
                QVERIFY2(label->buddy()->hasFocus(), qPrintable(caption));
            } else {
                QSignalSpy clicked(button, &QAbstractButton::clicked);
                press();
                QTRY_VERIFY2(clicked.count() == 1, qPrintable(caption)); // clicked after a short flash
            }
        }
        QCOMPARE(keys.size(), replace ? 8 : 3);
    }

    void goToLine_data()
    {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("caret");
        QTest::newRow("CR LF") << QByteArray("a\r\nb\r\nc\r\nd") << "3" << 6;
        QTest::newRow("LF") << QByteArray("a\nb\nc\nd") << "3" << 4;
        QTest::newRow("CR") << QByteArray("a\rb\rc\rd") << "3" << 4;
        QTest::newRow("mixed") << QByteArray("a\r\nb\nc\rd") << "4" << 7;
        QTest::newRow("past the end") << QByteArray("a\nb\r\n") << "99" << 5;
        QTest::newRow("far down") << QByteArray("line\n").repeated(500) << "400" << 399 * 5;
    }
    void goToLine()
    {
        QFETCH(QByteArray, page);
        QFETCH(QString, typed);
        QFETCH(int, caret);
        Fixture f(page);
        onModal<frmGoToLine>([typed](frmGoToLine &d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Go To Line"));
            QCOMPARE(d.focusWidget(), static_cast<QWidget *>(d.Number));
            QTest::keyClicks(d.Number, typed);
            QTest::keyClick(d.Number, Qt::Key_Return);
        });
        QTest::keyClick(&f.box(), Qt::Key_G, Qt::ControlModifier);
        QCOMPARE(f.box().selStart(), caret);
        QCOMPARE(f.box().selLength(), 0);
        const long line = f.box().SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION, caret);
        const long first = f.box().SendScintilla(QsciScintillaBase::SCI_GETFIRSTVISIBLELINE);
        QVERIFY(line >= first && line < first + f.box().SendScintilla(QsciScintillaBase::SCI_LINESONSCREEN));
    }

    void commonKeysFromTheEditingArea()
    {
        Fixture f("page");
        bool findShown = false;
        onModal<HTMLFind>([&findShown](HTMLFind &) { findShown = true; });
        QTest::keyClick(&f.box(), Qt::Key_F, Qt::ControlModifier);
        QVERIFY(findShown);
        f.activate();
        QTest::keyClick(&f.box(), Qt::Key_H, Qt::ControlModifier);
        auto *replace = f.editor->findChild<frmReplace *>();
        QVERIFY(replace && replace->isVisible());
        QCOMPARE(replace->windowTitle(), QStringLiteral("Replace"));
        replace->close();
        f.activate();
        QTest::keyClick(&f.box(), Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(&f.box(), QStringLiteral("d"));
        QTest::keyClick(&f.box(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(f.onDisk(), QByteArray("paged"));
    }
};

QTEST_MAIN(EditCommandsTest)
#include "editcommands_test.moc"
