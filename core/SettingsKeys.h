// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Sections and keys of the settings store (application "TAGSMITH").
namespace SettingsKeys {
inline const QString App = QStringLiteral("TAGSMITH");
inline const QString Settings = QStringLiteral("Settings");
inline const QString Tools = QStringLiteral("Tools");

inline const QString Height = QStringLiteral("Height");
inline const QString Width = QStringLiteral("Width");
inline const QString Top = QStringLiteral("Top");
inline const QString Left = QStringLiteral("Left");
inline const QString ToolBar = QStringLiteral("ToolBar");
inline const QString StatusBar = QStringLiteral("StatusBar");
inline const QString ProjMan = QStringLiteral("ProjMan");
inline const QString DefaultProj = QStringLiteral("DefaultProj");
inline const QString AutoHTML = QStringLiteral("AutoHTML");
inline const QString CBrowser = QStringLiteral("CBrowser");
inline const QString PBrowser = QStringLiteral("PBrowser");
// Editing aids, "1" on (the default) or "0" off.
inline const QString ColourHTML = QStringLiteral("ColourHTML");
inline const QString MatchTags = QStringLiteral("MatchTags");
inline const QString LineNumbers = QStringLiteral("LineNumbers");
inline const QString CloseTags = QStringLiteral("CloseTags");
inline const QString CompleteTags = QStringLiteral("CompleteTags");
// The live preview: shown ("1") or not (the default), its width in twips,
// and whether it may load files from the network ("0", the default).
inline const QString LivePreview = QStringLiteral("LivePreview");
inline const QString LivePreviewWidth = QStringLiteral("LivePreviewWidth");
inline const QString PreviewRemote = QStringLiteral("PreviewRemote");

// The text a yes/no setting is stored as: "1" or "0".
inline QString flag(bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); }

// Tool keys carry the slot number with a sign position: "ToolCaption 1".
QString toolCaption(int slot);
QString toolFilename(int slot);
} // namespace SettingsKeys

// Numeric reading of a stored text the way the original's conversion did it:
// leading blanks skipped, optional sign, digits (and a fraction), anything
// after that ignored; no number at all reads as 0. Never fails.
double vbVal(const QString &text);
// vbVal rounded and clamped into the int range.
int vbValInt(const QString &text);
// Truth value of a stored text: "True"/"False" (any case), or a number (non-zero = true).
// Anything else reads as false.
bool vbBool(const QString &text);
