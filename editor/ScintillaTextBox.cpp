// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/ScintillaTextBox.h"

#include "core/SafeFile.h"
#include "editor/EditingAreaAccessible.h"
#include "editor/WordRuns.h"

#include <Qsci/qscicommand.h>
#include <Qsci/qscicommandset.h>

#include <QEvent>
#include <QFontDatabase>
#include <QMimeData>
#include <QKeyEvent>
#include <QTimer>

#include <cstring>

// A document filled aside, a piece at a time (SCI_CREATELOADER): Scintilla's
// stable interface, whose header QScintilla does not install. Declared
// outside an unnamed namespace: the compiler would take the class for one
// without implementations and turn the calls into pure virtual ones.
class ILoader {
public:
    virtual int Release() = 0;
    virtual int AddData(const char *data, long length) = 0; // SC_STATUS_*
    virtual void *ConvertToDocument() = 0;
};

namespace {
constexpr qsizetype kWrapLimit = 1024 * 1024;

// Room for typing in a new document: once the room is used up, the
// component grows the text and its styles by a sixth, copying both (the
// first keystroke in a page of 50 MB took 120 MB more and a third of a
// second). The room is filled with zeros at once, so it is memory used.
constexpr qsizetype kTypingRoom = 64 * 1024;

bool hasNonAscii(const char *data, qsizetype size)
{
    qsizetype i = 0;
    for (; i + 8 <= size; i += 8) {
        quint64 chunk;
        memcpy(&chunk, data + i, 8);
        if (chunk & 0x8080808080808080ULL)
            return true;
    }
    for (; i < size; ++i)
        if (uchar(data[i]) >= 0x80)
            return true;
    return false;
}
}

ScintillaTextBox::ScintillaTextBox(QWidget *parent) : QsciScintilla(parent)
{
    EditingAreaAccessible::install();
    // The document the widget was made with is kept aside and given back on
    // destruction; the widget tears it down as it expects.
    m_originalDoc = sci(SCI_GETDOCPOINTER);
    sci(SCI_ADDREFDOCUMENT, 0, m_originalDoc);
    newDocument(0);
    setUtf8(true);
    // Pasted text goes in exactly as it is on the clipboard.
    sci(SCI_SETPASTECONVERTENDINGS, 0);
    setEolMode(EolWindows);
    setWrapMode(WrapWord);
    sci(SCI_SETHSCROLLBAR, 0);
    setMarginWidth(1, 0);
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setCaretLineVisible(false);
    // Annotations are never used; while they may show, the component lays
    // out every line of a wrapped page when it is set, and each edited line
    // at once (475 ms for a page of one 1 MB line, against 60 ms without).
    setAnnotationDisplay(AnnotationHidden);
    setIndentationsUseTabs(true);
    setAutoIndent(false);
    setBraceMatching(NoBraceMatch);
    setAutoCompletionSource(AcsNone);
    setAutoCompletionThreshold(-1);
    setCallTipsStyle(CallTipsNone);
    // Without wrapping, the horizontal bar follows the widest line shown.
    sci(SCI_SETSCROLLWIDTH, 1);
    sci(SCI_SETSCROLLWIDTHTRACKING, 1);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The clipboard keys belong to the window's menu (Shift+Ins and Shift+Del
    // are New Page and Delete Page there), not to the editor's own bindings.
    // So do the history keys (the menu keeps Undo and Redo up to date) and
    // the menu's other keys.
    const QKeyCombination menuKeys[] = {
        Qt::CTRL | Qt::Key_X, Qt::CTRL | Qt::Key_C, Qt::CTRL | Qt::Key_V, Qt::SHIFT | Qt::Key_Insert,
        Qt::SHIFT | Qt::Key_Delete, Qt::CTRL | Qt::Key_Insert, Qt::CTRL | Qt::Key_P, Qt::CTRL | Qt::Key_Z,
        Qt::CTRL | Qt::Key_Y, QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z),
        Qt::ALT | Qt::Key_Backspace, Qt::CTRL | Qt::Key_H, Qt::CTRL | Qt::Key_G, Qt::CTRL | Qt::Key_S,
        Qt::CTRL | Qt::Key_F};
    for (QKeyCombination combo : menuKeys) {
        const int key = combo.toCombined();
        if (!QsciCommand::validKey(key))
            continue;
        while (QsciCommand *cmd = standardCommands()->boundTo(key)) {
            if (cmd->key() == key)
                cmd->setKey(0);
            if (cmd->alternateKey() == key)
                cmd->setAlternateKey(0);
        }
    }
    WordRuns::attach(*this);
    // Changes are noticed by their "before" notifications only. The "after"
    // ones make the widget count the characters from the start of the text to
    // the change for accessibility, on every keystroke, which stalls typing
    // in a page of many megabytes. The change is reported once the edit is
    // complete anyway (see flushChange).
    sci(SCI_SETMODEVENTMASK, SC_MOD_BEFOREINSERT | SC_MOD_BEFOREDELETE);
    // Scintilla reports most selection changes at once (copyAvailable); the
    // display update catches the rest, such as typing over a selection.
    connect(this, &QsciScintilla::copyAvailable, this, &ScintillaTextBox::noteSelection);
    connect(this, &QsciScintillaBase::SCN_UPDATEUI, this, &ScintillaTextBox::noteSelection);
    connect(this, &QsciScintillaBase::SCN_MODIFIED, this,
            [this](int position, int type, const char *, int length, int, int, int, int, int, int) {
                if (type & (SC_MOD_BEFOREINSERT | SC_MOD_BEFOREDELETE)) {
                    noteUnindexedEdit(type & SC_MOD_BEFOREINSERT, position, length);
                    noteModified();
                }
            });
}

