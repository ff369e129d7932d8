// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/TypeOver.h"

#include "core/MarkupSpot.h"
#include "editor/ScintillaTextBox.h"

#include <QKeyEvent>

#include <algorithm>

using Sci = QsciScintillaBase;

TypeOver::TypeOver(ScintillaTextBox &box) : QObject(&box), m_box(box)
{
    box.installEventFilter(this);
    connect(&box, &Sci::SCN_MODIFIED, this,
            [this](int position, int type, const char *, int length, int, int, int, int, int, int) {
                if (m_runs.isEmpty())
                    return;
                if (type & (Sci::SC_PERFORMED_UNDO | Sci::SC_PERFORMED_REDO))
                    clear();
                else if (type & (Sci::SC_MOD_BEFOREINSERT | Sci::SC_MOD_BEFOREDELETE))
                    noteEdit(type & Sci::SC_MOD_BEFOREINSERT, position, length);
            });
    connect(&box, &Sci::SCN_UPDATEUI, this, [this](int updated) {
        if (updated & Sci::SC_UPDATE_SELECTION)
            noteCaret();
    });
    connect(&box, &ScintillaTextBox::documentReplaced, this, &TypeOver::clear);
    connect(&box, &ScintillaTextBox::textLoaded, this, &TypeOver::clear);
}

void TypeOver::add(long at, const QByteArray &text)
{
    if (!text.isEmpty())
        m_runs.append({at, at, text});
}

bool TypeOver::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && !m_runs.isEmpty()) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const QString text = key->text();
        if (text.size() == 1 && text[0].unicode() < 0x80 && text[0].isPrint()
            && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
            && stepOver(char(text[0].unicode())))
            return true;
    }
    return QObject::eventFilter(watched, event);
}

bool TypeOver::stepOver(char ch)
{
    if (!m_box.SendScintilla(Sci::SCI_GETSELECTIONEMPTY))
        return false;
    const long caret = m_box.SendScintilla(Sci::SCI_GETCURRENTPOS);
    for (int i = 0; i < m_runs.size(); ++i) {
        Run &run = m_runs[i];
        if (run.start != caret)
            continue;
        // A "<" before an end tag may start a new tag inside the element
        // ("<p>" then "<b>"): it is typed in, and only a "/" after it goes
        // over the end tag, taking the "<" with it.
        if (run.rest.startsWith("</")) {
            if (ch == '/' && caret > 0 && m_box.utf8().at(caret - 1) == '<') {
                m_box.programEdit([&] {
                    m_box.SendScintilla(Sci::SCI_DELETERANGE, caret - 1, 1);
                    m_box.SendScintilla(Sci::SCI_GOTOPOS, caret + 1);
                });
                Run &moved = m_runs[i]; // the delete shifted it back by one
                moved.start += 2;
                moved.rest.remove(0, 2);
                emit steppedOver(ch);
                return true;
            }
            if (ch == '<')
                return false;
        }
        if (run.rest.at(0) != ch)
            continue;
        // A ">" typed inside a quoted value is part of the value.
        if (ch == '>' && markupSpotAt(m_box.utf8(), caret).quote != 0)
            return false;
        m_box.SendScintilla(Sci::SCI_AUTOCCANCEL);
        ++run.start;
        run.rest.remove(0, 1);
        if (run.rest.isEmpty())
            m_runs.removeAt(i);
        m_box.SendScintilla(Sci::SCI_GOTOPOS, caret + 1);
        emit steppedOver(ch);
        return true;
    }
    return false;
}

void TypeOver::noteEdit(bool insert, long pos, long length)
{
    for (int i = m_runs.size() - 1; i >= 0; --i) {
        Run &run = m_runs[i];
        if (pos >= run.end())
            continue; // after the run
        if (insert) {
            if (pos < run.anchor) {
                run.anchor += length;
                run.start += length;
            } else if (pos <= run.start) {
                run.start += length; // typed where the caret is, before the run
            } else {
                m_runs.removeAt(i); // into the run
            }
        } else if (pos + length <= run.start) {
            // Taken out before the run (completion puts a whole word in place
            // of the letters typed, which may start before the anchor).
            run.anchor = pos + length <= run.anchor ? run.anchor - length : qMin(run.anchor, pos);
            run.start -= length;
        } else {
            m_runs.removeAt(i);
        }
    }
}

void TypeOver::noteCaret()
{
    const long caret = m_box.SendScintilla(Sci::SCI_GETCURRENTPOS);
    m_runs.erase(std::remove_if(m_runs.begin(), m_runs.end(),
                                [caret](const Run &r) { return caret < r.anchor || caret > r.end(); }),
                 m_runs.end());
}
