// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <QtTest>

#include <functional>

// Runs `drive` on the modal dialog of type D that the next command opens, from
// that dialog's own event loop. Fails the test when another dialog (or none)
// is up instead, and closes the dialog afterwards if `drive` left it open, so
// a failed check never hangs the test in exec().
template <typename D>
void onModal(std::function<void(D &)> drive)
{
    QTimer::singleShot(0, [drive] {
        auto *dialog = qobject_cast<D *>(QApplication::activeModalWidget());
        if (!dialog) {
            if (QWidget *other = QApplication::activeModalWidget())
                other->close();
            QFAIL(qPrintable(QStringLiteral("the expected %1 was not shown").arg(D::staticMetaObject.className())));
        }
        drive(*dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
}
