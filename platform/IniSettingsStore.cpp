#include "platform/IniSettingsStore.h"

#include "core/SafeFile.h"
#include "core/SettingsKeys.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

IniSettingsStore::IniSettingsStore(const QString &filePath) : m_path(filePath)
{
    QByteArray bytes;
    // A missing or unreadable file reads as an empty store: every key gets its default.
    if (readWholeFile(m_path, bytes))
        m_doc = parseIni(bytes);
}

QString IniSettingsStore::defaultFilePath()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return base + u'/' + SettingsKeys::App + u'/' + SettingsKeys::App + QLatin1String(".ini");
}

QString IniSettingsStore::read(const QString &section, const QString &key, const QString &defaultValue) const
{
    const QString *v = iniFind(m_doc, section, key);
    return v ? *v : defaultValue;
}

bool IniSettingsStore::contains(const QString &section, const QString &key) const
{
    return iniFind(m_doc, section, key) != nullptr;
}

bool IniSettingsStore::write(const QString &section, const QString &key, const QString &value)
{
    iniSet(m_doc, section, key, value);
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    return writeFileSafely(m_path, serializeIni(m_doc));
}
