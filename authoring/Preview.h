// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/UiText.h"

#include <QString>
#include <QStringList>

class SettingsStore;
class frmEditor;

// Showing the current page in a web browser.
namespace Preview {

inline constexpr UiText kNoBrowserText{
    "Preview", QT_TRANSLATE_NOOP("Preview", "You must specify a web browser in Options or use SnapPreview.")};
inline constexpr UiText kNoBrowserTitle{"Preview", QT_TRANSLATE_NOOP("Preview", "Preview Error")};
// When the desktop has no program that opens pages (xdg-open missing).
inline constexpr UiText kNoOpenerText{
    "Preview", QT_TRANSLATE_NOOP("Preview", "The page cannot be shown: no program was found that opens web pages on this "
                                            "desktop (xdg-open, from the package xdg-utils). Install it, or choose a web "
                                            "browser in Options.")};

// Whether "CBrowser" asks for the browser program of "PBrowser" rather than
// the desktop's default browser. The Options dialog writes only True and
// False; an absent value reads as False (default browser), and any other
// text is read as a truth value the usual way (vbBool: "True"/"False" in any
// case, a number is true when non-zero, anything else false).
bool usesChosenBrowser(const SettingsStore &settings);

// The command line of a preview with a chosen browser, as it is shown and
// logged: browser path, one blank, the page path in double quotes (the
// browser path itself is not quoted). The program is started with an
// argument list instead, so blanks in either path need no quoting.
QString commandLine(const QString &browser, const QString &pagePath);

// What a preview does, decided from the settings alone.
struct Plan {
    enum class Kind { ShellOpen, StartBrowser, NoBrowser };
    Kind kind = Kind::ShellOpen;
    QString pagePath;      // the file shown
    QString program;       // StartBrowser: the browser program
    QStringList arguments; // StartBrowser: { pagePath }
    QString commandLine;   // StartBrowser: commandLine(program, pagePath)
};
Plan plan(const SettingsStore &settings, const QString &pagePath);

// File "&Preview in Web Browser": saves the page, then shows it.
void run(frmEditor &editor);

} // namespace Preview
