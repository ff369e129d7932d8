// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/TagCompletion.h"

#include "completion/HtmlVocabulary.h"
#include "core/MarkupSpot.h"
#include "editor/ScintillaTextBox.h"

#include <QGuiApplication>
#include <QPainter>

namespace {
constexpr int kDeprecatedImage = 1;
constexpr int kBlankImage = 2; // keeps the other names in line with the marked ones

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
// A quick look at the characters around one just typed, so that ordinary
// typing does not ask where in the markup the caret is.
bool mayOpenList(QByteArrayView text, long caret, int ch)
{
    if (caret < 2)
        return false;
    const char before = text[caret - 2];
    if (isAsciiLetter(ch))
        return before == '<' || before == ' ' || before == '\t' || before == '\r' || before == '\n';
    if (ch == '"' || ch == '\'')
        return before == '=';
    if (ch != ' ' && ch != '\t')
        return false;
    // In a tag only if a "<" comes before a ">" going back.
    for (long i = caret - 2; i >= 0 && i > caret - 4096; --i) {
        if (text[i] == '<')
            return true;
        if (text[i] == '>')
            return false;
    }
    return false;
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
    const int size = box().fontMetrics().height() - 2;
    box().registerImage(kDeprecatedImage, deprecatedMark(box().palette(), size));
    QPixmap blank(size, size);
    blank.fill(Qt::transparent);
    box().registerImage(kBlankImage, blank);
}

bool TagCompletion::onAScreen(long pos) const
{
    // The component places its list by the screen under the caret and fails
    // where there is none (a window moved off every screen, a virtual display).
    const QPoint at(int(sci(Sci::SCI_POINTXFROMPOSITION, 0, pos)), int(sci(Sci::SCI_POINTYFROMPOSITION, 0, pos)));
    return QGuiApplication::screenAt(box().viewport()->mapToGlobal(at)) != nullptr;
}

bool TagCompletion::isListShown() const { return sci(Sci::SCI_AUTOCACTIVE) != 0; }

void TagCompletion::charAdded(int ch)
{
    const long caret = sci(Sci::SCI_GETCURRENTPOS);
    const QByteArrayView text = box().utf8();
    if (!mayOpenList(text, caret, ch) || !onAScreen(caret))
        return;
    const MarkupSpot spot = markupSpotAt(text, caret);
    const qsizetype typed = caret - spot.wordStart;
    const QByteArrayView prefix = spot.wordStart >= 0 ? text.sliced(spot.wordStart, typed) : QByteArrayView();
    const auto &vocabulary = HtmlVocabulary::instance();
    QList<HtmlVocabulary::Name> names;
    QByteArray stops = " >=/\"'";
    if (spot.kind == MarkupSpot::StartTagName && typed == 1 && isAsciiLetter(ch)) {
        names = vocabulary.elements(prefix);
    } else if (spot.kind == MarkupSpot::AttributeName
               && ((typed == 0 && (ch == ' ' || ch == '\t')) || (typed == 1 && isAsciiLetter(ch) && !isListShown()))) {
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
        list += '?' + QByteArray::number(n.deprecated ? kDeprecatedImage : kBlankImage);
    }
    // The character that opened the list reaches it next: it must not close it.
    stops.replace(char(ch), "");
    sci(Sci::SCI_AUTOCSTOPS, 0, reinterpret_cast<long>(stops.constData()));
    sci(Sci::SCI_AUTOCSHOW, typed, reinterpret_cast<long>(list.constData()));
}
