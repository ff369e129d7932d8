// SPDX-License-Identifier: GPL-3.0-or-later
// The editing area on its own: positions, loading pages one after another,
// and what typing does to a page loaded from bytes.
#include "editor/ScintillaTextBox.h"
#include "core/SafeFile.h"
#include "editor/WordRuns.h"

#include <QAccessible>
#include <QProcess>
#include <QSignalSpy>
#include <QtTest>

namespace {
QByteArray u8(const char *s) { return QByteArray(s); }

// Types characters the keyboard helpers only take as ASCII.
void typeText(QWidget *w, const QString &text)
{
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
}
}

class TextBoxTest : public QObject {
    Q_OBJECT
private slots:
    // CR LF counts two, a character outside the basic plane two (UTF-16).
    void positionsCountUtf16Units()
    {
        ScintillaTextBox box;
        box.setBytes(u8("a\r\nb\xe2\x82\xac" "c\xf0\x9f\x98\x80" "d"), TextEncoding::Utf8);
        QCOMPARE(box.length(), 9);
        QCOMPARE(box.charAt(4), QChar(0x20AC));
        QCOMPARE(box.charAt(8), QChar('d'));
        box.setSelection(6, 2);
        QCOMPARE(box.selectedText(), QStringLiteral("\U0001F600"));
        box.setSelection(1, 2);
        QCOMPARE(box.selectedText(), QStringLiteral("\r\n"));
        box.setSelStart(8);
        QCOMPARE(box.selStart(), 8);
        QCOMPARE(box.selLength(), 0);
    }

    // Screen readers get the text, caret and selection in code points, as
    // AT-SPI counts characters (the emoji is one), and edit through them.
    void accessibleTextCountsCodePoints()
    {
        ScintillaTextBox box;
        box.resize(400, 200);
        box.show();
        box.setBytes(u8("a\r\nb\xe2\x82\xac" "c\xf0\x9f\x98\x80" "d"), TextEncoding::Utf8);
        QAccessibleInterface *a = QAccessible::queryAccessibleInterface(&box);
        QVERIFY(a && a->textInterface() && a->editableTextInterface());
        QAccessibleTextInterface *t = a->textInterface();
        QCOMPARE(t->characterCount(), 8);
        QCOMPARE(t->text(3, 7), QStringLiteral("b\u20ACc\U0001F600"));
        box.setSelection(6, 3); // the emoji and "d"
        int from = -1, to = -1;
        t->selection(0, &from, &to);
        QCOMPARE(QList<int>({t->selectionCount(), from, to, t->cursorPosition()}), QList<int>({1, 6, 8, 8}));
        QCOMPARE(t->textAtOffset(7, QAccessible::CharBoundary, &from, &to), QStringLiteral("d"));
        QCOMPARE(QList<int>({from, to}), QList<int>({7, 8}));
        // Lines with their line ends, also asked from inside CR LF.
        const struct { int offset; QString (QAccessibleTextInterface::*around)(int, QAccessible::TextBoundaryType,
                                                                                int *, int *) const;
                       QString line; int from, to; } lines[] = {
            {4, &QAccessibleTextInterface::textAtOffset, QStringLiteral("b\u20ACc\U0001F600d"), 3, 8},
            {2, &QAccessibleTextInterface::textAtOffset, QStringLiteral("a\r\n"), 0, 3},
            {5, &QAccessibleTextInterface::textBeforeOffset, QStringLiteral("a\r\n"), 0, 3},
            {0, &QAccessibleTextInterface::textAfterOffset, QStringLiteral("b\u20ACc\U0001F600d"), 3, 8},
            {0, &QAccessibleTextInterface::textBeforeOffset, QString(), -1, -1}};
        for (const auto &l : lines) {
            QCOMPARE((t->*l.around)(l.offset, QAccessible::LineBoundary, &from, &to), l.line);
            QCOMPARE(QList<int>({from, to}), QList<int>({l.from, l.to}));
        }
        t->setSelection(0, 6, 7);
        QCOMPARE(box.selectedText(), QStringLiteral("\U0001F600"));
        t->setCursorPosition(4);
        QCOMPARE(QList<int>({t->selectionCount(), box.selStart()}), QList<int>({0, 4}));
        QCOMPARE(t->offsetAtPoint(t->characterRect(5).center()), 5);
        QCOMPARE(t->offsetAtPoint(t->characterRect(7).center()), 7);
        a->editableTextInterface()->replaceText(3, 5, QStringLiteral("\u00E9"));
        a->editableTextInterface()->deleteText(6, 7);
        QCOMPARE(box.text(), QStringLiteral("a\r\n\u00E9c\U0001F600"));
    }