ScintillaTextBox::~ScintillaTextBox()
{
    sci(SCI_SETDOCPOINTER, 0, m_originalDoc);
    sci(SCI_RELEASEDOCUMENT, 0, m_originalDoc);
}

void ScintillaTextBox::newDocument(qsizetype capacity)
{
    adoptDocument(sci(SCI_CREATEDOCUMENT, capacity, SC_DOCUMENTOPTION_DEFAULT));
}

void ScintillaTextBox::adoptDocument(long doc)
{
    // Every page gets a document of its own: dropping the old one frees it
    // at once, where clearing it would walk through all its lines. The
    // document keeps a style byte per character for the colouring, which
    // styles only the text shown, and for the word runs that keep long
    // lines fast (see WordRuns). The settings Scintilla keeps per document
    // are carried over; the lexer is set again by the colouring (see
    // documentReplaced).
    const long codePage = sci(SCI_GETCODEPAGE);
    const long tabWidth = sci(SCI_GETTABWIDTH), indent = sci(SCI_GETINDENT);
    const long useTabs = sci(SCI_GETUSETABS), tabIndents = sci(SCI_GETTABINDENTS);
    const long backUnindents = sci(SCI_GETBACKSPACEUNINDENTS), eolMode = sci(SCI_GETEOLMODE);
    sci(SCI_SETDOCPOINTER, 0, doc);
    sci(SCI_RELEASEDOCUMENT, 0, doc); // the widget holds it now
    sci(SCI_SETCODEPAGE, codePage);
    sci(SCI_SETTABWIDTH, tabWidth);
    sci(SCI_SETINDENT, indent);
    sci(SCI_SETUSETABS, useTabs);
    sci(SCI_SETTABINDENTS, tabIndents);
    sci(SCI_SETBACKSPACEUNINDENTS, backUnindents);
    sci(SCI_SETEOLMODE, eolMode);
    m_charIndex = false;
    m_newTextFrom = m_newTextTo = -1;
    m_markedModified = false;
    noteSelection(); // a new document starts without a selection
    emit documentReplaced();
}

