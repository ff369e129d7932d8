// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>

// The program's one shared state: every window reads and writes it.
struct AppState {
    // Full path of the page being edited, or "Tagsmith" while the project has no pages.
    QString CurrentPagePath;
    // Folder name of the current project below the projects root.
    QString CurrentProject;
    // Twips that the toolbar (370) and status bar (230) take from the editing area.
    int ChromeHeight = 600;
    // 1 while start-up shows the Project Manager.
    int StartingUp = 0;
    // In-memory copies of "ProjMan" and "AutoHTML".
    int ProjManOption = 0;
    int AutoHtmlOption = 0;
    // Custom tool table, slots 1..9 (index 0 unused), occupied slots contiguous from 1.
    std::array<QString, 10> ToolCaptions;
    std::array<QString, 10> ToolFilenames;

    // Folder of the program file, without trailing separator.
    QString appDir;
    // Folder default.htm and spell.dat are read from (Paths::dataDir).
    QString dataDir;
    // Where the projects live (Paths::projectsRoot); every project and page
    // path is built on it.
    QString projectsRoot;
};

constexpr int kToolSlots = 9;
