// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>

// Drives a modal dialog that a command is about to exec(): once a dialog of
// type T is the active modal widget, `drive` runs on it. Whatever `drive`
// did, the dialog is closed afterwards if it is still open, so a failed
// check cannot leave the test waiting in exec(). `ran` tells whether the
// dialog was ever found.
template <class T>
void whenModal(std::function<void(T *)> drive, bool *ran = nullptr, int triesLeft = 300)
{
    QTimer::singleShot(triesLeft == 300 ? 0 : 10, [drive, ran, triesLeft] {
        if (auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget())) {
            if (ran)
                *ran = true;
            QPointer<T> guard(dialog);
            drive(dialog);
            if (guard && guard->isVisible())
                guard->done(QDialog::Rejected);
            return;
        }
        if (triesLeft > 0)
            whenModal<T>(drive, ran, triesLeft - 1);
    });
}

// Saves a grab of a dialog when TAGSMITH_SHOTS names a folder.
inline void saveShot(QWidget *w, const QString &name)
{
    const QString dir = qEnvironmentVariable("TAGSMITH_SHOTS");
    if (dir.isEmpty())
        return;
    QDir().mkpath(dir);
    w->grab().save(dir + u'/' + name);
}
