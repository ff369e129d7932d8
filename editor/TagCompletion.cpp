#include "editor/TagCompletion.h"

#include "completion/HtmlVocabulary.h"
#include "core/MarkupSpot.h"
#include "editor/ScintillaTextBox.h"

#include <QPainter>

namespace {
constexpr int kDeprecatedImage = 1;

bool isAsciiLetter(int ch) { return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z'); }

// A small struck-through "old" mark for deprecated names.
QPixmap deprecatedMark(const QPalette &palette, int size)
{
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(palette.color(QPalette::PlaceholderText), qMax(1, size / 8)));
    p.drawEllipse(QRectF(1.5, 1.5, size - 3, size - 3));
    p.drawLine(QPointF(size * 0.25, size * 0.75), QPointF(size * 0.75, size * 0.25));
    return pm;
}
} // namespace

TagCompletion::TagCompletion(ScintillaTextBox &box) : EditorDecorator(box)
{
    connect(&box, &Sci::SCN_CHARADDED, this, [this](int ch) {
        if (isEnabled())
            charAdded(ch);
    });
}

void TagCompletion::apply(bool enabled)
{
    if (!enabled) {
        sci(Sci::SCI_AUTOCCANCEL);
        return;
    }
    sci(Sci::SCI_AUTOCSETIGNORECASE, 1);
    sci(Sci::SCI_AUTOCSETMAXHEIGHT, 10);
    sci(Sci::SCI_AUTOCSETCHOOSESINGLE, 0);
    sci(Sci::SCI_AUTOCSETDROPRESTOFWORD, 0);
    sci(Sci::SCI_AUTOCSETORDER, Sci::SC_ORDER_PERFORMSORT);
    box().registerImage(kDeprecatedImage, deprecatedMark(box().palette(), box().fontMetrics().height() - 2));
}

bool TagCompletion::isListShown() const { return sci(Sci::SCI_AUTOCACTIVE) != 0; }

void TagCompletion::charAdded(int ch)
{
    const long caret = sci(Sci::SCI_GETCURRENTPOS);
    const QByteArrayView text = box().utf8();
    const MarkupSpot spot = markupSpotAt(text, caret);
    const qsizetype typed = caret - spot.wordStart;
    const QByteArrayView prefix = spot.wordStart >= 0 ? text.sliced(spot.wordStart, typed) : QByteArrayView();
    const auto &vocabulary = HtmlVocabulary::instance();
    QList<HtmlVocabulary::Name> names;
    QByteArray stops = " >=/\"'";
    if (spot.kind == MarkupSpot::StartTagName && typed == 1 && isAsciiLetter(ch)) {
        names = vocabulary.elements(prefix);
    } else if (spot.kind == MarkupSpot::AttributeName && !isListShown()
               && ((typed == 0 && (ch == ' ' || ch == '\t')) || (typed == 1 && isAsciiLetter(ch)))) {
        names = vocabulary.attributes(spot.element, prefix);
    } else if (spot.kind == MarkupSpot::AttributeValue && spot.quote == ch && typed == 0) {
        names = vocabulary.values(spot.element, spot.attribute);
        stops = " >\"'";
    }
    if (names.isEmpty())
        return;
    // The case of the first letter typed, or of the element's name.
    const QByteArrayView caseFrom = typed > 0 && spot.kind != MarkupSpot::AttributeValue ? prefix : spot.element;
    const bool upper = spot.kind != MarkupSpot::AttributeValue && !caseFrom.isEmpty() && caseFrom[0] >= 'A'
                       && caseFrom[0] <= 'Z';
    QByteArray list;
    for (const auto &n : names) {
        if (!list.isEmpty())
            list += ' ';
        list += upper ? n.name.toUpper() : n.name;
        if (n.deprecated)
            list += "?" + QByteArray::number(kDeprecatedImage);
    }
    // The character that opened the list reaches it next: it must not close it.
    stops.replace(char(ch), "");
    sci(Sci::SCI_AUTOCSTOPS, 0, reinterpret_cast<long>(stops.constData()));
    sci(Sci::SCI_AUTOCSHOW, typed, reinterpret_cast<long>(list.constData()));
}
