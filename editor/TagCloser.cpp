// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/TagCloser.h"

#include "core/MarkupSpot.h"
#include "editor/ScintillaTextBox.h"
#include "editor/TypeOver.h"

TagCloser::TagCloser(ScintillaTextBox &box, TypeOver &typeOver) : EditorDecorator(box), m_typeOver(typeOver)
{
    connect(&box, &Sci::SCN_CHARADDED, this, [this](int ch) {
        if (ch == '>' && isEnabled())
            tagEnded();
    });
    connect(&typeOver, &TypeOver::steppedOver, this, [this](char ch) {
        if (ch == '>' && isEnabled())
            tagEnded();
    });
}

void TagCloser::tagEnded()
{
    const long caret = sci(Sci::SCI_GETCURRENTPOS);
    const QByteArray tag = endTagFor(box().utf8(), caret - 1);
    if (tag.isEmpty())
        return;
    // Not grouped: it joins the ">" just typed, so one Undo takes back both.
    sci(Sci::SCI_INSERTTEXT, caret, reinterpret_cast<long>(tag.constData()));
    m_typeOver.add(caret, tag);
}
