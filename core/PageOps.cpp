#include "core/PageOps.h"

#include "core/PageText.h"
#include "core/SafeFile.h"
#include "core/TextBox.h"
#include "core/TitleScan.h"
#include "platform/MessageBoxes.h"
#include "platform/Platform.h"

#include <QFileInfo>

bool OpenPage(Platform &platform, PageView &view, const QString &path)
{
    QByteArray bytes;
    if (!readWholeFile(path, bytes)) {
        platform.messages.inform(view.window(), kOpenErrorText, kOpenErrorTitle, MessageRequest::Icon::Exclamation);
        return false;
    }
    const TextEncoding encoding = detectEncoding(bytes);
    view.txtEdit().setBytes(bytes, encoding);
    view.setCaption(captionForTitle(scanTitle(bytes, encoding, true)));
    return true;
}

bool SavePage(Platform &platform, PageView &view, const QString &path)
{
    const bool written = view.txtEdit().withBytes(
        [&path](QByteArrayView bytes) { return writeFileSafely(path, bytes); });
    if (!written) {
        platform.messages.inform(view.window(), kSaveErrorText, QStringLiteral("Tagsmith"),
                                 MessageRequest::Icon::Exclamation);
        return false;
    }
    return true;
}

bool SavePageAs(Platform &platform, PageView &view, const QString &path)
{
    if (QFileInfo::exists(path) && !platform.messages.confirm(view.window(), kOverwriteText))
        return false;
    return SavePage(platform, view, path);
}

bool closeReasonEndsProgram(CloseReason reason)
{
    return reason == CloseReason::ControlMenu || reason == CloseReason::TaskManager;
}
