// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/TagMatch.h"

#include "editor/ScintillaTextBox.h"

namespace {
constexpr int kIndicator = 9; // one of the indicators left to the program
}

TagMatch::TagMatch(ScintillaTextBox &box) : EditorDecorator(box)
{
    m_rest.setSingleShot(true);
    m_rest.setInterval(kRestMs);
    connect(&m_rest, &QTimer::timeout, this, &TagMatch::highlight);
    // Not at every keystroke: the search may cross a big page.
    connect(&box, &QsciScintillaBase::SCN_UPDATEUI, this, [this](int updated) {
        if (isEnabled() && (updated & (Sci::SC_UPDATE_SELECTION | Sci::SC_UPDATE_CONTENT)))
            m_rest.start();
    });
    connect(&box, &ScintillaTextBox::changed, this, [this] {
        if (isEnabled()) {
            clear(); // the highlighted tags may no longer be where they were
            m_rest.start();
        }
    });
    sci(Sci::SCI_INDICSETSTYLE, kIndicator, Sci::INDIC_ROUNDBOX);
    sci(Sci::SCI_INDICSETALPHA, kIndicator, 90);
    sci(Sci::SCI_INDICSETOUTLINEALPHA, kIndicator, 200);
    sci(Sci::SCI_INDICSETUNDER, kIndicator, 1);
}

void TagMatch::apply(bool enabled)
{
    if (enabled) {
        const QColor c = box().palette().color(QPalette::Highlight);
        sci(Sci::SCI_INDICSETFORE, kIndicator, colourValue(c));
        m_rest.start();
    } else {
        m_rest.stop();
        clear();
    }
}

void TagMatch::documentReplaced()
{
    m_shown.reset(); // the indicators went with the old document
    m_rest.start();
}

std::optional<TagPair> TagMatch::pairAtCaret(qsizetype reach) const
{
    const QByteArrayView text = box().utf8();
    const qsizetype pos = sci(Sci::SCI_GETCURRENTPOS);
    const qsizetype from = pos - qMin(pos, reach);
    const qsizetype to = pos + qMin(text.size() - pos, reach);
    auto pair = findTagPair(text.sliced(from, to - from), pos - from);
    if (pair)
        for (TagSpan *t : {&pair->tag, &pair->partner}) {
            t->start += from;
            t->end += from;
        }
    return pair;
}

bool TagMatch::goToPartner()
{
    const auto pair = pairAtCaret(box().utf8().size());
    if (!pair)
        return false;
    sci(Sci::SCI_GOTOPOS, pair->partner.start);
    return true;
}

void TagMatch::highlight()
{
    const auto pair = pairAtCaret(kHighlightReach);
    if (pair && m_shown && pair->tag == m_shown->tag && pair->partner == m_shown->partner)
        return;
    clear();
    if (!pair)
        return;
    sci(Sci::SCI_SETINDICATORCURRENT, kIndicator);
    for (const TagSpan &t : {pair->tag, pair->partner})
        sci(Sci::SCI_INDICATORFILLRANGE, t.start, t.end - t.start);
    m_shown = pair;
}

void TagMatch::clear()
{
    if (!m_shown)
        return;
    // The marks moved with any edit since: clear the runs where they are
    // now, a few steps however big the page.
    const long length = sci(Sci::SCI_GETLENGTH);
    sci(Sci::SCI_SETINDICATORCURRENT, kIndicator);
    for (long pos = 0; pos < length;) {
        const long end = sci(Sci::SCI_INDICATOREND, kIndicator, pos);
        if (end <= pos)
            break;
        if (sci(Sci::SCI_INDICATORVALUEAT, kIndicator, pos))
            sci(Sci::SCI_INDICATORCLEARRANGE, pos, end - pos);
        pos = end;
    }
    m_shown.reset();
}
