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
// when the application directory is writable (a portable copy), otherwise
// userDataDir + "/TAGSMITH/project" (userDataDir is $XDG_DATA_HOME, normally
// ~/.local/share), as in an installation the user may not write to.
QString projectsRoot(const QString &appDir, const QString &userDataDir);
// The folder default.htm and spell.dat are read from: the application
// directory when it holds default.htm, otherwise the installation's shared
// data folder (share/tagsmith, found relative to the program).
QString dataDir(const QString &appDir);

QString projectFolder(const QString &root, const QString &project);
QString pagePath(const QString &root, const QString &project, const QString &page);
QString defaultTemplate(const QString &dataDir); // "default.htm"
QString dictionary(const QString &dataDir);      // "spell.dat"
QString translations(const QString &dataDir);    // "translations", the .qm catalogues

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
