// SPDX-License-Identifier: GPL-3.0-or-later
// Finding the partner of the tag at the caret.
#include "core/TagPairs.h"

#include <QtTest>

class TagPairsTest : public QObject {
    Q_OBJECT
private slots:
    void partners_data()
    {
        // "|" marks the caret, "@" the start of the expected partner; none
        // when the row has no "@".
        QTest::addColumn<QByteArray>("marked");
        QTest::newRow("in opening") << QByteArray("<b|>x@</b>");
        QTest::newRow("caret before <") << QByteArray("|<p>x@</p>");
        QTest::newRow("caret after >") << QByteArray("@<p>x</p>|y");
        QTest::newRow("in closing") << QByteArray("@<i>x</i|>");
        QTest::newRow("nested same name") << QByteArray("<div|><div></div><div>x</div>@</div>");
        QTest::newRow("nested from inside") << QByteArray("<div><div>@<div>x</div|></div></div>");
        QTest::newRow("names ignore case") << QByteArray("@<TABLE border=1><tr></tr></table|>");
        QTest::newRow("attribute with >") << QByteArray("<a title=\"a>b\" |href=x>y@</a>");
        QTest::newRow("comment skipped forward") << QByteArray("<b|><!-- </b> -->x@</b>");
        QTest::newRow("comment skipped backward") << QByteArray("@<b>x<!-- <b> --></b|>");
        QTest::newRow("script text skipped") << QByteArray("<p|><script>var s='</p>';</script>@</p>");
        QTest::newRow("void element") << QByteArray("<br|><p></p>");
        QTest::newRow("self-closing") << QByteArray("<div/|><div></div>");
        QTest::newRow("no partner") << QByteArray("<ul|><li>x</li>");
        QTest::newRow("comment") << QByteArray("<!-- <b> |--></b>");
        QTest::newRow("plain text") << QByteArray("<b>x|y</b>");
        QTest::newRow("lone <") << QByteArray("<b>1 <| 2</b>");
    }
    void partners()
    {
        QFETCH(QByteArray, marked);
        const qsizetype partner = marked.indexOf('@');
        QByteArray text = marked;
        text.remove(partner, partner >= 0 ? 1 : 0);
        const qsizetype caret = text.indexOf('|');
        text.remove(caret, 1);
        const auto pair = findTagPair(text, caret);
        if (partner < 0) {
            QVERIFY(!pair);
            return;
        }
        QVERIFY(pair);
        const qsizetype expected = partner <= caret ? partner : partner - 1;
        QCOMPARE(pair->partner.start, expected);
        QCOMPARE(text.at(pair->partner.end - 1), '>');
        QVERIFY(pair->tag.start <= caret && caret <= pair->tag.end);
        // And back again from the partner.
        const auto back = findTagPair(text, pair->partner.start);
        QVERIFY(back);
        QCOMPARE(back->partner, pair->tag);
    }
};

QTEST_MAIN(TagPairsTest)
#include "tagpairs_test.moc"
