// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// Where projects and pages live. Paths are built by concatenation with "/"
// onto the projects root or the data folder (no trailing separator). Names
// the program treats without regard to case ("project", "default", page
// extensions) are looked up case-insensitively, so "Default" finds the
// folder "default".
namespace Paths {

// dir + "/" + name, where name is replaced by the spelling of an existing
// entry of dir that matches it case-insensitively (an exact match wins).
QString resolve(const QString &dir, const QString &name);

// The projects root, settled once at start-up: "project" beside the program
// for a portable copy (default.htm beside the program, in a folder the user
// may write to, not below /usr); for an installed program (its data in
// share/tagsmith) userDataDir + "/TAGSMITH/project" (userDataDir is
// $XDG_DATA_HOME, normally ~/.local/share), whoever runs it and whatever the
// prefix: nothing is written below the installation.
QString projectsRoot(const QString &appDir, const QString &userDataDir);
// The folder default.htm and spell.dat are read from: the application
// directory when it holds default.htm, otherwise the installation's shared
// data folder (share/tagsmith, found relative to the program).
QString dataDir(const QString &appDir);

// A project is either the name of a folder below the projects root or, for
// a folder opened as a project from anywhere else (a "folder project"), the
// folder's absolute path. Every project and page path is built here.
QString projectFolder(const QString &root, const QString &project);
QString pagePath(const QString &root, const QString &project, const QString &page);
// Whether the project is a folder project (an absolute path).
bool isFolderProject(const QString &project);
// A project that names a folder: a safe name below the root, or a folder project.
bool isProject(const QString &project);
// The project a folder stands for: its name when it lies directly in the
// projects root, otherwise the folder itself as a folder project (absolute,
// links resolved, so one folder is one project however it was reached).
QString projectOfFolder(const QString &root, const QString &folder);
// How the status line and messages name a project: its name, or the folder.
QString projectLabel(const QString &project);
QString defaultTemplate(const QString &dataDir); // "default.htm"
QString dictionary(const QString &dataDir);      // "spell.dat"
QString translations(const QString &dataDir);    // "translations", the .qm catalogues

// What a path named on the command line or dropped on the window is.
enum class PathKind { Page, Folder, Missing, Other };
PathKind kindOf(const QString &path);

// A page is a plain file whose name ends in ".htm" or ".html", any case.
bool isPageName(const QString &fileName);
// Page file names of a folder, sorted alphabetically without regard to case.
QStringList listPages(const QString &folder);
// How many entries of folder are named like pages but not listed: folders,
// pipes and devices, and names that are not UTF-8 (they cannot be spelt back).
int unlistedPages(const QString &folder);
// Project folder names of the projects root (folders only, also through a
// link to a folder, hidden ones skipped), sorted alphabetically without
// regard to case.
QStringList listProjects(const QString &root);

// A name that stays inside its folder: not empty, not "." or "..", and
// without "/", "\\" or NUL.
bool isSafeName(const QString &name);

// Creates the projects root (with its parents) and the default project when
// missing. Returns false when they could not be created.
bool ensureProjectsRoot(const QString &root);

// Creates the scratch file "test.tst" in the project folder and deletes it
// again; false when the folder is missing or refuses either step.
bool projectIsWritable(const QString &root, const QString &project);

} // namespace Paths
