#include "editor/ScintillaTextBox.h"

#include <Qsci/qscicommand.h>
#include <Qsci/qscicommandset.h>

#include <QFontDatabase>
#include <QTimer>

namespace {
constexpr qsizetype kWrapLimit = 1024 * 1024;
}

ScintillaTextBox::ScintillaTextBox(QWidget *parent) : QsciScintilla(parent)
{
    setUtf8(true);
    sci(SCI_ALLOCATELINECHARACTERINDEX, SC_LINECHARACTERINDEX_UTF16);
    // Pasted text goes in exactly as it is on the clipboard.
    sci(SCI_SETPASTECONVERTENDINGS, 0);
    setEolMode(EolWindows);
    setWrapMode(WrapWord);
    setMarginWidth(1, 0);
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setCaretLineVisible(false);
    setIndentationsUseTabs(true);
    setAutoIndent(false);
    setBraceMatching(NoBraceMatch);
    setAutoCompletionSource(AcsNone);
    setAutoCompletionThreshold(-1);
    setCallTipsStyle(CallTipsNone);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The clipboard keys belong to the window's menu (Shift+Ins and Shift+Del
    // are New Page and Delete Page there), not to the editor's own bindings.
    for (int key : {Qt::CTRL | Qt::Key_X, Qt::CTRL | Qt::Key_C, Qt::CTRL | Qt::Key_V, Qt::SHIFT | Qt::Key_Insert,
                    Qt::SHIFT | Qt::Key_Delete, Qt::CTRL | Qt::Key_Insert, Qt::CTRL | Qt::Key_P}) {
        if (!QsciCommand::validKey(key))
            continue;
        while (QsciCommand *cmd = standardCommands()->boundTo(key)) {
            if (cmd->key() == key)
                cmd->setKey(0);
            if (cmd->alternateKey() == key)
                cmd->setAlternateKey(0);
        }
    }
    // Changes are noticed by their "before" notifications only. The "after"
    // ones make the widget count the characters from the start of the text to
    // the change for accessibility, on every keystroke, which stalls typing
    // in a page of many megabytes. The change is reported once the edit is
    // complete anyway (see flushChange).
    sci(SCI_SETMODEVENTMASK, SC_MOD_BEFOREINSERT | SC_MOD_BEFOREDELETE);
    connect(this, &QsciScintillaBase::SCN_MODIFIED, this,
            [this](int, int type, const char *, int, int, int, int, int, int, int) {
                if (type & (SC_MOD_BEFOREINSERT | SC_MOD_BEFOREDELETE))
                    noteModified();
            });
}

long ScintillaTextBox::sci(unsigned int msg, unsigned long w, long l) const
{
    return SendScintilla(msg, w, l);
}

long ScintillaTextBox::docBytes() const { return sci(SCI_GETLENGTH); }

int ScintillaTextBox::toIndex(long bytePos) const
{
    if (m_encoding == TextEncoding::Latin1)
        return int(bytePos);
    const long line = sci(SCI_LINEFROMPOSITION, bytePos);
    const long lineStart = sci(SCI_POSITIONFROMLINE, line);
    const long lineIndex = sci(SCI_INDEXPOSITIONFROMLINE, line, SC_LINECHARACTERINDEX_UTF16);
    return int(lineIndex + sci(SCI_COUNTCODEUNITS, lineStart, bytePos));
}

long ScintillaTextBox::toByte(int index) const
{
    if (index <= 0)
        return 0;
    if (m_encoding == TextEncoding::Latin1)
        return qMin<long>(index, docBytes());
    const long line = sci(SCI_LINEFROMINDEXPOSITION, index, SC_LINECHARACTERINDEX_UTF16);
    const long lineStart = sci(SCI_POSITIONFROMLINE, line);
    const long lineIndex = sci(SCI_INDEXPOSITIONFROMLINE, line, SC_LINECHARACTERINDEX_UTF16);
    const long rel = index - lineIndex;
    if (rel <= 0)
        return lineStart;
    const long pos = sci(SCI_POSITIONRELATIVECODEUNITS, lineStart, rel);
    return pos == 0 ? docBytes() : pos; // 0 means past the end
}

QByteArray ScintillaTextBox::encode(const QString &text) const { return encodePage(text, m_encoding); }

QString ScintillaTextBox::decode(const char *data, long size) const
{
    return m_encoding == TextEncoding::Utf8 ? utf8ToText(data, size) : QString::fromLatin1(data, size);
}

QByteArray ScintillaTextBox::bytes() const
{
    const auto *p = reinterpret_cast<const char *>(sci(SCI_GETCHARACTERPOINTER));
    return QByteArray(p, docBytes());
}

QString ScintillaTextBox::text() const
{
    if (!m_textCacheValid) {
        const auto *p = reinterpret_cast<const char *>(sci(SCI_GETCHARACTERPOINTER));
        m_textCache = decode(p, docBytes());
        m_textCacheValid = true;
    }
    return m_textCache;
}

void ScintillaTextBox::setEncoding(TextEncoding encoding)
{
    if (encoding == m_encoding)
        return;
    // Re-read the current text in the new encoding.
    const QString current = text();
    setBytes(encodePage(current, encoding), encoding);
}

void ScintillaTextBox::setText(const QString &text) { loadBytes(encode(text)); }

