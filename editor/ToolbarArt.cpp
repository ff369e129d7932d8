// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/ToolbarArt.h"

#include <QPainter>
#include <QPalette>
#include <QApplication>
#include <QSvgRenderer>

namespace {

enum class Face { Raised, Sunken, Flat };

QPixmap draw(QSvgRenderer &svg, const QSize &size, qreal dpr, Face face)
{
    QPixmap pm(size * dpr);
    pm.setDevicePixelRatio(dpr);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(0, 0, size.width(), size.height());
    const QPalette pal = QApplication::palette();
    p.fillRect(r.adjusted(0, 0, -1, -1), pal.button());
    const QColor light = pal.light().color(), dark = pal.dark().color();
    if (face != Face::Flat) {
        const QColor tl = face == Face::Raised ? light : dark;
        const QColor br = face == Face::Raised ? dark : light;
        p.setPen(QPen(tl, 1));
        p.drawLine(QPointF(0.5, 0.5), QPointF(r.width() - 1.5, 0.5));
        p.drawLine(QPointF(0.5, 0.5), QPointF(0.5, r.height() - 1.5));
        p.setPen(QPen(br, 1));
        p.drawLine(QPointF(0.5, r.height() - 0.5), QPointF(r.width() - 0.5, r.height() - 0.5));
        p.drawLine(QPointF(r.width() - 0.5, 0.5), QPointF(r.width() - 0.5, r.height() - 0.5));
    }
    const qreal side = qMin(r.width(), r.height()) - 6;
    QRectF iconRect((r.width() - side) / 2, (r.height() - side) / 2, side, side);
    if (face == Face::Sunken)
        iconRect.translate(1, 1);
    if (face == Face::Flat) {
        // Grey the icon: render it, then keep its shape in a mid grey.
        QImage img((iconRect.size() * dpr).toSize(), QImage::Format_ARGB32_Premultiplied);
        img.setDevicePixelRatio(dpr);
        img.fill(Qt::transparent);
        {
            QPainter ip(&img);
            svg.render(&ip, QRectF(QPointF(0, 0), iconRect.size()));
            ip.setCompositionMode(QPainter::CompositionMode_SourceIn);
            ip.fillRect(img.rect(), pal.color(QPalette::Disabled, QPalette::WindowText));
        }
        p.setOpacity(0.55);
        p.drawImage(iconRect.topLeft(), img);
    } else {
        svg.render(&p, iconRect);
    }
    return pm;
}

} // namespace

ButtonImages toolbarImages(const QString &icon, const QSize &size, qreal devicePixelRatio)
{
    QSvgRenderer svg(QStringLiteral(":/icons/%1.svg").arg(icon));
    return {draw(svg, size, devicePixelRatio, Face::Raised), draw(svg, size, devicePixelRatio, Face::Sunken),
            draw(svg, size, devicePixelRatio, Face::Flat)};
}
