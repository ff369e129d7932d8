// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class SettingsStore;
class MessageBoxes;
class ShellOpen;
class ProgramStarter;
class FileDialogs;
class Clipboard;
class ProgramEnd;
class PrinterProvider;
class RecoveryStore;

// Everything the program asks of the desktop, one interface each. The real
// set talks to Qt and the system; tests pass scriptable ones.
struct Platform {
    SettingsStore &settings;
    MessageBoxes &messages;
    ShellOpen &shell;
    ProgramStarter &starter;
    FileDialogs &files;
    Clipboard &clipboard;
    ProgramEnd &end;
    RecoveryStore &recovery; // unsaved text and put-aside copies of pages
    PrinterProvider *printers = nullptr; // set up by the print feature
};
