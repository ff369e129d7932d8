// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QSize>

class QWidget;

// Where the program's windows go. Every dialog opens centred on the screen,
// and controls are placed by designed positions in twips.

// Top-left corner that centres a window of the given size on a screen:
// half the screen width minus half the window width, and the same downwards.
QPoint centredTopLeft(const QRect &screen, const QSize &window);

// Moves a dialog to the centre of its screen (the screen of its parent when
// it has one, so that it opens where the main window is).
void centreOnScreen(QWidget *dialog);

// Gives a control its designed place, in twips, at the screen's resolution.
void placeTwips(QWidget *control, int left, int top, int width, int height);
