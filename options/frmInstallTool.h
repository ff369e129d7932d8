// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "options/ToolDialog.h"

// Install Tool: adds a tool to the first free slot of the tool table.
class frmInstallTool : public ToolDialog {
    Q_OBJECT
public:
    frmInstallTool(AppState &state, Platform &platform, QWidget *parent = nullptr);
    // Opening steps: centre on the screen, close gaps in the tool table.
    void load();

    QLabel *Label1 = nullptr;

protected:
    void okClicked() override;
};
