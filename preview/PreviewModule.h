// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class PreviewPane;
class QWidget;

// Loads the engine-backed preview module and makes a pane in `parent`; on
// failure returns nothing and says why in `reason`. The module is looked
// for beside the program, or where TAGSMITH_PREVIEW_MODULE says.
PreviewPane *loadPreviewPane(QWidget *parent, QString *reason);
