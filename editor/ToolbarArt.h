// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QString>

// The three looks of a toolbar button, drawn from one icon: Up is the icon on
// a raised face, Dn the same face pressed in (icon moved one pixel down and
// right), N the icon greyed on a flat face.
struct ButtonImages {
    QPixmap up, dn, n;
};

// icon: the base name of an SVG in the resources ("new", "save", ...);
// size: the button's size in device-independent pixels.
ButtonImages toolbarImages(const QString &icon, const QSize &size, qreal devicePixelRatio);
