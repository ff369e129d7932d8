// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>

// The user's language for the program's own texts (tagsmith_<language>.qm in
// `folder`) and for Qt's (qtbase_<language>.qm from Qt's translations folder:
// standard buttons, file and print dialogs; qscintilla_<language>.qm: the
// editing area's context menu). Installed on the running
// application before any window is made; English, the texts as written,
// wherever a catalogue is missing. Returns how many catalogues were loaded.
int installTranslations(const QLocale &locale, const QString &folder);
