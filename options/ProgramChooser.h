// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class FileDialogs;
class QWidget;

// Asking for a program to run ("Choose Tool", "Find Browser"). The dialog
// starts in the folder of the program chosen earlier in this opening, else
// in that of the stored program while its folder exists, else in /usr/bin,
// and offers only files the user may run. Returns the path chosen, or
// `chosen` unchanged when the dialog is cancelled.
QString chooseProgram(FileDialogs &files, QWidget *parent, const QString &title, const QString &filter,
                      const QString &chosen, const QString &stored);
