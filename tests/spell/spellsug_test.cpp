// SPDX-License-Identifier: GPL-3.0-or-later
// The Spell Check dialog, driven through its widgets.
#include "spell/SpellDictionary.h"
#include "spell/frmSpellSug.h"
#include "support/DictionaryBytes.h"
#include "support/EditorFixture.h"
#include "support/ListText.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {
void writeDictionary(const TestAppDir &app, const QStringList &words)
{
    app.write(QStringLiteral("spell.dat"), dictionaryBytes(words));
}

const QStringList kWords = {QStringLiteral("apple"), QStringLiteral("banana"), QStringLiteral("cherry"),
                            QStringLiteral("London"), QStringLiteral("Paris"), QStringLiteral("plum")};


struct Fixture {
    Fixture()
    {
        state.appDir = app.path();
        state.dataDir = app.path();
        writeDictionary(app, kWords);
    }
    TestAppDir app;
    FakePlatform fake;
    AppState state;
};
// Types a word as soon as the dialog is up, without choosing a control
// first (the search box has the focus), and presses Enter to suggest.
void typeAtOnce(frmSpellSug *d, const QString &word)
{
    QTRY_COMPARE(QApplication::focusWidget(), d->Text1);
    QTest::keyClicks(QApplication::focusWidget(), word);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
}
} // namespace