void ScintillaTextBox::reattachDocument()
{
    // Setting the document again rebuilds the view's record of its lines,
    // which making a document aside (SCI_CREATELOADER) resets; the
    // selection and the scroll position are put back.
    const long doc = sci(SCI_GETDOCPOINTER);
    const long anchor = sci(SCI_GETANCHOR), caret = sci(SCI_GETCURRENTPOS);
    const long firstLine = sci(SCI_GETFIRSTVISIBLELINE), xOffset = sci(SCI_GETXOFFSET);
    sci(SCI_ADDREFDOCUMENT, 0, doc); // kept alive while the view lets go of it
    sci(SCI_SETDOCPOINTER, 0, doc);
    sci(SCI_RELEASEDOCUMENT, 0, doc);
    sci(SCI_SETSEL, anchor, caret);
    sci(SCI_SETFIRSTVISIBLELINE, firstLine);
    sci(SCI_SETXOFFSET, xOffset);
}

long ScintillaTextBox::sci(unsigned int msg, unsigned long w, long l) const
{
    return SendScintilla(msg, w, l);
}

long ScintillaTextBox::docBytes() const { return sci(SCI_GETLENGTH); }

void ScintillaTextBox::noteUnindexedEdit(bool insert, long pos, long length)
{
    if (m_charIndex)
        return;
    // Widen the span of text that may hold new characters, moving it along
    // with the edit. Only inserted text can bring in characters other than
    // ASCII, so a span too wide does no harm; one too narrow would.
    if (m_newTextFrom < 0) {
        if (!insert)
            return;
        m_newTextFrom = pos;
        m_newTextTo = pos + length;
        return;
    }
    const auto moved = [&](long p) {
        if (insert)
            return p >= pos ? p + length : p;
        return p > pos ? qMax(pos, p - length) : p;
    };
    m_newTextFrom = moved(m_newTextFrom);
    m_newTextTo = moved(m_newTextTo);
    if (insert) {
        m_newTextFrom = qMin(m_newTextFrom, pos);
        m_newTextTo = qMax(m_newTextTo, pos + length);
    }
}

bool ScintillaTextBox::bytesAreIndexes() const
{
    // The text inserted since the last look is checked here, once the edit
    // is complete (the change notifications come before the text is in).
    if (m_newTextFrom >= 0 && !m_charIndex) {
        const long from = qMin(m_newTextFrom, docBytes());
        const long size = qMin(m_newTextTo, docBytes()) - from;
        m_newTextFrom = m_newTextTo = -1;
        if (size > 0 && hasNonAscii(reinterpret_cast<const char *>(sci(SCI_GETRANGEPOINTER, from, size)), size)) {
            sci(SCI_ALLOCATELINECHARACTERINDEX, SC_LINECHARACTERINDEX_UTF16);
            m_charIndex = true;
        }
    }
    return !m_charIndex;
}

