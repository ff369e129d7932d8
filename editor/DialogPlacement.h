#pragma once

#include <QRect>
#include <QSize>

class QWidget;

namespace Project {

// Top-left corner that centres a window of the given size on a screen:
// half the screen width minus half the window width, and the same downwards.
QPoint centredTopLeft(const QRect &screen, const QSize &window);

// Moves a dialog to the centre of its screen (the screen of its parent when
// it has one, so that it opens where the main window is).
void centreOnScreen(QWidget *dialog);

} // namespace Project
