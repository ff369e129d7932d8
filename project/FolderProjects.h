// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class SettingsStore;

// Folders opened as projects from outside the projects root ("folder
// projects") are remembered in the settings section "Folders", one key per
// folder: the key is "Folder " and a digest of the path (keys compare
// without regard to case, paths do not), the value the folder's absolute
// path. A folder taken off the list keeps its key with an empty value, as
// the settings store deletes nothing; the folder itself is never touched.
namespace FolderProjects {

inline const QString Section = QStringLiteral("Folders");

// The settings key of a folder.
QString key(const QString &folder);
// The remembered folders that still exist, sorted without regard to case.
QStringList remembered(const SettingsStore &settings);
// Adds the folder to the list (nothing happens when it is listed already).
bool remember(SettingsStore &settings, const QString &folder);
// Takes the folder off the list.
bool forget(SettingsStore &settings, const QString &folder);

} // namespace FolderProjects
