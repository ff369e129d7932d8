// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

// Drives the next modal dialog of type T once it is up: the action runs from
// the dialog's own event loop. Polls briefly, so it also works when the
// dialog opens a little later (after a message box, say). When no such
// dialog appears, the action never runs and *seen stays false.
template <typename T>
void whenModal(std::function<void(T *)> action, bool *seen = nullptr, int triesLeft = 300)
{
    QTimer::singleShot(triesLeft == 300 ? 0 : 10, [action, seen, triesLeft] {
        if (auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget())) {
            if (seen)
                *seen = true;
            action(dialog);
            return;
        }
        if (triesLeft > 0)
            whenModal<T>(action, seen, triesLeft - 1);
    });
}
