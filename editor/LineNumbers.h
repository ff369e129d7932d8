// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editor/EditorDecorator.h"

// The line numbers in a margin left of the text, as wide as the number of
// the last line needs.
class LineNumbers : public EditorDecorator {
    Q_OBJECT
public:
    explicit LineNumbers(ScintillaTextBox &box);

protected:
    void apply(bool enabled) override;
    void documentReplaced() override { fitWidth(); }

private:
    void fitWidth();
    int m_digits = 0; // the width the margin was last fitted to
};
