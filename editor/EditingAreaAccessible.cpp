#include "editor/EditingAreaAccessible.h"

#include "editor/ScintillaTextBox.h"

namespace {
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
        QAccessibleTextCursorEvent event(box, box->caretPosition());
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
        *startOffset = box()->selStart();
        *endOffset = *startOffset + box()->selLength();
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
    if (selectionIndex == 0)
        box()->setSelection(qMin(startOffset, endOffset), qAbs(endOffset - startOffset));
}

int EditingAreaAccessible::cursorPosition() const { return box()->caretPosition(); }

void EditingAreaAccessible::setCursorPosition(int position) { box()->setSelStart(position); }

QString EditingAreaAccessible::text(int startOffset, int endOffset) const
{
    return box()->text().mid(startOffset, qMax(0, endOffset - startOffset));
}

int EditingAreaAccessible::characterCount() const { return box()->length(); }

QRect EditingAreaAccessible::characterRect(int offset) const
{
    QRect r = box()->characterRect(offset);
    r.moveTopLeft(box()->viewport()->mapToGlobal(r.topLeft()));
    return r;
}

int EditingAreaAccessible::offsetAtPoint(const QPoint &point) const
{
    return box()->positionAt(box()->viewport()->mapFromGlobal(point));
}

void EditingAreaAccessible::scrollToSubstring(int startIndex, int endIndex)
{
    box()->setSelection(startIndex, qMax(0, endIndex - startIndex));
}

QString EditingAreaAccessible::attributes(int offset, int *startOffset, int *endOffset) const
{
    // No text attributes are told: the whole text is one run.
    Q_UNUSED(offset);
    *startOffset = 0;
    *endOffset = characterCount();
    return QString();
}

void EditingAreaAccessible::deleteText(int startOffset, int endOffset) { replaceText(startOffset, endOffset, {}); }

void EditingAreaAccessible::insertText(int offset, const QString &text) { replaceText(offset, offset, text); }

void EditingAreaAccessible::replaceText(int startOffset, int endOffset, const QString &text)
{
    box()->replaceRange(startOffset, qMax(0, endOffset - startOffset), text);
}
