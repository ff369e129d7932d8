// SPDX-License-Identifier: GPL-3.0-or-later
// The tag templates of the HTML menu.
#include "authoring/Templates.h"
#include "support/EditorFixture.h"

#include <QMenu>
#include <QtTest>

class TemplatesTest : public QObject {
    Q_OBJECT
private slots:
    void texts_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("text");
        QTest::newRow("Marquee") << "Marquee" << "<MARQUEE> [Insert Text] </MARQUEE>";
        QTest::newRow("bgsound") << "bgsound" << "<BGSOUND SRC=\"[URL]\">";
        QTest::newRow("AnotherPage") << "AnotherPage" << "<A HREF=\"[Insert URL]\"> [Insert Desc]</A>";
        QTest::newRow("color") << "color" << "<FONT COLOR=[Set Color #RRGGBB]> [Insert Text] </FONT>";
        QTest::newRow("FSize") << "FSize" << "<FONT SIZE=[Specify Size 1 to 7]> [Insert Text]</FONT>";
        QTest::newRow("Bold") << "Bold" << "<B> [Insert Text]</B>";
        QTest::newRow("Center") << "Center" << "<CENTER> [Insert Text] </CENTER>";
        QTest::newRow("Italic") << "Italic" << "<CITE> [Insert Text] </CITE>";
        QTest::newRow("Underline") << "Underline" << "<U> [Insert Text] </U>";
        QTest::newRow("Break") << "Break" << "<BR>";
        QTest::newRow("Paragraph") << "Paragraph" << "<P> [Insert Text] </P>";
        QTest::newRow("Image") << "Image" << "<IMG SRC=\"[Image Filename]\" BORDER=0>";
        QTest::newRow("BASEURL") << "BASEURL" << "<BASE HREF=\"[Insert URL]\">";
        QTest::newRow("Comment") << "Comment" << "<COMMENT> [Insert Text] </COMMENT>";
    }
    // Through the real menu item, over a selection and then again at the caret.
    void texts()
    {
        QFETCH(QString, item);
        QFETCH(QString, text);
        EditorFixture f;
        f.page("a.htm", "abcSELdef");
        frmEditor &e = f.start();
        const QList<QAction *> all = e.findChildren<QAction *>(item);
        QCOMPARE(all.size(), 1);
        f.box().setSelection(3, 3);
        all[0]->trigger();
        QCOMPARE(f.box().text(), "abc" + text + "def");
        QCOMPARE(f.box().selStart(), 3 + text.size());
        QCOMPARE(f.box().selLength(), 0);
        all[0]->trigger();
        QCOMPARE(f.box().text(), "abc" + text + text + "def");
    }

    void scriptTemplatesOnEmptyPage()
    {
        EditorFixture f;
        f.page("a.htm", "");
        frmEditor &e = f.start();
        e.findChildren<QAction *>("JavaScript").value(0)->trigger();
        const QString js = "<SCRIPT language=\"JavaScript\">\r\n\t// Insert JavaScript code here\r\n\t\r\n</SCRIPT>";
        QCOMPARE(f.box().text(), js);
        QCOMPARE(f.box().selStart(), js.size() - 11);
        QTest::keyClicks(&f.box(), "x");
        QCOMPARE(f.box().text(),
                 QStringLiteral("<SCRIPT language=\"JavaScript\">\r\n\t// Insert JavaScript code here\r\n\tx\r\n</SCRIPT>"));
        f.box().setText(QString());
        e.findChildren<QAction *>("VbScript").value(0)->trigger();
        QCOMPARE(f.box().text(), QStringLiteral("<SCRIPT language=\"VBScript\">\r\n\t' Insert Visual Basic Script "
                                                "code here\r\n\t\r\n</SCRIPT>"));
    }

    void nothingWithoutPages()
    {
        PlainTextBox box("keep");
        box.setSelection(1, 2);
        insertTemplate(box, 0, TagTemplate::Bold);
        QCOMPARE(box.text(), QStringLiteral("keep"));
        QCOMPARE(box.selStart(), 1);
        QCOMPARE(box.selLength(), 2);
        insertTemplate(box, 1, TagTemplate::Break);
        QCOMPARE(box.text(), QStringLiteral("k<BR>p"));
    }
};

QTEST_MAIN(TemplatesTest)
#include "templates_test.moc"
