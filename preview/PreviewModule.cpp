// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/PreviewModule.h"

#include "preview/PreviewPane.h"

#include <QCoreApplication>
#include <QLibrary>

PreviewPane *loadPreviewPane(QWidget *parent, QString *reason)
{
    const QString path = qEnvironmentVariableIsSet("TAGSMITH_PREVIEW_MODULE")
                             ? qEnvironmentVariable("TAGSMITH_PREVIEW_MODULE")
                             : QCoreApplication::applicationDirPath() + QStringLiteral("/modules/tagsmith_preview.so");
    // Never unloaded: the engine cannot be started twice in one run.
    static QLibrary module;
    if (!module.isLoaded()) {
        module.setFileName(path);
        if (!module.load()) {
            *reason = module.errorString();
            return nullptr;
        }
    }
    const auto create = reinterpret_cast<CreatePreviewPane>(module.resolve(kCreatePreviewPane));
    if (!create) {
        *reason = module.errorString();
        return nullptr;
    }
    return create(parent, reason);
}
