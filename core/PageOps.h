// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/PageGuard.h"
#include "core/UiText.h"

#include <QString>

struct AppState;
struct Platform;
class TextBox;
class QWidget;

// What the page operations reach in the main window.
class PageView {
public:
    virtual ~PageView() = default;
    virtual TextBox &txtEdit() = 0;
    virtual void setCaption(const QString &caption) = 0;
    virtual QString caption() const = 0;
    virtual int pageCount() const = 0; // entries of the page list
    virtual QWidget *window() = 0;     // parent for message boxes

    // What the page on screen was on disk when it was last read or written.
    PageGuard onDisk;
};

// Why a window is being closed (the platform's unload reasons).
enum class CloseReason { ControlMenu = 0, Code = 1, AppShutdown = 2, TaskManager = 3, Form = 4 };

inline constexpr UiText kOpenErrorText{
    "PageOps", QT_TRANSLATE_NOOP("PageOps", "Error encountered while trying to open file, please retry.")};
inline constexpr UiText kOpenErrorTitle{"PageOps", QT_TRANSLATE_NOOP("PageOps", "Text Editor")};
inline constexpr UiText kSaveErrorText{
    "PageOps", QT_TRANSLATE_NOOP("PageOps", "Error occurred while trying to close file, please retry.")};
inline constexpr UiText kOverwriteText{"PageOps", QT_TRANSLATE_NOOP("PageOps", "Overwrite existing file?")};

// Reads the page into the editing area and sets the caption from its title.
// On failure (also for anything but a regular file, or a file too large to
// edit) shows the open error and leaves text and caption as they were.
bool OpenPage(Platform &platform, PageView &view, const QString &path);

// Writes the editing area's text to path, without asking, unless that would
// replace what another program wrote there since the page was read:
// - changed on disk, unchanged on screen: nothing is written and the disk's
//   version is put on screen instead;
// - changed on both: the user is asked whether to overwrite; the version not
//   kept is put aside as a recovery copy.
// A page that was never loaded (refused at open, or another file than the
// one on screen) is not written: its bytes stay as they are.
// Returns whether the page on screen is safely on disk now (true when there
// is no page on screen: nothing of it can be lost). On a failed write it
// shows the save error and the file on disk is left as it was.
bool SavePage(Platform &platform, PageView &view, const QString &path);
// Like SavePage, but asks "Overwrite existing file?" first when path exists;
// returns false (and writes nothing) on No.
bool SavePageAs(Platform &platform, PageView &view, const QString &path);

// The question asked when a page changed both on disk and on screen.
QString conflictQuestion(const QString &path, const QString &copiesFolder);

// Whether closing for this reason saves the page and placement and ends the program.
bool closeReasonEndsProgram(CloseReason reason);
