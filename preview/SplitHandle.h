// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <functional>

// A bar the user drags sideways to share the width between two panes; it
// reports how far it was dragged, and when the drag ends, and leaves the
// layout to its owner.
class SplitHandle : public QWidget {
public:
    SplitHandle(std::function<void(int dx)> dragged, std::function<void()> dropped, QWidget *parent);

protected:
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void paintEvent(QPaintEvent *e) override;

private:
    std::function<void(int)> m_dragged;
    std::function<void()> m_dropped;
    int m_lastX = 0;
    bool m_dragging = false;
};
