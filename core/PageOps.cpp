// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/PageOps.h"

#include "core/PageText.h"
#include "core/RecoveryStore.h"
#include "core/SafeFile.h"
#include "core/TextBox.h"
#include "core/TitleScan.h"
#include "platform/MessageBoxes.h"
#include "platform/Platform.h"

#include <QDir>
#include <QFileInfo>

namespace {
void showSaveError(Platform &platform, PageView &view)
{
    platform.messages.inform(view.window(), kSaveErrorText, QStringLiteral("Tagsmith"),
                             MessageRequest::Icon::Exclamation);
}

bool writePage(Platform &platform, PageView &view, const QString &path)
{
    TextBox &box = view.txtEdit();
    const bool written = box.withBytes([&](QByteArrayView bytes) {
        if (writeFileSafely(path, bytes)) {
            view.onDisk.remember(path, bytes);
            return true;
        }
        // Failed after the bytes went in (the folder's flush): they are this
        // program's own, not another's, when the next save looks.
        QByteArray now;
        if (readWholeFile(path, now) && now == bytes)
            view.onDisk.remember(path, bytes);
        return false;
    });
    if (!written) {
        showSaveError(platform, view);
        return false;
    }
    box.setModified(false);
    return true;
}
} // namespace

bool OpenPage(Platform &platform, PageView &view, const QString &path)
{
    TextBox &box = view.txtEdit();
    if (!box.loadFile(path)) {
        platform.messages.inform(view.window(), kOpenErrorText, kOpenErrorTitle, MessageRequest::Icon::Exclamation);
        return false;
    }
    // The bytes as loaded (the editing area lends its own where it can).
    box.withBytes([&](QByteArrayView bytes) {
        view.onDisk.remember(path, bytes);
        view.setCaption(captionForTitle(scanTitle(QByteArray::fromRawData(bytes.data(), bytes.size()),
                                                  box.encoding(), true)));
        return true;
    });
    return true;
}

QString conflictQuestion(const QString &path, const QString &copiesFolder)
{
    return QCoreApplication::translate("PageOps",
                                       "%1 was changed by another program after Tagsmith read it, and the text on "
                                       "screen has changed too.\n\nReplace the other program's version with the "
                                       "text on screen?\n\nThe version you do not keep is saved in %2.")
        .arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(copiesFolder));
}

bool SavePage(Platform &platform, PageView &view, const QString &path)
{
    TextBox &box = view.txtEdit();
    QByteArray onDisk;
    const PageGuard::Disk disk = view.onDisk.check(path, &onDisk);
    if (disk != PageGuard::Disk::Changed) {
        // A page never loaded keeps its bytes: the text on screen is not its text.
        return !view.onDisk.mayWrite(disk, path) || writePage(platform, view, path);
    }

    // Another program (or another Tagsmith) wrote the page since it was read.
    if (!box.isModified())
        return OpenPage(platform, view, path); // its version stands: show it
    RecoveryStore &recovery = platform.recovery;
    if (platform.messages.confirm(view.window(), conflictQuestion(path, recovery.copiesFolder()))) {
        if (recovery.keepCopy(path, onDisk).isEmpty()) {
            showSaveError(platform, view);
            return false;
        }
        return writePage(platform, view, path);
    }
    const bool kept = box.withBytes([&](QByteArrayView bytes) { return !recovery.keepCopy(path, bytes).isEmpty(); });
    if (!kept) {
        showSaveError(platform, view);
        return false;
    }
    return OpenPage(platform, view, path);
}

bool SavePageAs(Platform &platform, PageView &view, const QString &path)
{
    if (!QFileInfo::exists(path))
        return SavePage(platform, view, path);
    if (!platform.messages.confirm(view.window(), kOverwriteText))
        return false;
    const PageGuard::Disk disk = view.onDisk.check(path);
    if (disk == PageGuard::Disk::NotRemembered || disk == PageGuard::Disk::Refused)
        return writePage(platform, view, path); // not the page on screen: the user chose to replace it
    return SavePage(platform, view, path);
}

bool closeReasonEndsProgram(CloseReason reason)
{
    return reason == CloseReason::ControlMenu || reason == CloseReason::TaskManager
           || reason == CloseReason::AppShutdown;
}
