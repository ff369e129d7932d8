// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editor/EditorDecorator.h"

class TypeOver;

// Closing tags: once the ">" that ends a start tag is typed (or stepped
// over), the element's end tag goes in after the caret, in the same case
// ("<TABLE>" gets "</TABLE>"), and can be typed over.
class TagCloser : public EditorDecorator {
    Q_OBJECT
public:
    TagCloser(ScintillaTextBox &box, TypeOver &typeOver);

protected:
    void apply(bool) override {}

private:
    void tagEnded();

    TypeOver &m_typeOver;
};
