// Typing into the real editing area: the automatic closing bracket, and
// Alt with a letter.
#include "support/EditorFixture.h"

#include <QApplication>
#include <QMenu>
#include <QtTest>

class TypingTest : public QObject {
    Q_OBJECT
private slots:
    void closesBracketAfterFirstLetter()
    {
        EditorFixture f;
        f.page("a.htm", "");
        f.start();
        f.box().setFocus();
        QTest::keyClicks(&f.box(), "<b");
        QCOMPARE(f.box().text(), QStringLiteral("<b>"));
        QCOMPARE(f.box().selStart(), 2);
        QTest::keyClicks(&f.box(), "r");
        QCOMPARE(f.box().text(), QStringLiteral("<br>"));
    }
    void loneBracketAndExistingCloser()
    {
        EditorFixture f;
        f.page("a.htm", "");
        f.start();
        QTest::keyClicks(&f.box(), "<");
        QCOMPARE(f.box().text(), QStringLiteral("<"));
        // The very first character of the text: nothing before it.
        f.box().setText(QString());
        QTest::keyClicks(&f.box(), "b");
        QCOMPARE(f.box().text(), QStringLiteral("b"));
        // A ">" already after the caret: nothing is added.
        f.box().setText(QStringLiteral("<>"));
        f.box().setSelStart(1);
        QTest::keyClicks(&f.box(), "i");
        QCOMPARE(f.box().text(), QStringLiteral("<i>"));
    }
    void caretMovedBackInsertsNothing()
    {
        EditorFixture f;
        f.page("a.htm", "ab<def");
        f.start();
        f.box().setSelStart(6);
        QTest::keyClicks(&f.box(), "g");
        // Back behind the "<": the caret is not past the position of the last change.
        f.box().setSelStart(3);
        QTest::keyClicks(&f.box(), "x");
        QCOMPARE(f.box().text(), QStringLiteral("ab<xdefg"));
        // Once past it again, the rule applies.
        f.box().setSelStart(8);
        QTest::keyClicks(&f.box(), "<p");
        QCOMPARE(f.box().text(), QStringLiteral("ab<xdefg<p>"));
    }
    // The text read back always follows the latest edit, whatever made it.
    void textFollowsEveryEdit()
    {
        EditorFixture f;
        f.page("a.htm", "caf\xe9");
        f.start();
        QCOMPARE(f.box().text(), QStringLiteral("caf\u00e9"));
        f.box().setSelStart(4);
        QTest::keyClicks(&f.box(), "s");
        QCOMPARE(f.box().text(), QStringLiteral("caf\u00e9s"));
        f.box().undo(); // as Edit &Undo does
        QCOMPARE(f.box().text(), QStringLiteral("caf\u00e9"));
        f.box().replaceSelection(QStringLiteral("!"));
        QCOMPARE(f.box().text(), QStringLiteral("caf\u00e9!"));
        f.box().setBytes("new", TextEncoding::Utf8);
        QCOMPARE(f.box().text(), QStringLiteral("new"));
        QCOMPARE(f.box().bytes(), QByteArray("new"));
    }

    void switchedOffByOption()
    {
        EditorFixture f;
        f.fake.settings.write(QStringLiteral("Settings"), QStringLiteral("AutoHTML"), QStringLiteral("1"));
        f.page("a.htm", "");
        f.start();
        QTest::keyClicks(&f.box(), "<b");
        QCOMPARE(f.box().text(), QStringLiteral("<b"));
    }

    // Alt with a key that opens no menu types nothing, as in other editors;
    // AltGr, which composes characters, still types.
    void altKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("menu"); // the menu it opens, if any
        QTest::addColumn<QString>("typed");
        const int alt = Qt::AltModifier;
        QTest::newRow("Alt+J") << int(Qt::Key_J) << alt << "j" << "" << "";
        QTest::newRow("Alt+Shift+Q") << int(Qt::Key_Q) << int(alt | Qt::ShiftModifier) << "Q" << "" << "";
        QTest::newRow("Alt+F") << int(Qt::Key_F) << alt << "f" << "&File" << "";
        QTest::newRow("AltGr as Ctrl+Alt") << int(Qt::Key_Q) << int(alt | Qt::ControlModifier) << "@" << "" << "@";
        const QString euro = QStringLiteral("\u20ac");
        QTest::newRow("AltGr as group switch") << int(Qt::Key_E) << int(alt | Qt::GroupSwitchModifier) << euro << ""
                                               << euro;
    }
    void altKeys()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, text);
        QFETCH(QString, menu);
        QFETCH(QString, typed);
        EditorFixture f;
        f.page("a.htm", "");
        f.start();
        f.editor->activateWindow(); // menu keys need the active window
        QVERIFY(QTest::qWaitForWindowActive(f.editor.get()));
        f.box().setFocus();
        QTest::sendKeyEvent(QTest::Click, &f.box(), Qt::Key(key), text, Qt::KeyboardModifiers(modifiers));
        auto *popup = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QCOMPARE(popup ? popup->title() : QString(), menu);
        if (popup)
            popup->close();
        QCOMPARE(f.box().text(), typed);
        f.editor->hide(); // no focus loss into a half-destroyed window
    }
};

QTEST_MAIN(TypingTest)
#include "typing_test.moc"
