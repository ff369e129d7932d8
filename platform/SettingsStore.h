// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The per-user settings store: text values under (section, key). Nothing is
// ever deleted; absent keys give the caller's default.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual QString read(const QString &section, const QString &key, const QString &defaultValue) const = 0;
    // Returns false when the value could not be made to last (the store file
    // could not be written); the value is still readable for this run.
    virtual bool write(const QString &section, const QString &key, const QString &value) = 0;
    // Whether the key exists at all, for the few readers that take no default.
    virtual bool contains(const QString &section, const QString &key) const = 0;
    // The keys of a section, in the order they were first written.
    virtual QStringList keys(const QString &section) const = 0;
};
