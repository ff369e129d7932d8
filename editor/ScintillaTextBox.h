// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/TextBox.h"

#include <Qsci/qsciscintilla.h>

// The editing area: a Scintilla editor that keeps the page's bytes exactly
// (CR LF, lone LF, lone CR are all kept as they are) behind the TextBox
// interface. Every page is kept as UTF-8 (a Windows-1252 page is converted
// on loading and back on saving). Positions are counted in UTF-16 units of
// the text, so CR LF is two.
class ScintillaTextBox : public QsciScintilla, public TextBox {
    Q_OBJECT
public:
    explicit ScintillaTextBox(QWidget *parent = nullptr);
    ~ScintillaTextBox() override;

    QString text() const override;
    void setText(const QString &text) override;
    TextEncoding encoding() const override { return m_encoding; }
    // Whether the page loaded last has a line longer than WordRuns::kLongLine
    // (minified markup).
    bool hasLongLines() const { return m_longLines; }
    void setEncoding(TextEncoding encoding) override;
    QByteArray bytes() const override;
    bool withBytes(const std::function<bool(QByteArrayView)> &use) const override;
    // The text as the editing area keeps it (UTF-8), valid until it changes.
    QByteArrayView utf8() const;
    void setBytes(const QByteArray &bytes, TextEncoding encoding) override;
    bool loadFile(const QString &path, QString *error = nullptr) override;
    int length() const override;
    QChar charAt(int pos) const override;
    int selStart() const override;
    int selLength() const override;
    void setSelStart(int pos) override;
    void setSelection(int start, int length) override;
    QString selectedText() const override;
    void replaceSelection(const QString &text) override;
    bool isModified() const override;
    void setModified(bool modified) override;
    bool isEnabled() const override { return QWidget::isEnabled(); }
    // Whether any text is selected, without counting characters: cheap
    // enough for every keystroke in a page of many megabytes.
    bool hasSelection() const;
    void setEnabled(bool enabled) override { QWidget::setEnabled(enabled); }
    void insertAfterCaret(const QString &text) override;
    void replaceRange(int start, int length, const QString &text) override;

    // One step back or forward in the page's edit history; the change is
    // reported as one made by the program (see inProgramEdit).
    void undo() override;
    void redo() override;
    // Runs `edit`; the changes it makes are reported (changed()) while
    // inProgramEdit() is true, so reactions meant for typing can stay out.
    void programEdit(const std::function<void()> &edit);
    bool inProgramEdit() const { return m_programEdit; }
    // Puts the caret at the start of 1-based line `line` (line ends as the
    // text has them: CR LF, LF and CR each end one) and scrolls it into view.
    void goToLine(int line);
    // Puts the caret at a 1-based line and column as the status bar counts
    // them (the column counts characters; past the line's end: its end).
    void goToLineColumn(int line, int column);
    int lineCount() const;
    // The caret (the moving end of the selection), a character's box in the
    // viewport, and the character under a viewport point (-1: none).
    int caretPosition() const;
    QRect characterRect(int pos) const;
    int positionAt(const QPoint &viewportPoint) const;

signals:
    // Emitted once after every finished change of the text (typed, pasted,
    // undone, or made by the program).
    void changed();
    // A new text was loaded (a page opened or switched): it starts with an
    // empty edit history.
    void textLoaded();
    void focusGained();
    void focusLost();
    void mouseReleased();
    // Text became selected, or the selection became empty, whichever way:
    // mouse, keys, Find, a template, a change or a new text.
    void selectionPresenceChanged(bool selected);
    // A new page's text is about to go in: the editing area holds a new,
    // empty document, without the settings Scintilla keeps per document
    // (the lexer among them).
    void documentReplaced();
    // Files were dropped on the editing area (local files only).
    void filesDropped(const QStringList &files);

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void inputMethodEvent(QInputMethodEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void dragEnterEvent(QDragEnterEvent *e) override;
    void dragMoveEvent(QDragMoveEvent *e) override;
    void dropEvent(QDropEvent *e) override;
    void focusInEvent(QFocusEvent *e) override;
    void focusOutEvent(QFocusEvent *e) override;
    void changeEvent(QEvent *e) override;

private:
    bool isStrayAltKey(const QKeyEvent *e) const;
    void newDocument(qsizetype capacity);
    void adoptDocument(long doc);
    void reattachDocument();
    void setWrapFor(qint64 size);
    // After a page's text went in: its line ends, the UTF-16 index, an empty
    // edit history, and the load announced.
    void textIn();
    long sci(unsigned int msg, unsigned long w = 0, long l = 0) const;
    long docBytes() const;
    bool bytesAreIndexes() const;
    void noteUnindexedEdit(bool insert, long pos, long length);
    int toIndex(long bytePos) const;
    long toByte(int index) const;
    QByteArray encode(const QString &text) const;
    QString decode(const char *data, long size) const;
    void loadBytes(const QByteArray &bytes);
    void noteModified();
    void flushChange();
    void noteSelection();

    long m_originalDoc = 0;
    TextEncoding m_encoding = TextEncoding::Utf8;
    // Scintilla's UTF-16 line index costs a pass over every byte of a page
    // on load. A page of plain ASCII needs none (byte positions are the
    // character positions), so the index is only kept while a UTF-8 page
    // holds other characters; it is made once one is typed or pasted in.
    mutable bool m_charIndex = false;
    // Bytes that were inserted since the text was last known to be ASCII.
    mutable long m_newTextFrom = -1;
    mutable long m_newTextTo = -1;
    // The text as QString, kept from one change to the next: Find Next asks
    // for the whole text of a possibly huge page again and again.
    mutable QString m_textCache;
    mutable bool m_textCacheValid = false;
    bool m_longLines = false;
    bool m_markedModified = false; // set by setModified(true) until the next save point
    bool m_changePending = false;
    bool m_flushQueued = false;
    bool m_hadSelection = false;
    bool m_programEdit = false;
};
