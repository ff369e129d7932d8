// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Modules.h"

#include <QCoreApplication>
#include <QLibrary>

QFunctionPointer moduleFunction(const QString &file, const char *symbol, QString *reason)
{
    const QString folder = qEnvironmentVariableIsSet("TAGSMITH_MODULES")
                               ? qEnvironmentVariable("TAGSMITH_MODULES")
                               : QCoreApplication::applicationDirPath() + QStringLiteral("/modules");
    // A QLibrary going away leaves its library loaded: the preview's engine
    // cannot be started twice in one run.
    QLibrary module(folder + u'/' + file);
    if (!module.load()) {
        *reason = module.errorString();
        return nullptr;
    }
    const QFunctionPointer function = module.resolve(symbol);
    if (!function)
        *reason = module.errorString();
    return function;
}
