// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/SplitHandle.h"

#include <QMouseEvent>
#include <QStyle>
#include <QStyleOption>
#include <QStylePainter>

SplitHandle::SplitHandle(std::function<void(int)> dragged, std::function<void()> dropped, QWidget *parent)
    : QWidget(parent), m_dragged(std::move(dragged)), m_dropped(std::move(dropped))
{
    setCursor(Qt::SplitHCursor);
}

void SplitHandle::mousePressEvent(QMouseEvent *e)
{
    m_dragging = e->button() == Qt::LeftButton;
    m_lastX = e->globalPosition().toPoint().x();
}

void SplitHandle::mouseMoveEvent(QMouseEvent *e)
{
    if (!m_dragging)
        return;
    const int x = e->globalPosition().toPoint().x();
    if (x != m_lastX)
        m_dragged(x - m_lastX);
    m_lastX = x;
}

void SplitHandle::mouseReleaseEvent(QMouseEvent *)
{
    if (m_dragging)
        m_dropped();
    m_dragging = false;
}

void SplitHandle::paintEvent(QPaintEvent *)
{
    QStylePainter p(this);
    QStyleOption opt;
    opt.initFrom(this);
    opt.state |= QStyle::State_Horizontal;
    p.drawControl(QStyle::CE_Splitter, opt);
}