class SpellSugTest : public QObject {
    Q_OBJECT
private slots:
    void controlsAndTabOrder()
    {
        Fixture f;
        frmSpellSug d(f.state, f.fake.platform);
        d.load();
        QCOMPARE(d.windowTitle(), QStringLiteral("Spell Check"));
        QCOMPARE(d.Label1->text(), QStringLiteral("Search &Text::"));
        QCOMPARE(d.Label2->text(), QStringLiteral("Change &To:"));
        QCOMPARE(d.Label3->text(), QStringLiteral("Suggestio&ns:"));
        QCOMPARE(d.Command1->text(), QStringLiteral("&Suggest"));
        QCOMPARE(d.Command2->text(), QStringLiteral("&Cancel"));
        QCOMPARE(d.Command3->text(), QStringLiteral("&About"));
        QVERIFY(d.Command1->isDefault());
        QVERIFY(d.Text1->text().isEmpty());
        QCOMPARE(d.Label1->buddy(), d.Text1);
        QCOMPARE(d.Label3->buddy(), d.List1);

        // Following the focus chain from List1 meets the controls in tab order.
        const QList<QWidget *> order = {d.List1, d.Text1, d.Command1, d.Command2, d.Command3, d.Text2};
        QList<QWidget *> seen;
        QWidget *w = d.List1;
        do {
            if (order.contains(w) && !seen.contains(w))
                seen << w;
            w = w->nextInFocusChain();
        } while (w != d.List1);
        QCOMPARE(seen, order);

        // And with the keyboard.
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        d.List1->setFocus();
        for (int i = 1; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), order[i]);
        }
    }

    void emptyWordAsksForOne()
    {
        Fixture f;
        frmSpellSug d(f.state, f.fake.platform);
        d.load();
        d.Text2->setText(QStringLiteral("old"));
        d.List1->addItem(QStringLiteral("kept"));
        QTest::mouseClick(d.Command1, Qt::LeftButton);
        QCOMPARE(f.fake.messages.shown.size(), 1);
        const MessageRequest m = f.fake.messages.shown[0];
        QCOMPARE(m.text, QStringLiteral("No word"));
        QCOMPARE(m.title, QStringLiteral("Error"));
        QCOMPARE(m.icon, MessageRequest::Icon::Question);
        QCOMPARE(m.buttons, MessageRequest::Buttons::Ok);
        QVERIFY(d.Text2->text().isEmpty());
        QCOMPARE(listed(d.List1), QStringList{QStringLiteral("kept")});
        // The dictionary is not touched: a missing one would have been created.
        QFile::remove(f.app.path() + QStringLiteral("/spell.dat"));
        QTest::mouseClick(d.Command1, Qt::LeftButton);
        QVERIFY(!QFileInfo::exists(f.app.path() + QStringLiteral("/spell.dat")));
    }

    void knownWordByEnter()
    {
        Fixture f;
        frmSpellSug d(f.state, f.fake.platform);
        d.load();
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        d.Text1->setFocus();
        QTest::keyClicks(d.Text1, "PARIS");
        QTest::keyClick(d.Text1, Qt::Key_Return);
        QCOMPARE(f.fake.messages.shown.size(), 1);
        QCOMPARE(f.fake.messages.shown[0].text, QStringLiteral("Spelling is correct."));
        QCOMPARE(f.fake.messages.shown[0].title, QStringLiteral("Spell Check Message"));
        QCOMPARE(f.fake.messages.shown[0].icon, MessageRequest::Icon::Information);
        QCOMPARE(d.List1->count(), 0);
        QVERIFY(d.Text2->text().isEmpty());
    }

    void unknownWordListsSuggestions()
    {
        Fixture f;
        frmSpellSug d(f.state, f.fake.platform);
        d.load();
        d.Text1->setText(QStringLiteral("paaris"));
        QTest::mouseClick(d.Command1, Qt::LeftButton);
        QVERIFY(f.fake.messages.shown.isEmpty());
        // The whole (small) dictionary, in its stored case, the first line chosen.
        QCOMPARE(listed(d.List1), kWords);
        QCOMPARE(d.List1->currentRow(), 0);
        QCOMPARE(d.Text2->text(), QStringLiteral("apple"));
        // Picking another line puts it into "Change To".
        QListWidgetItem *paris = d.List1->item(4);
        QTest::mouseClick(d.List1->viewport(), Qt::LeftButton, {}, d.List1->visualItemRect(paris).center());
        QCOMPARE(d.Text2->text(), QStringLiteral("Paris"));

        // A trailing space is part of the word: not found.
        d.Text1->setText(QStringLiteral("plum "));
        QTest::mouseClick(d.Command1, Qt::LeftButton);
        QVERIFY(f.fake.messages.shown.isEmpty());
        QCOMPARE(listed(d.List1), kWords); // replaced, not appended
        QCOMPARE(d.Text2->text(), QStringLiteral("apple"));
    }

    void windowOfALargeDictionary()
    {
        Fixture f;
        QStringList words;
        for (int i = 0; i < 400; ++i)
            words << QStringLiteral("w%1").arg(i, 3, 10, QChar(u'0'));
        writeDictionary(f.app, words);
        frmSpellSug d(f.state, f.fake.platform);
        d.load();
        d.Text1->setText(QStringLiteral("W200x"));
        QTest::mouseClick(d.Command1, Qt::LeftButton);
        const QStringList got = listed(d.List1);
        QCOMPARE(got.size(), 151);
        QVERIFY(got.contains(QStringLiteral("w200")) && got.contains(QStringLiteral("w201")));
        QCOMPARE(got, words.mid(words.indexOf(got.first()), 151));
        QCOMPARE(d.Text2->text(), got.first());
    }

    void emptyDictionaryListsNothing()
    {
        Fixture f;
        QFile::remove(f.app.path() + QStringLiteral("/spell.dat"));
        frmSpellSug d(f.state, f.fake.platform);
        d.load();
        d.Text1->setText(QStringLiteral("anything"));
        d.Text2->setText(QStringLiteral("old"));
        QTest::mouseClick(d.Command1, Qt::LeftButton);
        QCOMPARE(d.List1->count(), 0);
        QVERIFY(d.Text2->text().isEmpty());
        QVERIFY(f.fake.messages.shown.isEmpty());
        QVERIFY(QFileInfo::exists(f.app.path() + QStringLiteral("/spell.dat")));
    }

    void searchBoxSelectsOnFocus()
    {
        Fixture f;
        frmSpellSug d(f.state, f.fake.platform);
        d.load();
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        d.Text1->setText(QStringLiteral("wurd"));
        d.List1->setFocus();
        QTest::keyClick(d.List1, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), d.Text1);
        QTRY_COMPARE(d.Text1->selectedText(), QStringLiteral("wurd"));
        d.Text2->setFocus();
        QTest::mouseClick(d.Text1, Qt::LeftButton);
        QTRY_COMPARE(d.Text1->selectedText(), QStringLiteral("wurd"));
    }

    void aboutBox()
    {
        Fixture f;
        frmSpellSug d(f.state, f.fake.platform);
        d.load();
        QTest::mouseClick(d.Command3, Qt::LeftButton);
        QCOMPARE(f.fake.messages.shown.size(), 1);
        QCOMPARE(f.fake.messages.shown[0].text, QStringLiteral("Spell Check Alpha for Tagsmith 1.0"));
        QCOMPARE(f.fake.messages.shown[0].title, QStringLiteral("About Spell Check Alpha"));
        QCOMPARE(f.fake.messages.shown[0].icon, MessageRequest::Icon::Information);
    }

    void openedFromToolsMenuAndCancelClosesOnlyIt()
    {
        EditorFixture f;
        writeDictionary(f.app, kWords);
        f.page(QStringLiteral("a.htm"), "<p>page</p>");
        frmEditor &editor = f.start();
        // The numbered Tools items are unchanged; the new items follow them
        // (and the HTML check's two).
        QCOMPARE(editor.mnuToolsItm.size(), 14);
        QCOMPARE(editor.mnuToolsItm[0]->text(), QStringLiteral("&Check Spelling..."));
        QCOMPARE(editor.mnuToolsItm[2]->text(), QStringLiteral("&Explore Project"));
        auto *item = editor.findChild<QAction *>(QStringLiteral("mnuToolsSpellWord"));
        QVERIFY(item);
        QCOMPARE(item->text(), QStringLiteral("Spell Check &Word..."));
        const QList<QAction *> actions = editor.mnuTools->actions();
        QVERIFY(actions.indexOf(item) > actions.indexOf(editor.mnuToolsItm[11]));
        QVERIFY(actions[actions.indexOf(item) - 1]->isSeparator());

        bool seen = false;
        QStringList suggestions;
        QTimer::singleShot(0, [&] {
            auto *d = qobject_cast<frmSpellSug *>(QApplication::activeModalWidget());
            QVERIFY(d);
            seen = true;
            typeAtOnce(d, QStringLiteral("bananna"));
            suggestions = listed(d->List1);
            QTest::mouseClick(d->Command2, Qt::LeftButton);
        });
        item->trigger();
        QVERIFY(seen);
        QCOMPARE(suggestions, kWords);
        QVERIFY(!f.fake.end.ended());
        QVERIFY(editor.isVisible());
        QCOMPARE(editor.txtEdit().text(), QStringLiteral("<p>page</p>"));

        // Esc closes it as well, and the next opening starts empty.
        QString textOnOpen = QStringLiteral("unset");
        QTimer::singleShot(0, [&] {
            auto *d = qobject_cast<frmSpellSug *>(QApplication::activeModalWidget());
            QVERIFY(d);
            textOnOpen = d->Text1->text() + d->Text2->text() + QString::number(d->List1->count());
            QTest::keyClick(d, Qt::Key_Escape);
        });
        item->trigger();
        QCOMPARE(textOnOpen, QStringLiteral("0"));
        QVERIFY(!f.fake.end.ended());
    }

    // Picture of the dialog for review, when TAGSMITH_SHOTS names a folder.
    void grab()
    {
        const QString folder = qEnvironmentVariable("TAGSMITH_SHOTS");
        if (folder.isEmpty())
            QSKIP("TAGSMITH_SHOTS not set");
        Fixture f;
        frmSpellSug d(f.state, f.fake.platform);
        d.load();
        d.Text1->setText(QStringLiteral("Parris"));
        QTest::mouseClick(d.Command1, Qt::LeftButton);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QVERIFY(d.grab().save(folder + QStringLiteral("/frmSpellSug.png")));
    }
};

QTEST_MAIN(SpellSugTest)
#include "spellsug_test.moc"
