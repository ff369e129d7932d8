// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/EditingAreaAccessible.h"

#include "core/CodePoints.h"
#include "editor/ScintillaTextBox.h"

#include <tuple>
#include <utility>

namespace {
// Qt's own character, word and sentence boundaries, found in the UTF-16 text
// (Qt's search runs on text() and characterCount() alone).
class Utf16Text : public QAccessibleTextInterface {
public:
    explicit Utf16Text(QString text) : m_text(std::move(text)) {}
    QString text(int startOffset, int endOffset) const override
    {
        return m_text.mid(startOffset, qMax(0, endOffset - startOffset));
    }
    int characterCount() const override { return int(m_text.size()); }
    // Not used by the search.
    void selection(int, int *startOffset, int *endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = 0;
        return {};
    }

private:
    QString m_text;
};

bool isLineEnd(QChar c) { return c == u'\n' || c == u'\r'; }

// The line holding `pos`, with its line end (CR LF, LF or CR) as AT-SPI's
// lines take it. Qt's own answer for lines is the whole text.
std::pair<int, int> lineAround(QStringView text, int pos)
{
    if (pos > 0 && pos < text.size() && text[pos] == u'\n' && text[pos - 1] == u'\r')
        --pos; // inside CR LF: the line it ends
    int start = pos, end = pos;
    while (start > 0 && !isLineEnd(text[start - 1]))
        --start;
    while (end < text.size() && !isLineEnd(text[end]))
        ++end;
    if (end < text.size())
        end += (text[end] == u'\r' && end + 1 < text.size() && text[end + 1] == u'\n') ? 2 : 1;
    return {start, end};
}

QAccessibleInterface *factory(const QString &className, QObject *object)
{
    if (className == QLatin1String(ScintillaTextBox::staticMetaObject.className()))
        if (auto *box = qobject_cast<ScintillaTextBox *>(object))
            return new EditingAreaAccessible(box);
    return nullptr;
}
} // namespace

EditingAreaAccessible::EditingAreaAccessible(ScintillaTextBox *box)
    : QAccessibleWidget(box, QAccessible::EditableText)
{
    // The caret's moves, told only while an assistive tool listens.
    QObject::connect(box, &QsciScintilla::cursorPositionChanged, box, [box] {
        if (!QAccessible::isActive())
            return;
        QAccessibleTextCursorEvent event(box, CodePoints::fromUtf16(box->text(), box->caretPosition()));
        QAccessible::updateAccessibility(&event);
    });
}

void EditingAreaAccessible::install()
{
    // Qt asks the factory for the most derived class first, so this one
    // answers for the editing area before the component's own.
    static const bool installed = (QAccessible::installFactory(factory), true);
    Q_UNUSED(installed);
}

ScintillaTextBox *EditingAreaAccessible::box() const { return static_cast<ScintillaTextBox *>(widget()); }

// The page's text is kept by the editing area between changes, so each
// conversion is one pass over it, and only while an assistive tool asks.
int EditingAreaAccessible::toBox(int offset) const { return CodePoints::toUtf16(box()->text(), offset); }

int EditingAreaAccessible::fromBox(int position) const { return CodePoints::fromUtf16(box()->text(), position); }

void *EditingAreaAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    if (type == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString EditingAreaAccessible::text(QAccessible::Text t) const
{
    return t == QAccessible::Value ? box()->text() : QAccessibleWidget::text(t);
}

void EditingAreaAccessible::selection(int selectionIndex, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex == 0 && box()->hasSelection()) {
        const int start = box()->selStart();
        *startOffset = fromBox(start);
        *endOffset = fromBox(start + box()->selLength());
    }
}

int EditingAreaAccessible::selectionCount() const { return box()->hasSelection() ? 1 : 0; }

void EditingAreaAccessible::addSelection(int startOffset, int endOffset) { setSelection(0, startOffset, endOffset); }

void EditingAreaAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        box()->setSelStart(box()->caretPosition());
}

void EditingAreaAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex != 0)
        return;
    const int start = toBox(qMin(startOffset, endOffset));
    box()->setSelection(start, toBox(qMax(startOffset, endOffset)) - start);
}

int EditingAreaAccessible::cursorPosition() const { return fromBox(box()->caretPosition()); }

void EditingAreaAccessible::setCursorPosition(int position) { box()->setSelStart(toBox(position)); }

QString EditingAreaAccessible::text(int startOffset, int endOffset) const
{
    const QString all = box()->text();
    const int start = CodePoints::toUtf16(all, startOffset);
    return all.mid(start, qMax(0, CodePoints::toUtf16(all, endOffset) - start));
}

int EditingAreaAccessible::characterCount() const
{
    const QString all = box()->text();
    return CodePoints::fromUtf16(all, int(all.size()));
}

QRect EditingAreaAccessible::characterRect(int offset) const
{
    QRect r = box()->characterRect(toBox(offset));
    r.moveTopLeft(box()->viewport()->mapToGlobal(r.topLeft()));
    return r;
}

int EditingAreaAccessible::offsetAtPoint(const QPoint &point) const
{
    const int position = box()->positionAt(box()->viewport()->mapFromGlobal(point));
    return position < 0 ? position : fromBox(position);
}

void EditingAreaAccessible::scrollToSubstring(int startIndex, int endIndex)
{
    setSelection(0, startIndex, qMax(startIndex, endIndex));
}

QString EditingAreaAccessible::attributes(int offset, int *startOffset, int *endOffset) const
{
    // No text attributes are told: the whole text is one run.
    Q_UNUSED(offset);
    *startOffset = 0;
    *endOffset = characterCount();
    return QString();
}

QString EditingAreaAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                                int *startOffset, int *endOffset) const
{
    return textAround(Around::Before, offset, boundaryType, startOffset, endOffset);
}

QString EditingAreaAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                               int *startOffset, int *endOffset) const
{
    return textAround(Around::After, offset, boundaryType, startOffset, endOffset);
}

QString EditingAreaAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                            int *startOffset, int *endOffset) const
{
    return textAround(Around::At, offset, boundaryType, startOffset, endOffset);
}

QString EditingAreaAccessible::textAround(Around where, int offset, QAccessible::TextBoundaryType boundaryType,
                                          int *startOffset, int *endOffset) const
{
    const QString all = box()->text();
    // -2 stands for the caret, -1 for the end of the text.
    const int position = offset == -2 ? box()->caretPosition()
                         : offset == -1 ? int(all.size())
                                        : CodePoints::toUtf16(all, offset);
    int start = -1, end = -1;
    QString found;
    if (boundaryType == QAccessible::LineBoundary || boundaryType == QAccessible::ParagraphBoundary) {
        auto line = lineAround(all, position);
        if (where == Around::Before)
            line = line.first > 0 ? lineAround(all, line.first - 1) : std::pair(-1, -1);
        else if (where == Around::After)
            line = line.second < all.size() ? lineAround(all, line.second) : std::pair(-1, -1);
        std::tie(start, end) = line;
        if (start >= 0)
            found = all.mid(start, end - start);
    } else {
        const Utf16Text units(all);
        found = where == Around::Before ? units.textBeforeOffset(position, boundaryType, &start, &end)
                : where == Around::After ? units.textAfterOffset(position, boundaryType, &start, &end)
                                         : units.textAtOffset(position, boundaryType, &start, &end);
    }
    *startOffset = start < 0 ? start : CodePoints::fromUtf16(all, start);
    *endOffset = end < 0 ? end : CodePoints::fromUtf16(all, end);
    return found;
}

void EditingAreaAccessible::deleteText(int startOffset, int endOffset) { replaceText(startOffset, endOffset, {}); }

void EditingAreaAccessible::insertText(int offset, const QString &text) { replaceText(offset, offset, text); }

void EditingAreaAccessible::replaceText(int startOffset, int endOffset, const QString &text)
{
    const int start = toBox(startOffset);
    box()->replaceRange(start, qMax(0, toBox(endOffset) - start), text);
}
