// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/PreviewModule.h"

#include "platform/Modules.h"
#include "preview/PreviewPane.h"

PreviewPane *loadPreviewPane(QWidget *parent, QString *reason)
{
    const auto create = reinterpret_cast<CreatePreviewPane>(
        moduleFunction(QStringLiteral("tagsmith_preview.so"), kCreatePreviewPane, reason));
    return create ? create(parent, reason) : nullptr;
}
