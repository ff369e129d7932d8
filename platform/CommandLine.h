// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// What the program was asked to do by its arguments (without the program's
// own name): run the window, print the usage or the version, or check pages.
struct CommandLine {
    enum class Action { Run, Help, Version, Check, Error };
    Action action = Action::Run;
    QStringList files;      // the FILE and FOLDER arguments: to open, or pages to check
    QString error;          // what was wrong, with Action::Error
    bool newWindow = false; // --new-window: a window of its own, not the running one's
};

CommandLine parseCommandLine(const QStringList &args);
// The usage as --help prints it.
QString usageText();
// "Tagsmith X.Y", the version this program was built as.
QString versionText();
