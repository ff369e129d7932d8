// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// Window geometry is designed in twips (1/1440 inch); widgets use pixels at
// the screen's logical resolution.
inline int twipsToPxX(int twips, const QWidget *w) { return qRound(double(twips) * w->logicalDpiX() / 1440.0); }
inline int twipsToPxY(int twips, const QWidget *w) { return qRound(double(twips) * w->logicalDpiY() / 1440.0); }
inline int pxToTwipsX(int px, const QWidget *w) { return qRound(px * 1440.0 / w->logicalDpiX()); }
inline int pxToTwipsY(int px, const QWidget *w) { return qRound(px * 1440.0 / w->logicalDpiY()); }
