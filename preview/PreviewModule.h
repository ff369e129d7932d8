// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class PreviewPane;
class QWidget;

// Loads the engine-backed preview module and makes a pane in `parent`; on
// failure returns nothing and says why in `reason` (see platform/Modules.h).
PreviewPane *loadPreviewPane(QWidget *parent, QString *reason);
