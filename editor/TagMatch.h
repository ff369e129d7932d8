// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/TagPairs.h"
#include "editor/EditorDecorator.h"

#include <QTimer>

// Highlights the tag at the caret and its partner (the opening or closing tag
// of the same element) once the caret has rested a moment, and jumps to the
// partner on request.
class TagMatch : public EditorDecorator {
    Q_OBJECT
public:
    explicit TagMatch(ScintillaTextBox &box);

    // Puts the caret at the start of the partner of the tag at the caret;
    // works whether or not the highlighting is on. Returns whether there was one.
    bool goToPartner();
    // The tags highlighted now (none while switched off or while the caret
    // is in no tag with a partner).
    std::optional<TagPair> highlighted() const { return m_shown; }

    static constexpr int kRestMs = 250;
    // The highlight looks for the partner this many bytes either side of the
    // caret, so resting on <HTML> of a page of many megabytes does not search
    // all of it each time; the jump looks through the whole page.
    static constexpr qsizetype kHighlightReach = 1024 * 1024;

protected:
    void apply(bool enabled) override;
    void documentReplaced() override;

private:
    std::optional<TagPair> pairAtCaret(qsizetype reach) const;
    void highlight();
    void clear();

    QTimer m_rest;
    std::optional<TagPair> m_shown;
};
