// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QWidget>

// A toolbar button drawn from three images: Up (normal), Dn (pressed) and
// N (greyed). It shows Dn while pressed with the pointer over it, Up when the
// pointer is dragged off, and clicks when released over it.
class ImageButton : public QWidget {
    Q_OBJECT
public:
    enum class Image { Up, Dn, N };

    ImageButton(const QString &name, const QPixmap &up, const QPixmap &dn, const QPixmap &n, QWidget *parent);

    // Enabled with the Up image, or disabled with the N image.
    void setShownEnabled(bool enabled);
    Image shownImage() const { return m_shown; }
    QSize sizeHint() const override;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;

private:
    void showImage(Image image);
    bool inside(const QPoint &p) const;

    QPixmap m_up, m_dn, m_n;
    Image m_shown = Image::Up;
};
