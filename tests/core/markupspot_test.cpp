// SPDX-License-Identifier: GPL-3.0-or-later
// Where a position stands in the markup, and the end tag a typed ">" gets;
// the names the completion list offers.
#include "completion/HtmlVocabulary.h"
#include "core/MarkupSpot.h"

#include <QtTest>

Q_DECLARE_METATYPE(MarkupSpot::Kind)

class MarkupSpotTest : public QObject {
    Q_OBJECT
private slots:
    void spots_data()
    {
        // "|" marks the position; the element, attribute and the word typed
        // before the position as expected.
        QTest::addColumn<QByteArray>("marked");
        QTest::addColumn<MarkupSpot::Kind>("kind");
        QTest::addColumn<QByteArray>("element");
        QTest::addColumn<QByteArray>("attribute");
        QTest::addColumn<QByteArray>("word");
        using K = MarkupSpot;
        auto row = [](const char *marked, MarkupSpot::Kind kind, const char *element = "", const char *attribute = "",
                      const char *word = "") {
            QTest::newRow(marked) << QByteArray(marked) << kind << QByteArray(element) << QByteArray(attribute)
                                  << QByteArray(word);
        };
        row("text|", K::Text);
        row("<p>x|", K::Text);
        row("a < b|", K::Text);
        row("<tab|", K::StartTagName, "tab", "", "tab");
        row("</ta|", K::EndTagName, "ta", "", "ta");
        row("<a |", K::AttributeName, "a");
        row("<A HR|", K::AttributeName, "A", "", "HR");
        row("<a href=\"x\" ti|", K::AttributeName, "a", "", "ti");
        row("<input type=\"chec|", K::AttributeValue, "input", "type", "chec");
        row("<td width=5|", K::AttributeValue, "td", "width", "5");
        row("<a title=\"x>y|", K::AttributeValue, "a", "title", "x>y");
        row("<a title='x' |", K::AttributeName, "a");
        row("<!DOCTYPE ht|", K::Declaration);
        row("<!-- <b|", K::Comment);
        row("<!-- c --><b|", K::StartTagName, "b", "", "b");
        row("<script>if (a <b|", K::RawText);
        row("<SCRIPT type=\"x\">a|", K::RawText);
        row("<script src=|", K::AttributeValue, "script", "src", "");
        row("<script>x</script><b|", K::StartTagName, "b", "", "b");
        row("<style>p<b|", K::RawText);
        row("<script><!-- x --></script>|", K::Text);
    }
    void spots()
    {
        QFETCH(QByteArray, marked);
        QFETCH(MarkupSpot::Kind, kind);
        QFETCH(QByteArray, element);
        QFETCH(QByteArray, attribute);
        QFETCH(QByteArray, word);
        const qsizetype pos = marked.indexOf('|');
        const QByteArray text = QByteArray(marked).remove(pos, 1) + "<p>tail</p>";
        const MarkupSpot spot = markupSpotAt(text, pos);
        QCOMPARE(spot.kind, kind);
        QCOMPARE(spot.element, element);
        QCOMPARE(spot.attribute, attribute);
        if (!word.isEmpty())
            QCOMPARE(text.mid(spot.wordStart, pos - spot.wordStart), word);
    }

    void endTags_data()
    {
        QTest::addColumn<QByteArray>("text"); // the ">" typed is the first one after "|"
        QTest::addColumn<QByteArray>("tag");
        QTest::newRow("p") << QByteArray("<p|>") << QByteArray("</p>");
        QTest::newRow("case kept") << QByteArray("<TaBlE border=1|>") << QByteArray("</TaBlE>");
        QTest::newRow("quoted >") << QByteArray("<a title=\"x|>") << QByteArray();
        QTest::newRow("after the quote") << QByteArray("<a title=\"x>y\"|>") << QByteArray("</a>");
        QTest::newRow("void") << QByteArray("<IMG src=a.gif|>") << QByteArray();
        QTest::newRow("old void") << QByteArray("<spacer|>") << QByteArray();
        QTest::newRow("self-closing") << QByteArray("<div/|>") << QByteArray();
        QTest::newRow("end tag") << QByteArray("</div|>") << QByteArray();
        QTest::newRow("comment") << QByteArray("<!-- x --|>") << QByteArray();
        QTest::newRow("declaration") << QByteArray("<!DOCTYPE html|>") << QByteArray();
        QTest::newRow("script") << QByteArray("<script>a<b|>") << QByteArray();
        QTest::newRow("script itself") << QByteArray("<script|>") << QByteArray("</script>");
        QTest::newRow("already on the line") << QByteArray("<b|>x</B> y") << QByteArray();
        QTest::newRow("on the next line") << QByteArray("<b|>x\r\n</b>") << QByteArray("</b>");
    }
    void endTags()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, tag);
        const qsizetype gt = text.indexOf('|');
        QCOMPARE(endTagFor(text.remove(gt, 1), gt), tag);
    }

    void vocabulary()
    {
        const auto &v = HtmlVocabulary::instance();
        auto names = [](const QList<HtmlVocabulary::Name> &list) {
            QByteArrayList out;
            for (const auto &n : list)
                out << n.name + (n.deprecated ? "!" : "");
            return out.join(' ');
        };
        QCOMPARE(names(v.elements("blockq")), QByteArray("blockquote"));
        QCOMPARE(names(v.elements("CEN")), QByteArray("center!"));
        QVERIFY(names(v.elements("f")).contains("font! footer form frame!"));
        // The element's own and the global attributes, each once, sorted.
        const QByteArray table = names(v.attributes("TABLE", "b"));
        QCOMPARE(table, QByteArray("bgcolor! border!"));
        QCOMPARE(names(v.attributes("unknown", "tabi")), QByteArray("tabindex"));
        QCOMPARE(names(v.attributes("a", "dir")), QByteArray("dir"));
        QVERIFY(names(v.values("INPUT", "Type")).startsWith("button checkbox color date"));
        QCOMPARE(names(v.values("a", "target")), QByteArray("_blank _parent _self _top"));
        QVERIFY(v.values("button", "type").isEmpty());
        QVERIFY(v.values("p", "class").isEmpty());
    }
};

QTEST_APPLESS_MAIN(MarkupSpotTest)
#include "markupspot_test.moc"
