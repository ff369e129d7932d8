// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editor/EditorDecorator.h"

// Colours the markup of the page with the editing component's own HTML
// lexer: tags, attributes and their values, comments, entities, and the
// script inside a page. Only the text shown is styled, so big pages open and
// take typing as fast as uncoloured ones. The colours follow the palette: a
// dark background gets light colours.
class HtmlColouring : public EditorDecorator {
    Q_OBJECT
public:
    explicit HtmlColouring(ScintillaTextBox &box);

protected:
    void apply(bool enabled) override;
    void documentReplaced() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setLexer();
    void setColours();
};
