// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

class ScintillaTextBox;

// What screen readers see of the editing area: its text, caret and selection.
// Offsets are code points, as AT-SPI counts characters (Qt's bridge hands
// them over unchanged), not the UTF-16 units of the rest of the program: an
// emoji is one character to a screen reader. A line is a line of the page. It stands in for the
// editing component's own accessible, which counts the characters from the
// start of the page to the caret after every repaint, whether an assistive
// tool listens or not: tens of milliseconds per keystroke near the end of a
// big page. Here offsets come from the editing area's line index.
class EditingAreaAccessible : public QAccessibleWidget,
                              public QAccessibleTextInterface,
                              public QAccessibleEditableTextInterface {
public:
    explicit EditingAreaAccessible(ScintillaTextBox *box);
    // Makes every editing area answer with this class (once per program).
    static void install();

    void *interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text t) const override;

    // QAccessibleTextInterface
    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int *startOffset, int *endOffset) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                             int *endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                            int *endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                         int *endOffset) const override;

    // QAccessibleEditableTextInterface
    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString &text) override;
    void replaceText(int startOffset, int endOffset, const QString &text) override;

private:
    ScintillaTextBox *box() const;
    int toBox(int offset) const;   // code points -> the editing area's UTF-16
    int fromBox(int position) const;
    enum class Around { Before, After, At };
    QString textAround(Around where, int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                       int *endOffset) const;
};
