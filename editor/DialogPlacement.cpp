// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/DialogPlacement.h"

#include "editor/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

QPoint centredTopLeft(const QRect &screen, const QSize &window)
{
    return QPoint(screen.x() + screen.width() / 2 - window.width() / 2,
                  screen.y() + screen.height() / 2 - window.height() / 2);
}

void centreOnScreen(QWidget *dialog)
{
    const QWidget *owner = dialog->parentWidget() ? dialog->parentWidget() : dialog;
    const QScreen *s = owner->screen() ? owner->screen() : QGuiApplication::primaryScreen();
    if (!s)
        return;
    dialog->move(centredTopLeft(s->geometry(), dialog->size()));
}

void placeTwips(QWidget *control, int left, int top, int width, int height)
{
    control->setGeometry(twipsToPxX(left, control), twipsToPxY(top, control), twipsToPxX(width, control),
                         twipsToPxY(height, control));
}
