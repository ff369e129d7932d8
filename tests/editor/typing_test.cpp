// SPDX-License-Identifier: GPL-3.0-or-later
// Typing into the real editing area: the automatic closing bracket, closing
// tags, type-over, the completion list, and Alt with a letter.
#include "editor/TagCompletion.h"
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

    // A page typed key by key, as a hand-writer types it, and the bytes saved.
    // Options: "a" automatic ">", "c" closing tags, "l" completion list.
    void typedTagsAreSaved_data()
    {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("options");
        QTest::addColumn<QByteArray>("saved");
        auto row = [](const char *name, const QByteArray &page, int caret, const QString &keys, const char *options,
                      const QByteArray &saved) { QTest::newRow(name) << page << caret << keys << QString(options) << saved; };
        // Typing every character by hand gives exactly what was typed.
        for (const char *options : {"acl", "a", "ac", "c", ""}) {
            for (const char *typed : {"<em>x</em>", "<A HREF=\"a.htm\">y</A>", "<!-- c -->", "<!DOCTYPE html>",
                                      "<ul><li>a</li></ul>", "<p><b>x</b> y</p>", "<a title=\"x>y\">z</a>", "<br><img src=\"a.gif\">"})
                row(qPrintable(QStringLiteral("%1 [%2]").arg(typed, options)), "", 0, typed, options, typed);
        }
        row("a < b", "", 0, "a < b", "acl", "a < b");
        row("<<", "", 0, "<<", "acl", "<<");
        row("< 3", "", 0, "< 3", "acl", "< 3");
        row("script", "<script>\r\n", 10, "if (a <b) c();", "acl", "<script>\r\nif (a <b) c();");
        row("script end", "<SCRIPT>\r\n", 10, "x</SCRIPT>", "acl", "<SCRIPT>\r\nx</SCRIPT>");
        row("style", "<style>", 7, "p<b", "acl", "<style>p<b");
        row("comment", "<!-- ", 5, "<b", "acl", "<!-- <b");
        row("after a comment", "<!-- c -->", 10, "<b", "a", "<!-- c --><b>");
        // What the aids add.
        row("end tag", "", 0, "<p>", "ac", "<p></p>");
        row("a tag inside the element", "", 0, "<p><b>x</b>", "acl", "<p><b>x</b></p>");
        row("case kept", "", 0, "<TABLE>", "ac", "<TABLE></TABLE>");
        row("void", "", 0, "<hr>", "ac", "<hr>");
        row("self-closing", "", 0, "<p/>", "ac", "<p/>");
        row("end tag already there", "</b>", 0, "<b>", "ac", "<b></b>");
        row("end tag on the next line", "\r\n</b>", 0, "<b>", "ac", "<b></b>\r\n</b>");
        row("CR LF page", "<html>\r\n\r\n</html>", 8, "<p>x", "acl", "<html>\r\n<p>x</p>\r\n</html>");
        row("end tag without the automatic >", "", 0, "<b>x", "c", "<b>x</b>");
        row("all off", "", 0, "<b>x", "", "<b>x");
        row("only the automatic >", "", 0, "<b", "a", "<b>");
        row("element completed", "", 0, "<blockq\t>", "acl", "<blockquote></blockquote>");
        row("upper case completed", "", 0, "<TAB\t>", "acl", "<TABLE></TABLE>");
        row("attribute completed", "", 0, "<a hr\t=\"x\">", "acl", "<a href=\"x\"></a>");
        row("attributes after the element list", "", 0, "<TABLE \t>", "acl", "<TABLE ACCESSKEY></TABLE>");
        row("value completed", "", 0, "<input type=\"chec\t\">", "acl", "<input type=\"checkbox\">");
        row("escape closes the list", "", 0, "<d\x1biv>", "acl", "<div></div>");
        row("return accepts", "", 0, "<sec\r>", "acl", "<section></section>");
    }
    void typedTagsAreSaved()
    {
        QFETCH(QByteArray, page);
        QFETCH(int, caret);
        QFETCH(QString, keys);
        QFETCH(QString, options);
        QFETCH(QByteArray, saved);
        EditorFixture f;
        auto set = [&](const char *key, bool on) {
            f.fake.settings.write(QStringLiteral("Settings"), QString::fromLatin1(key), on ? "1" : "0");
        };
        set("AutoHTML", !options.contains(u'a')); // "1" switches it off
        set("CloseTags", options.contains(u'c'));
        set("CompleteTags", options.contains(u'l'));
        const QString path = f.page("a.htm", page);
        f.start();
        f.box().setSelStart(caret);
        QTest::keyClicks(&f.box(), keys);
        QVERIFY(f.editor->leavePage());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), saved);
    }

    void endTagIsOneUndoStepWithTheBracket()
    {
        EditorFixture f;
        f.fake.settings.write(QStringLiteral("Settings"), QStringLiteral("AutoHTML"), QStringLiteral("1"));
        f.page("a.htm", "x ");
        f.start();
        f.box().setSelStart(2);
        QTest::keyClicks(&f.box(), "<i>");
        QCOMPARE(f.box().text(), QStringLiteral("x <i></i>"));
        f.box().undo();
        QVERIFY(!f.box().text().contains(u'>'));
    }

    void listOffersNamesInTheCaseTyped()
    {
        EditorFixture f;
        f.page("a.htm", "");
        f.start();
        using Sci = QsciScintillaBase;
        auto current = [&] {
            QByteArray text(64, '\0');
            f.box().SendScintilla(Sci::SCI_AUTOCGETCURRENTTEXT, 0ul, reinterpret_cast<long>(text.data()));
            return QByteArray(text.constData());
        };
        QTest::keyClicks(&f.box(), "<FON");
        QVERIFY(f.editor->tagCompletion()->isListShown());
        QCOMPARE(current(), QByteArray("FONT"));
        QTest::keyClicks(&f.box(), "\t ");
        QVERIFY(f.editor->tagCompletion()->isListShown()); // the attributes of FONT
        QTest::keyClicks(&f.box(), "FA");
        QCOMPARE(current(), QByteArray("FACE"));
        QTest::keyClick(&f.box(), Qt::Key_Escape);
        QVERIFY(!f.editor->tagCompletion()->isListShown());
        QTest::keyClicks(&f.box(), ">");
        QCOMPARE(f.box().text(), QStringLiteral("<FONT FA></FONT>"));
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