void ScintillaTextBox::setBytes(const QByteArray &bytes, TextEncoding encoding)
{
    if (encoding != m_encoding) {
        m_encoding = encoding;
        m_textCacheValid = false;
        setUtf8(encoding == TextEncoding::Utf8);
        sci(SCI_ALLOCATELINECHARACTERINDEX, SC_LINECHARACTERINDEX_UTF16);
    }
    loadBytes(bytes);
}

void ScintillaTextBox::loadBytes(const QByteArray &bytes)
{
    // New line ends typed by the user follow the page's own.
    const qsizetype lf = bytes.indexOf('\n');
    const qsizetype cr = bytes.indexOf('\r');
    if (cr >= 0 && (lf < 0 || cr < lf))
        setEolMode(cr + 1 < bytes.size() && bytes[cr + 1] == '\n' ? EolWindows : EolMac);
    else if (lf >= 0)
        setEolMode(EolUnix);
    else
        setEolMode(EolWindows);
    // Long lines wrap, as in a plain text box, except on very big pages,
    // where wrapping every line would hold up opening them.
    setWrapMode(bytes.size() > kWrapLimit ? WrapNone : WrapWord);
    sci(SCI_CLEARALL);
    sci(SCI_ALLOCATE, bytes.size() + 1); // one allocation for a big page
    sci(SCI_APPENDTEXT, bytes.size(), reinterpret_cast<long>(bytes.constData()));
    sci(SCI_EMPTYUNDOBUFFER);
    sci(SCI_SETEMPTYSELECTION, 0);
    flushChange();
}

int ScintillaTextBox::length() const { return toIndex(docBytes()); }

QChar ScintillaTextBox::charAt(int pos) const
{
    if (pos < 0)
        return QChar();
    if (m_encoding == TextEncoding::Latin1) {
        if (pos >= docBytes())
            return QChar();
        return QChar(uchar(sci(SCI_GETCHARAT, pos)));
    }
    const long b = toByte(pos);
    const long total = docBytes();
    if (b >= total)
        return QChar();
    const long n = qMin<long>(4, total - b);
    const auto *p = reinterpret_cast<const char *>(sci(SCI_GETRANGEPOINTER, b, n));
    const QString s = QString::fromUtf8(p, n);
    if (s.isEmpty())
        return QChar();
    // An index inside a surrogate pair names its second half.
    return (toIndex(b) != pos && s.size() > 1) ? s[1] : s[0];
}

int ScintillaTextBox::selStart() const { return toIndex(sci(SCI_GETSELECTIONSTART)); }

int ScintillaTextBox::selLength() const
{
    const long a = sci(SCI_GETSELECTIONSTART), b = sci(SCI_GETSELECTIONEND);
    return toIndex(b) - toIndex(a);
}

void ScintillaTextBox::setSelStart(int pos) { sci(SCI_SETEMPTYSELECTION, toByte(pos)); }

void ScintillaTextBox::setSelection(int start, int length)
{
    const long a = toByte(start);
    const long b = toByte(start + qMax(0, length));
    sci(SCI_SETSEL, a, b);
}

QString ScintillaTextBox::selectedText() const
{
    const long a = sci(SCI_GETSELECTIONSTART), b = sci(SCI_GETSELECTIONEND);
    if (b <= a)
        return QString();
    const auto *p = reinterpret_cast<const char *>(sci(SCI_GETRANGEPOINTER, a, b - a));
    return decode(p, b - a);
}

void ScintillaTextBox::replaceSelection(const QString &text)
{
    const QByteArray bytes = encode(text);
    sci(SCI_BEGINUNDOACTION);
    sci(SCI_TARGETFROMSELECTION);
    sci(SCI_REPLACETARGET, bytes.size(), reinterpret_cast<long>(bytes.constData()));
    sci(SCI_SETEMPTYSELECTION, sci(SCI_GETTARGETEND));
    sci(SCI_ENDUNDOACTION);
    flushChange();
}

void ScintillaTextBox::noteModified()
{
    m_textCacheValid = false;
    m_textCache.clear();
    m_changePending = true;
    // Edits that arrive by other routes (context menu, undo) are reported
    // once the event that made them has finished.
    if (!m_flushQueued) {
        m_flushQueued = true;
        QTimer::singleShot(0, this, [this] {
            m_flushQueued = false;
            flushChange();
        });
    }
}

void ScintillaTextBox::flushChange()
{
    if (!m_changePending)
        return;
    m_changePending = false;
    emit changed();
}

void ScintillaTextBox::keyPressEvent(QKeyEvent *e)
{
    QsciScintilla::keyPressEvent(e);
    flushChange();
}

void ScintillaTextBox::inputMethodEvent(QInputMethodEvent *e)
{
    QsciScintilla::inputMethodEvent(e);
    flushChange();
}

void ScintillaTextBox::mouseReleaseEvent(QMouseEvent *e)
{
    QsciScintilla::mouseReleaseEvent(e);
    flushChange();
    emit mouseReleased();
}

void ScintillaTextBox::dropEvent(QDropEvent *e)
{
    QsciScintilla::dropEvent(e);
    flushChange();
}

void ScintillaTextBox::focusInEvent(QFocusEvent *e)
{
    QsciScintilla::focusInEvent(e);
    emit focusGained();
}

void ScintillaTextBox::focusOutEvent(QFocusEvent *e)
{
    QsciScintilla::focusOutEvent(e);
    emit focusLost();
}
