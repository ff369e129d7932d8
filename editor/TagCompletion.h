// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editor/EditorDecorator.h"

// The completion list of element names after "<" and a letter, of attribute
// names inside a start tag, and of the fixed values of a few attributes
// after `="`: the component's own list, which typing filters, Tab or Return
// accepts and Escape or any character that cannot be part of a name closes.
// Names come in the case the user started with; deprecated ones carry a mark.
class TagCompletion : public EditorDecorator {
    Q_OBJECT
public:
    explicit TagCompletion(ScintillaTextBox &box);

    bool isListShown() const;

protected:
    void apply(bool enabled) override;

private:
    void charAdded(int ch);
    bool onAScreen(long pos) const;
};
