// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "options/ToolDialog.h"

// Tool Properties: changes the caption and program of one slot.
class frmInstallProp : public ToolDialog {
    Q_OBJECT
public:
    frmInstallProp(AppState &state, Platform &platform, int slot, QWidget *parent = nullptr);
    // Opening steps: centre on the screen, show the slot's caption and the
    // name of its program while that file exists.
    void load();

    int slot() const { return m_slot; }

protected:
    QString storedProgram() const override;
    void okClicked() override;

private:
    int m_slot;
};