    // A page of plain ASCII keeps counting right once other characters are
    // typed or put into it.
    void asciiPageGainsOtherCharacters()
    {
        ScintillaTextBox box;
        box.show();
        box.setBytes(u8("abc\r\ndef"), TextEncoding::Utf8);
        box.setFocus();
        box.setSelStart(3);
        typeText(&box, QStringLiteral("\u00e9\u20ac"));
        QCOMPARE(box.text(), QStringLiteral("abc\u00e9\u20ac\r\ndef"));
        QCOMPARE(box.selStart(), 5);
        QCOMPARE(box.length(), 10);
        box.setSelection(7, 3);
        QCOMPARE(box.selectedText(), QStringLiteral("def"));

        box.setBytes(u8("xyz"), TextEncoding::Utf8);
        box.setSelStart(1);
        box.replaceSelection(QStringLiteral("\U0001F600"));
        QCOMPARE(box.selStart(), 3);
        QCOMPARE(box.length(), 5);
        QCOMPARE(box.charAt(3), QChar('y'));
        QCOMPARE(box.bytes(), u8("x\xf0\x9f\x98\x80yz"));

        // Typed, taken back and brought back by undo before anything asks
        // for a position.
        box.setBytes(u8("abc"), TextEncoding::Utf8);
        box.setSelStart(3);
        typeText(&box, QStringLiteral("\u00e9"));
        QTest::keyClick(&box, Qt::Key_Backspace);
        box.undo(); // Ctrl+Z is the window's Edit menu key
        QCOMPARE(box.text(), QStringLiteral("abc\u00e9"));
        QCOMPARE(box.length(), 4);
        QCOMPARE(box.selStart(), 4);

        // Typed, then text deleted after it and before it, all by keys.
        box.setBytes(u8("abcdefghij"), TextEncoding::Utf8);
        box.setSelStart(2);
        typeText(&box, QStringLiteral("\u00e9"));
        QTest::keyClick(&box, Qt::Key_End);
        QTest::keyClick(&box, Qt::Key_Backspace);
        QTest::keyClick(&box, Qt::Key_Home);
        QTest::keyClick(&box, Qt::Key_Delete);
        QCOMPARE(box.text(), QStringLiteral("b\u00e9cdefghi"));
        QCOMPARE(box.length(), 9);
        box.setSelection(1, 1);
        QCOMPARE(box.selectedText(), QStringLiteral("\u00e9"));
    }

    // Pages of each kind in turn: every one comes back byte for byte and
    // counts in its own way.
    void pagesOfEachKindInTurn()
    {
        ScintillaTextBox box;
        const QByteArray utf8 = u8("caf\xc3\xa9\n\xe2\x82\xac");
        const QByteArray latin1 = u8("caf\xe9\r\xff");
        const QByteArray ascii = u8("plain\r\ntext");
        for (int round = 0; round < 2; ++round) {
            box.setBytes(utf8, TextEncoding::Utf8);
            QCOMPARE(box.length(), 6);
            QCOMPARE(box.bytes(), utf8);
            box.setBytes(latin1, TextEncoding::Windows1252);
            QCOMPARE(box.length(), 6);
            QCOMPARE(box.charAt(5), QChar(0xFF));
            QCOMPARE(box.bytes(), latin1);
            box.setBytes(ascii, TextEncoding::Utf8);
            QCOMPARE(box.length(), 11);
            QCOMPARE(box.bytes(), ascii);
            box.setBytes(QByteArray(), TextEncoding::Utf8);
            QCOMPARE(box.length(), 0);
        }
        QByteArray seen;
        QVERIFY(box.withBytes([&seen](QByteArrayView bytes) { seen = bytes.toByteArray(); return true; }));
        QVERIFY(seen.isEmpty());
        box.setBytes(utf8, TextEncoding::Utf8);
        QVERIFY(box.withBytes([&seen](QByteArrayView bytes) { seen = bytes.toByteArray(); return true; }));
        QCOMPARE(seen, utf8);
    }

