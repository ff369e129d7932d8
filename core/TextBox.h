// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/PageText.h"
#include "core/SafeFile.h"

#include <QByteArrayView>
#include <QString>

#include <functional>

// The editing area as the program's logic sees it. Positions count
// characters from the start of the text (0-based), a CR LF pair counting as
// two; "selStart" is the caret when nothing is selected.
class TextBox {
public:
    virtual ~TextBox() = default;

    virtual QString text() const = 0;
    // Replaces the whole text; the caret goes to the start.
    virtual void setText(const QString &text) = 0;
    // The encoding the text is kept and saved in.
    virtual TextEncoding encoding() const = 0;
    virtual void setEncoding(TextEncoding encoding) = 0;

    // The text as the bytes of a page file, and back. The editing area keeps
    // pages as bytes, so these avoid converting a big page to text and back.
    virtual QByteArray bytes() const { return encodePage(text(), encoding()); }
    // Hands the page bytes to use without copying them where the editing
    // area can lend its own storage (saving a big page then copies nothing).
    virtual bool withBytes(const std::function<bool(QByteArrayView)> &use) const { return use(bytes()); }
    virtual void setBytes(const QByteArray &bytes, TextEncoding encoding)
    {
        setEncoding(encoding);
        setText(decodeBytes(bytes, encoding));
    }
    // Puts the page file at path in place of the text, in the encoding its
    // bytes call for. Returns false, the text left as it was, when the file
    // cannot be read (error says why).
    virtual bool loadFile(const QString &path, QString *error = nullptr)
    {
        QByteArray bytes;
        if (!readWholeFile(path, bytes, error))
            return false;
        setBytes(bytes, detectEncoding(bytes));
        return true;
    }

    // Whether the text differs from what was last loaded or saved: edits since
    // then that were not all undone. Loading text, and marking it saved,
    // clears it; marking it edited sets it until the next save.
    virtual bool isModified() const = 0;
    virtual void setModified(bool modified) = 0;

    virtual int length() const = 0;
    // Character at 0-based position, or a null QChar outside the text.
    virtual QChar charAt(int pos) const = 0;

    virtual int selStart() const = 0;
    virtual int selLength() const = 0;
    // Collapses the selection and puts the caret at pos.
    virtual void setSelStart(int pos) = 0;
    virtual void setSelection(int start, int length) = 0;
    virtual QString selectedText() const = 0;
    // Puts text in place of the selection (or at the caret) as one edit; the
    // caret stands after it with nothing selected.
    virtual void replaceSelection(const QString &text) = 0;
    // Puts text at the caret, which stays before it, as part of the edit
    // just made (one Undo takes back both where the editing area has one).
    virtual void insertAfterCaret(const QString &text)
    {
        const int caret = selStart();
        replaceSelection(text);
        setSelStart(caret);
    }
    // Puts text in place of `length` characters from `start` as one edit.
    virtual void replaceRange(int start, int length, const QString &text)
    {
        setSelection(start, length);
        replaceSelection(text);
    }

    virtual bool isEnabled() const = 0;
    virtual void setEnabled(bool enabled) = 0;
};
