// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

// A text the user sees, kept as a named constant (a message, a caption):
// its English source as written, marked for lupdate with
// QT_TRANSLATE_NOOP(context, source), and translated each time it is used
// as a QString, so the language loaded at start applies to constants made
// before it was.
struct UiText {
    const char *context;
    const char *source;
    operator QString() const { return QCoreApplication::translate(context, source); }
    QString arg(const QString &a) const { return QString(*this).arg(a); }
};
