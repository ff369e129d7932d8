// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/IniFormat.h"
#include "platform/SettingsStore.h"

#include <functional>

// Settings in a per-user INI file, by default
// $XDG_CONFIG_HOME/TAGSMITH/TAGSMITH.ini. Each write changes only its own key
// on disk: under a lock file, the file is read again, the key set, and the
// file replaced safely, so that keys written meanwhile by another running
// Tagsmith are kept. A file that is not plain text is read as far as it can
// be, and put aside as TAGSMITH.ini.bad before a new one replaces it.
class IniSettingsStore : public SettingsStore {
public:
    explicit IniSettingsStore(const QString &filePath);
    static QString defaultFilePath();

    QString read(const QString &section, const QString &key, const QString &defaultValue) const override;
    bool write(const QString &section, const QString &key, const QString &value) override;
    bool contains(const QString &section, const QString &key) const override;
    QStringList keys(const QString &section) const override;

    QString filePath() const { return m_path; }
    // Told, with a message for the user, when a write could not be made to
    // last; once, until a write succeeds again.
    void setFailureHandler(std::function<void(const QString &message)> handler) { m_onFailure = std::move(handler); }

private:
    bool store(const QString &section, const QString &key, const QString &value, QString &why);

    QString m_path;
    IniDocument m_doc;
    std::function<void(const QString &)> m_onFailure;
    bool m_failing = false;
};

// Whether settings file bytes can be read as settings text (UTF-8, no NUL).
bool isSettingsText(const QByteArray &bytes);