    // Loading a page is not an edit: undo cannot take it away, but it takes
    // back what was typed after it.
    void loadingIsNotUndone()
    {
        ScintillaTextBox box;
        box.show();
        box.setFocus();
        box.setBytes(u8("first"), TextEncoding::Utf8);
        box.setBytes(u8("second"), TextEncoding::Utf8);
        box.undo(); // Ctrl+Z is the window's Edit menu key
        QCOMPARE(box.text(), QStringLiteral("second"));
        box.setSelStart(6);
        QTest::keyClicks(&box, "x");
        QCOMPARE(box.text(), QStringLiteral("secondx"));
        box.undo(); // Ctrl+Z is the window's Edit menu key
        QCOMPARE(box.text(), QStringLiteral("second"));
    }

    // Every load is announced once, an empty page over a full one included.
    void everyLoadIsAnnounced()
    {
        ScintillaTextBox box;
        QSignalSpy spy(&box, &ScintillaTextBox::changed);
        box.setBytes(u8("text"), TextEncoding::Utf8);
        QCOMPARE(spy.count(), 1);
        box.setBytes(QByteArray(), TextEncoding::Utf8);
        QCOMPARE(spy.count(), 2);
        QCOMPARE(box.text(), QString());
        box.setBytes(QByteArray(), TextEncoding::Utf8);
        QCOMPARE(spy.count(), 2); // nothing changed
    }

