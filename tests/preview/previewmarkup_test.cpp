// SPDX-License-Identifier: GPL-3.0-or-later
// The annotated copy the live preview renders, and the caret's element.
#include "preview/PreviewMarkup.h"
#include "preview/PreviewPatch.h"

#include <QtTest>

class PreviewMarkupTest : public QObject {
    Q_OBJECT
private slots:
    void annotate_data()
    {
        // The page; the copy expected ("#" stands for the next attribute,
        // numbered from 0); the lines of the start tags.
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QByteArray>("expected");
        QTest::addColumn<QList<int>>("lines");
        QTest::newRow("LF") << QByteArray("<p>a\n<b>x</b>\n\n<i>y</i>") << QByteArray("<p#>a\n<b#>x</b>\n\n<i#>y</i>")
                            << QList<int>{1, 2, 4};
        QTest::newRow("CR LF") << QByteArray("<p>a\r\n<br/>\r\n\r\n<IMG SRC=x.gif>")
                               << QByteArray("<p#>a\r\n<br#/>\r\n\r\n<IMG# SRC=x.gif>") << QList<int>{1, 2, 4};
        QTest::newRow("CR") << QByteArray("<P>\r\r<A HREF=\"a>b\">") << QByteArray("<P#>\r\r<A# HREF=\"a>b\">")
                            << QList<int>{1, 3};
        QTest::newRow("comment and doctype")
            << QByteArray("<!DOCTYPE html><!-- <p> -->\n<h1>") << QByteArray("<!DOCTYPE html><!-- <p> -->\n<h1#>")
            << QList<int>{2};
        QTest::newRow("script and textarea")
            << QByteArray("<SCRIPT>if (a<b) x='<p>';</script><textarea><b></textarea>\n<em>")
            << QByteArray("<SCRIPT#>if (a<b) x='<p>';</script><textarea#><b></textarea>\n<em#>") << QList<int>{1, 1, 2};
        QTest::newRow("unfinished tag and lone <") << QByteArray("1 < 2 <div><sp") << QByteArray("1 < 2 <div#><sp")
                                                   << QList<int>{1};
        QTest::newRow("unclosed script") << QByteArray("<script>\n<p>") << QByteArray("<script#>\n<p>")
                                         << QList<int>{1};
    }
    void annotate()
    {
        QFETCH(QByteArray, page);
        QFETCH(QByteArray, expected);
        QFETCH(QList<int>, lines);
        const PreviewCopy copy = annotatePage(page);
        QByteArray want;
        int n = 0;
        for (char c : expected)
            want += c == '#' ? QByteArray(" data-ts=\"") + QByteArray::number(n++) + '"' : QByteArray(1, c);
        QCOMPARE(copy.html, want);
        QCOMPARE(QList<int>(copy.lines.begin(), copy.lines.end()), lines);
        // Each start tag's "<" is where the page has it.
        for (qsizetype start : copy.starts)
            QCOMPARE(page.at(start), '<');
    }
    void headPlace_data()
    {
        // "|" marks the place.
        QTest::addColumn<QByteArray>("marked");
        QTest::newRow("no doctype") << QByteArray("|<!-- made by hand -->\r\n<HTML>");
        QTest::newRow("doctype") << QByteArray("<!DOCTYPE html>|\n<html>");
        QTest::newRow("comment, then doctype") << QByteArray("<!-- x -->\r\n<!doctype HTML PUBLIC \"-//W3C\">|<P>");
        QTest::newRow("text first") << QByteArray("|Hello <!DOCTYPE html>");
    }
    void headPlace()
    {
        QFETCH(QByteArray, marked);
        const qsizetype place = marked.indexOf('|');
        QCOMPARE(::headPlace(QByteArray(marked).remove(place, 1)), place);
    }
    void caretElement()
    {
        const QByteArray page("ab<p>text<b>x</b></p>");
        const PreviewCopy copy = annotatePage(page);
        QCOMPARE(elementAt(copy, 0), -1);
        QCOMPARE(elementAt(copy, page.indexOf("<p>")), 0);
        QCOMPARE(elementAt(copy, page.indexOf("text")), 0);
        QCOMPARE(elementAt(copy, page.indexOf("<b>") + 1), 1);
        QCOMPARE(elementAt(copy, page.size()), 1);
    }
    void patch_data()
    {
        // The page before and after an edit; the element changed in place and
        // its new content ("#N" stands for the attribute numbered N); -1 when
        // the pane is to compare the whole new copy with what it shows, -2
        // when only a new load shows the edit as a browser would.
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<int>("element");
        QTest::addColumn<QByteArray>("inner");
        const QByteArray twelve = QByteArray("<P>x</P>\r\n").repeated(12);
        QTest::newRow("text") << QByteArray("<p>ab</p><p>cd</p>") << QByteArray("<p>ab</p><p>cxd</p>") << 1
                              << QByteArray("cxd");
        QTest::newRow("the tenth and on") << twelve << QByteArray(twelve).insert(twelve.size() - 6, "y") << 11
                                          << QByteArray("xy");
        QTest::newRow("element typed") << QByteArray("<BODY>\r\n<P>a b.</P>\r\n<P>c.</P>") << QByteArray("<BODY>\r\n<P>a b.<b>x</b></P>\r\n<P>c.</P>")
                                       << 1 << QByteArray("a b.<b#2>x</b>");
        QTest::newRow("element removed") << QByteArray("<p>a<i>b</i><b>c</b></p><p>") << QByteArray("<p>a<b>c</b></p><p>")
                                         << 0 << QByteArray("a<b#1>c</b>");
        QTest::newRow("inline element") << QByteArray("<h1>a<b>bc</b>d</h1>") << QByteArray("<h1>a<b>bXc</b>d</h1>") << 1
                                        << QByteArray("bXc");
        QTest::newRow("inline element's attribute")
            << QByteArray("<td>a<b>x</b><!-- <div> --></td>") << QByteArray("<td>a<b class=y>x</b><!-- <div> --></td>")
            << 0 << QByteArray("a<b#1 class=y>x</b><!-- <div> -->");
        QTest::newRow("all text deleted") << QByteArray("<li>abc</li>") << QByteArray("<li></li>") << 0 << QByteArray();
        QTest::newRow("element added") << QByteArray("<p>ab</p><br><p>c</p>") << QByteArray("<p>a<i>b</i></p><br><p>c</p>")
                                       << 0 << QByteArray("a<i#1>b</i>");
        QTest::newRow("tag added") << QByteArray("<p>ab</p>") << QByteArray("<p>a<i>b</p>") << -1 << QByteArray();
        QTest::newRow("unfinished tag") << QByteArray("<p>ab</p>") << QByteArray("<p>a<b</p>") << -1 << QByteArray();
        QTest::newRow("block inside") << QByteArray("<div>a <p>x</p></div>") << QByteArray("<div>ab <p>x</p></div>") << -1
                                      << QByteArray();
        QTest::newRow("once a block inside") << QByteArray("<div>a <p>x</p></div>")
                                             << QByteArray("<div>a <b>x</b></div>") << -1 << QByteArray();
        QTest::newRow("misnested") << QByteArray("<p><b><i>x</b></i></p>") << QByteArray("<p><b><i>xy</b></i></p>") << -1
                                   << QByteArray();
        QTest::newRow("own start tag") << QByteArray("<p class=a>x</p>") << QByteArray("<p class=ab>x</p>") << -1
                                       << QByteArray();
        QTest::newRow("two elements") << QByteArray("<p>a</p><p>b</p>") << QByteArray("<p>A</p><p>B</p>") << -1
                                      << QByteArray();
        QTest::newRow("preformatted") << QByteArray("<pre>\na</pre>") << QByteArray("<pre>\nab</pre>") << -1
                                      << QByteArray();
        QTest::newRow("page with a script") << QByteArray("<script></script><p>a</p>")
                                            << QByteArray("<script></script><p>ab</p>") << -2 << QByteArray();
        QTest::newRow("page with a noscript") << QByteArray("<noscript><p>a</p></noscript>")
                                              << QByteArray("<noscript><p>ab</p></noscript>") << -2 << QByteArray();
    }
    void patch()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        QFETCH(int, element);
        QFETCH(QByteArray, inner);
        const auto found = previewPatch(before, annotatePage(before), after, annotatePage(after));
        QCOMPARE(found ? found->element : -2, element);
        if (!found)
            return;
        const PreviewCopy shown = annotatePage(before), next = annotatePage(after);
        for (char n = '1'; n <= '9'; ++n)
            inner.replace(QByteArray("#") + n, QByteArray(" data-ts=\"") + n + '"');
        QCOMPARE(found->inner, element >= 0 ? inner : next.html);
        // The first element after the edit, renumbered: the same tag.
        const size_t was = size_t(found->after), now = size_t(found->after + found->shift);
        QCOMPARE(was < shown.starts.size(), now < next.starts.size());
        if (was < shown.starts.size())
            QCOMPARE(before.size() - shown.starts[was], after.size() - next.starts[now]);
    }
};

QTEST_MAIN(PreviewMarkupTest)
#include "previewmarkup_test.moc"
