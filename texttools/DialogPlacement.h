#pragma once

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace TextTools {
// Left edge at screen width / 2 - own width / 2, top edge likewise.
inline void centreDialog(QWidget &w)
{
    QScreen *screen = w.screen() ? w.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect s = screen->geometry();
    const QSize own = w.size();
    w.move(s.x() + s.width() / 2 - own.width() / 2, s.y() + s.height() / 2 - own.height() / 2);
}
} // namespace TextTools
