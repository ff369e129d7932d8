// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// Plain INI text: "[Section]" lines and "Key=Value" lines, UTF-8. Keys are
// kept as written (including inner blanks: "ToolCaption 1"); values keep
// their blanks, and backslash, CR and LF in values are escaped as \\, \r, \n.
struct IniSection {
    QString name;
    QList<QPair<QString, QString>> entries; // in file order, keys unique
};
using IniDocument = QList<IniSection>;

// Tolerant parse: lines that are neither sections nor "key=value" are skipped,
// a later duplicate key replaces the earlier value, sections match case-insensitively.
IniDocument parseIni(const QByteArray &bytes);
QByteArray serializeIni(const IniDocument &doc);

// Lookup and update helpers; section and key names compare case-insensitively
// (the registry the store stands for does the same).
const QString *iniFind(const IniDocument &doc, const QString &section, const QString &key);
void iniSet(IniDocument &doc, const QString &section, const QString &key, const QString &value);
QStringList iniKeys(const IniDocument &doc, const QString &section);

// Sets one key in INI text and keeps every other line as it is, byte for
// byte: comments, blank lines, unknown keys, line ends. The key's last line
// (the one a read takes) gets the new value; a new key goes after the last
// key of its section, a new section at the end. text must be UTF-8.
QByteArray iniSetInText(const QByteArray &text, const QString &section, const QString &key, const QString &value);