    // The styles that cut long lines into short runs for the layout change
    // exactly where a word follows a space or tab (where lines may wrap
    // anyway), alternating, however the text got there.
    void wordRunsFollowTheWords_data()
    {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<int>("at");
        QTest::addColumn<int>("erase");
        QTest::addColumn<QString>("typed");
        const QByteArray words = u8("<p class=\"a\">one  two\tthree</p>\r\n<b>four five</b> six");
        QTest::newRow("loaded") << words << 0 << 0 << QString();
        QTest::newRow("a word split") << words << 17 << 0 << QStringLiteral(" ");
        QTest::newRow("two words joined") << words << 18 << 2 << QString();
        QTest::newRow("typed at the end") << words << int(words.size()) << 0 << QStringLiteral(" seven eight");
        QTest::newRow("page starting with blanks") << u8("  \t a b") << 1 << 0 << QStringLiteral("x y");
    }
    void wordRunsFollowTheWords()
    {
        QFETCH(QByteArray, page);
        QFETCH(int, at);
        QFETCH(int, erase);
        QFETCH(QString, typed);
        ScintillaTextBox box;
        box.resize(600, 300);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        box.setFocus();
        box.setBytes(page, TextEncoding::Utf8);
        box.viewport()->repaint(); // painting styles the text shown
        box.setSelection(at, erase);
        if (erase > 0)
            QTest::keyClick(&box, Qt::Key_Delete);
        typeText(&box, typed);
        box.viewport()->repaint();
        const QByteArray text = box.bytes();
        const auto blank = [](char c) { return c == ' ' || c == '\t'; };
        int changes = 0;
        for (int i = 1; i < text.size(); ++i) {
            const bool wordStart = blank(text[i - 1]) && !blank(text[i]);
            const bool changed = box.SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT, i)
                != box.SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT, i - 1);
            QVERIFY2(changed == wordStart, qPrintable(QStringLiteral("at byte %1 of %2").arg(i).arg(text)));
            changes += changed;
        }
        QVERIFY(changes > 0);
    }

    // A page with a long line is laid out in character runs and wrapped at
    // blanks: every character stands where word runs, wrapped at words, put
    // it, and the painted page looks the same.
    void characterRunsLookLikeWordRuns_data()
    {
        QTest::addColumn<int>("width");
        QTest::newRow("wrapped") << 300;
        QTest::newRow("wide") << 900;
    }
    void characterRunsLookLikeWordRuns()
    {
        QFETCH(int, width);
        QByteArray page;
        const char *const words[] = {"<div class=\"menu\">", "caf\xc3\xa9", "e\xcc\x81t\xc3\xa9", "na\xc3\xafve",
                                     "\t", "two  spaces", "x", "\xe2\x82\xac" "5", "averyveryverylongwordwithoutanyblank",
                                     "</div>"};
        for (int i = 0; page.size() <= WordRuns::kLongLine; ++i)
            page += words[(i * 7) % 10] + QByteArray(i % 3 ? " " : "");
        ScintillaTextBox box;
        box.resize(width, 300);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        box.setBytes(page, TextEncoding::Utf8);
        QVERIFY(box.hasLongLines());
        const auto where = [&box](long pos) {
            return QPoint(int(box.SendScintilla(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0, pos)),
                          int(box.SendScintilla(QsciScintillaBase::SCI_POINTYFROMPOSITION, 0, pos)));
        };
        const auto look = [&] {
            box.viewport()->repaint();
            QList<QPoint> points;
            for (long pos = 0; pos <= long(page.size()); ++pos)
                points << where(pos);
            return std::make_pair(points, box.viewport()->grab().toImage());
        };
        const auto inCharacters = look();
        QVERIFY(inCharacters.first.last().y() > inCharacters.first.first().y()); // wrapped
        // The same page in word runs, wrapped at words.
        QByteArray styles(page.size(), 0);
        WordRuns::style(page.constData(), page.size(), false, char(WordRuns::kFirst), styles.data());
        box.SendScintilla(QsciScintillaBase::SCI_SETWRAPMODE, QsciScintillaBase::SC_WRAP_WORD);
        box.SendScintilla(QsciScintillaBase::SCI_STARTSTYLING, 0);
        box.SendScintilla(QsciScintillaBase::SCI_SETSTYLINGEX, styles.size(), styles.constData());
        const auto inWords = look();
        QCOMPARE(inCharacters.first, inWords.first);
        QVERIFY(inCharacters.second == inWords.second);
    }

    // A line is long past kLongLine bytes, whatever ends the lines.
    void longLinesFound_data()
    {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<bool>("expected");
        const qsizetype limit = WordRuns::kLongLine;
        const QByteArray full(limit, 'x');
        const QByteArray many = QByteArray("<p>a line</p>\r\n").repeated(10000);
        QTest::newRow("short lines") << many << false;
        QTest::newRow("CR only") << QByteArray("<p>a line</p>\r").repeated(10000) << false;
        QTest::newRow("LF only") << QByteArray("<p>a line</p>\n").repeated(10000) << false;
        QTest::newRow("as long as may be") << many + full + "\n" + many + full << false;
        QTest::newRow("one byte more, last") << many + full + "x" << true;
        QTest::newRow("one byte more, between") << many + full + "x\r\n" + many << true;
        QTest::newRow("one byte more, first") << full + "x\r" + many << true;
    }
    void longLinesFound()
    {
        QFETCH(QByteArray, page);
        QFETCH(bool, expected);
        QCOMPARE(WordRuns::hasLongLine(page.constData(), page.size()), expected);
        for (const qsizetype piece : {qsizetype(1), qsizetype(4093), WordRuns::kLongLine + 1}) {
            WordRuns::LongLineCheck check;
            for (qsizetype at = 0; at < page.size(); at += piece)
                check.feed(page.constData() + at, qMin(piece, page.size() - at));
            QVERIFY2(check.found() == expected, qPrintable(QString::number(piece)));
        }
    }

    // A page file goes in a piece at a time and comes out as if read whole:
    // characters, line ends and long lines cut at a piece's edge, and bytes
    // that are not UTF-8 found in a later piece or at the very end.
    void filesLoadInPieces_data()
    {
        QTest::addColumn<QByteArray>("page");
        const QByteArray before = QByteArray("<p>a line</p>\r\n").repeated(int(kReadPieceBytes / 15) - 1) + "<p>";
        const qsizetype edge = kReadPieceBytes - before.size(); // bytes to add to reach a piece's edge
        const QByteArray pad(edge - 1, 'x');
        QTest::newRow("character cut") << before + pad + "\xc3\xa9</p>";
        QTest::newRow("CR LF cut") << QByteArray(kReadPieceBytes - 1, 'x') + "\r\nb\nc";
        QTest::newRow("long line over the edge") << before + QByteArray(WordRuns::kLongLine + 1, 'y') + "\n";
        QTest::newRow("Windows-1252 at the edge") << before + pad + "\xe9 x";
        QTest::newRow("cut at the end") << before + "caf\xc3";
        QTest::newRow("empty") << QByteArray();
    }
    void filesLoadInPieces()
    {
        QFETCH(QByteArray, page);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("p.htm"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(page) == page.size());
        file.close();
        ScintillaTextBox whole, inPieces;
        whole.setBytes(u8("old"), TextEncoding::Utf8);
        inPieces.setBytes(u8("old"), TextEncoding::Utf8);
        QSignalSpy loaded(&inPieces, &ScintillaTextBox::textLoaded);
        whole.setBytes(page, detectEncoding(page));
        QVERIFY(inPieces.loadFile(path));
        QCOMPARE(loaded.count(), 1);
        QCOMPARE(inPieces.bytes(), page);
        QCOMPARE(inPieces.encoding(), whole.encoding());
        QCOMPARE(inPieces.text(), whole.text());
        QCOMPARE(inPieces.hasLongLines(), whole.hasLongLines());
        QCOMPARE(inPieces.eolMode(), whole.eolMode());
        QCOMPARE(inPieces.wrapMode(), whole.wrapMode());
    }

    // A read that fails part way (a failing disk) leaves the page on screen
    // as it was, edits, caret and lines included. Runs again in a process of
    // its own, with the second read of the file failing.
    void aFailedReadKeepsThePage()
    {
        const QString folder = qEnvironmentVariable("TAGSMITH_FAIL_UNDER");
        if (folder.isEmpty()) {
            QTemporaryDir dir;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(FAILCALLS_LIBRARY));
            env.insert(QStringLiteral("ASAN_OPTIONS"),
                       env.value(QStringLiteral("ASAN_OPTIONS")) + QStringLiteral(":verify_asan_link_order=0"));
            env.insert(QStringLiteral("TAGSMITH_FAIL"), QStringLiteral("read:2:EIO"));
            env.insert(QStringLiteral("TAGSMITH_FAIL_UNDER"), dir.path());
            QProcess child;
            child.setProcessEnvironment(env);
            child.setProcessChannelMode(QProcess::MergedChannels);
            child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("aFailedReadKeepsThePage")});
            QVERIFY(child.waitForFinished(60000));
            QVERIFY2(child.exitCode() == 0, child.readAll().constData());
            return;
        }
        const QString path = folder + QStringLiteral("/p.htm");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("<p>a line</p>\n").repeated(int(3 * kReadPieceBytes / 14)));
        file.close();
        ScintillaTextBox box;
        box.resize(400, 200);
        box.show();
        const QByteArray page = QByteArray("line\r\n").repeated(40);
        box.setBytes(page, TextEncoding::Utf8);
        box.setSelStart(7 * 30);
        QTest::keyClicks(&box, "x");
        QString why;
        QVERIFY(!box.loadFile(path, &why));
        QCOMPARE(why, QString::fromLocal8Bit(strerror(EIO)));
        QCOMPARE(box.bytes(), QByteArray(page).insert(7 * 30, 'x'));
        QVERIFY(box.isModified());
        QCOMPARE(box.selStart(), 7 * 30 + 1);
        QCOMPARE(box.SendScintilla(QsciScintillaBase::SCI_VISIBLEFROMDOCLINE, 39), 39);
        QVERIFY(box.loadFile(path)); // the next read goes through
    }

    // Enter ends a line the way the page does; Tab types a tab.
    void typedLineEndsFollowThePage_data()
    {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("CR LF") << u8("a\r\nb") << u8("a\r\nb\t\r\n");
        QTest::newRow("LF") << u8("a\nb") << u8("a\nb\t\n");
        QTest::newRow("CR") << u8("a\rb") << u8("a\rb\t\r");
        QTest::newRow("no line end") << u8("ab") << u8("ab\t\r\n");
    }
    void typedLineEndsFollowThePage()
    {
        QFETCH(QByteArray, page);
        QFETCH(QByteArray, expected);
        ScintillaTextBox box;
        box.show();
        box.setFocus();
        box.setBytes(u8("x\ny"), TextEncoding::Utf8); // an earlier page of another kind
        box.setBytes(page, TextEncoding::Utf8);
        box.setSelStart(box.length());
        QTest::keyClick(&box, Qt::Key_Tab);
        QTest::keyClick(&box, Qt::Key_Return);
        QCOMPARE(box.bytes(), expected);
    }
};

QTEST_MAIN(TextBoxTest)
#include "textbox_test.moc"