int ScintillaTextBox::toIndex(long bytePos) const
{
    if (bytesAreIndexes())
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
    if (bytesAreIndexes())
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

QByteArray ScintillaTextBox::encode(const QString &text) const { return text.toUtf8(); }

QString ScintillaTextBox::decode(const char *data, long size) const { return utf8ToText(data, size); }

QByteArray ScintillaTextBox::bytes() const
{
    QByteArray out;
    withBytes([&out](QByteArrayView bytes) {
        out = bytes.toByteArray();
        return true;
    });
    return out;
}

QByteArrayView ScintillaTextBox::utf8() const
{
    return QByteArrayView(reinterpret_cast<const char *>(sci(SCI_GETCHARACTERPOINTER)), docBytes());
}

bool ScintillaTextBox::withBytes(const std::function<bool(QByteArrayView)> &use) const
{
    // A UTF-8 page is lent as it stands; any other is converted back.
    if (m_encoding == TextEncoding::Utf8)
        return use(utf8());
    return use(utf8ToWindows1252(utf8()));
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

// The text stays as it is; only the bytes it is saved as change.
void ScintillaTextBox::setEncoding(TextEncoding encoding) { m_encoding = encoding; }

void ScintillaTextBox::setText(const QString &text) { loadBytes(encode(text)); }

void ScintillaTextBox::setBytes(const QByteArray &bytes, TextEncoding encoding)
{
    m_encoding = encoding;
    loadBytes(encoding == TextEncoding::Utf8 ? bytes : windows1252ToUtf8(bytes));
}

bool ScintillaTextBox::loadFile(const QString &path, QString *error)
{
    // The file goes into a new document a piece at a time, so that a big
    // page is never held twice (read whole, then copied in). The document
    // is made aside: should reading fail part way, the page on screen stays.
    ILoader *loader = nullptr;
    Utf8Check utf8;
    WordRuns::LongLineCheck longLine;
    qint64 loaded = 0;
    bool noMemory = false;
    const bool read = readFileInPieces(
        path,
        [&](qint64 size) {
            loader = reinterpret_cast<ILoader *>(
                sci(SCI_CREATELOADER, size + kTypingRoom, SC_DOCUMENTOPTION_DEFAULT));
        },
        [&](QByteArrayView piece) {
            if (!utf8.feed(piece))
                return false; // not UTF-8: read whole below
            longLine.feed(piece.data(), piece.size());
            loaded += piece.size();
            noMemory = !loader || loader->AddData(piece.data(), piece.size()) != SC_STATUS_OK;
            return !noMemory;
        },
        error);
    // A read that stopped on bytes that are not UTF-8 is no failure.
    const bool failed = noMemory || (!read && utf8.valid());
    const bool whole = !failed && read && utf8.finish() && loader;
    if (loader && !whole)
        loader->Release();
    // Where the page on screen stays, the view is given back its record of
    // the page's lines, which making the loader reset.
    const auto keepPage = [&] {
        if (loader)
            reattachDocument();
        return false;
    };
    if (failed) {
        if (noMemory && error)
            *error = tr("not enough memory");
        return keepPage();
    }
    if (!whole) {
        // A Windows-1252 page (any bytes that are not UTF-8) is converted whole.
        QByteArray bytes;
        if (!readWholeFile(path, bytes, error))
            return keepPage();
        setBytes(bytes, detectEncoding(bytes));
        return true;
    }
    if (docBytes() > 0 || loaded > 0)
        noteModified(); // the old text goes with its document, the new comes unannounced
    m_encoding = TextEncoding::Utf8;
    m_longLines = longLine.found();
    setWrapFor(loaded);
    adoptDocument(long(loader->ConvertToDocument()));
    textIn();
    return true;
}

void ScintillaTextBox::loadBytes(const QByteArray &bytes)
{
    if (docBytes() > 0)
        noteModified(); // the old text goes with its document, unannounced
    m_longLines = WordRuns::hasLongLine(bytes.constData(), bytes.size());
    newDocument(bytes.size() + kTypingRoom);
    setWrapFor(bytes.size());
    // The loaded text is not an edit to undo; recording it would copy the
    // whole page into the undo history.
    sci(SCI_SETUNDOCOLLECTION, 0);
    sci(SCI_APPENDTEXT, bytes.size(), reinterpret_cast<long>(bytes.constData()));
    textIn();
}

void ScintillaTextBox::setWrapFor(qint64 size)
{
    // Long lines wrap, as in a plain text box, except on very big pages,
    // where wrapping every line would hold up opening them. A page with a
    // long line is laid out in character runs, wrapped at blanks as word
    // runs wrapped it (see WordRuns). Set before the text goes in: set
    // after, it left some lines wrapped at the character runs' edges.
    const bool wrap = size <= kWrapLimit;
    setWrapMode(wrap ? (m_longLines ? WrapWhitespace : WrapWord) : WrapNone);
    sci(SCI_SETHSCROLLBAR, !wrap);
    // Both messages make the vertical bar come and go as needed; it stays,
    // so that a wrapped page is never wrapped for a width it does not have.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void ScintillaTextBox::textIn()
{
    const QByteArrayView bytes = utf8();
    // New line ends typed by the user follow the page's own.
    const qsizetype lf = bytes.indexOf('\n');
    const qsizetype cr = bytes.indexOf('\r');
    if (cr >= 0 && (lf < 0 || cr < lf))
        setEolMode(cr + 1 < bytes.size() && bytes[cr + 1] == '\n' ? EolWindows : EolMac);
    else if (lf >= 0)
        setEolMode(EolUnix);
    else
        setEolMode(EolWindows);
    if (hasNonAscii(bytes.data(), bytes.size())) {
        sci(SCI_ALLOCATELINECHARACTERINDEX, SC_LINECHARACTERINDEX_UTF16);
        m_charIndex = true;
    }
    sci(SCI_SETUNDOCOLLECTION, 1);
    sci(SCI_EMPTYUNDOBUFFER);
    flushChange();
    emit textLoaded();
}

bool ScintillaTextBox::isModified() const { return m_markedModified || sci(SCI_GETMODIFY) != 0; }

void ScintillaTextBox::setModified(bool modified)
{
    m_markedModified = modified;
    if (!modified)
        sci(SCI_SETSAVEPOINT);
}

int ScintillaTextBox::length() const { return toIndex(docBytes()); }

QChar ScintillaTextBox::charAt(int pos) const
{
    if (pos < 0)
        return QChar();
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

void ScintillaTextBox::insertAfterCaret(const QString &text)
{
    // Outside an undo group, so that the text joins the edit just typed:
    // one Undo takes back both.
    const QByteArray bytes = encode(text);
    const long caret = sci(SCI_GETCURRENTPOS);
    sci(SCI_INSERTTEXT, caret, reinterpret_cast<long>(bytes.constData()));
    sci(SCI_SETEMPTYSELECTION, caret);
    flushChange();
}

void ScintillaTextBox::replaceRange(int start, int length, const QString &text)
{
    const QByteArray bytes = encode(text);
    const long from = toByte(start), to = toByte(start + qMax(0, length));
    sci(SCI_BEGINUNDOACTION);
    sci(SCI_SETTARGETRANGE, from, to);
    sci(SCI_REPLACETARGET, bytes.size(), reinterpret_cast<long>(bytes.constData()));
    sci(SCI_ENDUNDOACTION);
    flushChange();
}

void ScintillaTextBox::programEdit(const std::function<void()> &edit)
{
    const bool outer = m_programEdit;
    m_programEdit = true;
    edit();
    flushChange();
    m_programEdit = outer;
}

void ScintillaTextBox::undo()
{
    programEdit([this] { QsciScintilla::undo(); });
}

void ScintillaTextBox::redo()
{
    programEdit([this] { QsciScintilla::redo(); });
}

void ScintillaTextBox::goToLine(int line)
{
    sci(SCI_GOTOLINE, qBound(1, line, lineCount()) - 1);
    noteSelection();
}

void ScintillaTextBox::goToLineColumn(int line, int column)
{
    const long l = qBound(1, line, lineCount()) - 1;
    const long start = sci(SCI_POSITIONFROMLINE, l), end = sci(SCI_GETLINEENDPOSITION, l);
    long pos = sci(SCI_POSITIONRELATIVE, start, qMax(0, column - 1));
    if (pos <= 0 || pos > end)
        pos = column > 1 ? end : start;
    sci(SCI_GOTOPOS, pos);
    noteSelection();
}

int ScintillaTextBox::lineCount() const { return int(sci(SCI_GETLINECOUNT)); }

int ScintillaTextBox::caretPosition() const { return toIndex(sci(SCI_GETCURRENTPOS)); }

QRect ScintillaTextBox::characterRect(int pos) const
{
    const long at = toByte(pos);
    const int x = int(sci(SCI_POINTXFROMPOSITION, 0, at)), y = int(sci(SCI_POINTYFROMPOSITION, 0, at));
    const int right = int(sci(SCI_POINTXFROMPOSITION, 0, sci(SCI_POSITIONAFTER, at)));
    return QRect(x, y, qMax(1, right - x), int(sci(SCI_TEXTHEIGHT, sci(SCI_LINEFROMPOSITION, at))));
}

int ScintillaTextBox::positionAt(const QPoint &viewportPoint) const
{
    const long at = sci(SCI_POSITIONFROMPOINTCLOSE, viewportPoint.x(), viewportPoint.y());
    return at < 0 ? -1 : toIndex(at);
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
    noteSelection();
    if (!m_changePending)
        return;
    m_changePending = false;
    emit changed();
}

bool ScintillaTextBox::hasSelection() const { return !sci(SCI_GETSELECTIONEMPTY); }

void ScintillaTextBox::noteSelection()
{
    const bool selected = hasSelection();
    if (selected == m_hadSelection)
        return;
    m_hadSelection = selected;
    emit selectionPresenceChanged(selected);
}

// Alt with a character key that no menu took (Alt+J, Alt+Q...): the
// component would type the character. AltGr is left alone: it composes
// characters, reported as Ctrl+Alt or with the group switch.
bool ScintillaTextBox::isStrayAltKey(const QKeyEvent *e) const
{
    const Qt::KeyboardModifiers mods = e->modifiers();
    if (!(mods & Qt::AltModifier) || (mods & (Qt::ControlModifier | Qt::MetaModifier | Qt::GroupSwitchModifier)))
        return false;
    const QString text = e->text();
    if (text.isEmpty() || !text.at(0).isPrint())
        return false;
    const int combo = QKeyCombination(mods & ~Qt::KeypadModifier, Qt::Key(e->key())).toCombined();
    return !QsciCommand::validKey(combo) || !standardCommands()->boundTo(combo);
}

void ScintillaTextBox::keyPressEvent(QKeyEvent *e)
{
    if (isStrayAltKey(e)) {
        e->accept();
        return;
    }
    // Typing over a selection is an undo step of its own; the group keeps
    // what the change brings about (an automatic ">") in the same step.
    // Plain typing is left ungrouped so that a run of it stays one step.
    const bool group = hasSelection();
    if (group)
        sci(SCI_BEGINUNDOACTION);
    QsciScintilla::keyPressEvent(e);
    flushChange();
    if (group)
        sci(SCI_ENDUNDOACTION);
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

namespace {
// The local files a drag brings, or none when it brings anything else.
QStringList droppedFiles(const QMimeData *data)
{
    QStringList files;
    for (const QUrl &url : data->urls()) {
        if (!url.isLocalFile())
            return {};
        files << url.toLocalFile();
    }
    return files;
}
} // namespace

void ScintillaTextBox::dragEnterEvent(QDragEnterEvent *e)
{
    if (!droppedFiles(e->mimeData()).isEmpty())
        e->acceptProposedAction();
    else
        QsciScintilla::dragEnterEvent(e);
}

void ScintillaTextBox::dragMoveEvent(QDragMoveEvent *e)
{
    if (!droppedFiles(e->mimeData()).isEmpty())
        e->acceptProposedAction();
    else
        QsciScintilla::dragMoveEvent(e);
}

void ScintillaTextBox::dropEvent(QDropEvent *e)
{
    // Files are opened, not pasted in as their names.
    const QStringList files = droppedFiles(e->mimeData());
    if (!files.isEmpty()) {
        e->acceptProposedAction();
        emit filesDropped(files);
        return;
    }
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

void ScintillaTextBox::changeEvent(QEvent *e)
{
    QsciScintilla::changeEvent(e);
    // The look-alike style of the word runs follows the plain text's look.
    if (e->type() == QEvent::PaletteChange || e->type() == QEvent::FontChange)
        WordRuns::copyLook(*this);
}
