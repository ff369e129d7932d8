// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/EditorDecorator.h"

#include "editor/ScintillaTextBox.h"

EditorDecorator::EditorDecorator(ScintillaTextBox &box) : QObject(&box), m_box(box)
{
    connect(&box, &ScintillaTextBox::documentReplaced, this, [this] {
        if (m_enabled)
            documentReplaced();
    });
}

void EditorDecorator::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    apply(enabled);
}

long EditorDecorator::sci(unsigned int msg, unsigned long w, long l) const { return m_box.SendScintilla(msg, w, l); }
