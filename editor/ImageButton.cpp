// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/ImageButton.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>

namespace {
// Screen readers hear a button that can be pressed, not a bare area.
class ImageButtonAccessible : public QAccessibleWidget {
public:
    explicit ImageButtonAccessible(ImageButton *button) : QAccessibleWidget(button, QAccessible::Button) {}
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &action) override
    {
        if (action == pressAction() && widget()->isEnabled())
            emit static_cast<ImageButton *>(widget())->clicked();
    }
};

QAccessibleInterface *accessibleFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String(ImageButton::staticMetaObject.className()))
        if (auto *button = qobject_cast<ImageButton *>(object))
            return new ImageButtonAccessible(button);
    return nullptr;
}
} // namespace

ImageButton::ImageButton(const QString &name, const QPixmap &up, const QPixmap &dn, const QPixmap &n,
                         QWidget *parent)
    : QWidget(parent), m_up(up), m_dn(dn), m_n(n)
{
    setObjectName(name);
    setAttribute(Qt::WA_Hover);
    static const bool accessible = (QAccessible::installFactory(accessibleFactory), true);
    Q_UNUSED(accessible);
}

QSize ImageButton::sizeHint() const { return m_up.deviceIndependentSize().toSize(); }

void ImageButton::setShownEnabled(bool enabled)
{
    setEnabled(enabled);
    showImage(enabled ? Image::Up : Image::N);
}

void ImageButton::showImage(Image image)
{
    if (m_shown == image)
        return;
    m_shown = image;
    update();
}

bool ImageButton::inside(const QPoint &p) const
{
    return !(p.x() <= 0 || p.x() > width() || p.y() < 0 || p.y() > height());
}

void ImageButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QPixmap &pm = m_shown == Image::Up ? m_up : m_shown == Image::Dn ? m_dn : m_n;
    painter.drawPixmap(rect(), pm);
}

void ImageButton::mousePressEvent(QMouseEvent *) { showImage(Image::Dn); }

void ImageButton::mouseMoveEvent(QMouseEvent *e)
{
    if (e->buttons() & Qt::LeftButton)
        showImage(inside(e->position().toPoint()) ? Image::Dn : Image::Up);
}

void ImageButton::mouseReleaseEvent(QMouseEvent *e)
{
    showImage(Image::Up);
    if (e->button() == Qt::LeftButton && inside(e->position().toPoint()))
        emit clicked();
}
