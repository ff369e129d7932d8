#pragma once

#include "platform/IniFormat.h"
#include "platform/SettingsStore.h"

// Settings in a per-user INI file, by default
// $XDG_CONFIG_HOME/TAGSMITH/TAGSMITH.ini. The file is read once and written
// whole (safely) after every change.
class IniSettingsStore : public SettingsStore {
public:
    explicit IniSettingsStore(const QString &filePath);
    static QString defaultFilePath();

    QString read(const QString &section, const QString &key, const QString &defaultValue) const override;
    bool write(const QString &section, const QString &key, const QString &value) override;
    bool contains(const QString &section, const QString &key) const override;

    QString filePath() const { return m_path; }

private:
    QString m_path;
    IniDocument m_doc;
};
