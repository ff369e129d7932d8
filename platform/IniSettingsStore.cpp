// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/IniSettingsStore.h"

#include "core/PageText.h"
#include "core/SafeFile.h"
#include "core/SettingsKeys.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

bool isSettingsText(const QByteArray &bytes)
{
    return !bytes.contains('\0') && isValidUtf8(bytes.constData(), bytes.size());
}

IniSettingsStore::IniSettingsStore(const QString &filePath) : m_path(filePath)
{
    QByteArray bytes;
    // A missing or unreadable file reads as an empty store: every key gets
    // its default. Of a damaged one, whatever lines can be read are taken.
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

QStringList IniSettingsStore::keys(const QString &section) const { return iniKeys(m_doc, section); }

bool IniSettingsStore::store(const QString &section, const QString &key, const QString &value, QString &why)
{
    if (!QDir().mkpath(QFileInfo(m_path).absolutePath())) {
        why = QCoreApplication::translate("IniSettingsStore", "its folder cannot be made");
        return false;
    }
    QLockFile lock(m_path + QStringLiteral(".lock"));
    if (!lock.tryLock(5000)) {
        why = QCoreApplication::translate("IniSettingsStore", "another program holds it locked");
        return false;
    }
    // What is on disk now, with what other instances wrote since; without a
    // file, what this run knows.
    IniDocument onDisk = m_doc;
    QByteArray bytes;
    bool text = false;
    if (QFileInfo::exists(m_path)) {
        if (!readWholeFile(m_path, bytes, &why))
            return false; // never replace what cannot be read
        // A file that is not plain text (UTF-16, binary, damaged) is kept
        // aside before it is replaced.
        text = isSettingsText(bytes);
        if (!text && !writeFileSafely(m_path + QStringLiteral(".bad"), bytes, &why))
            return false;
        onDisk = parseIni(bytes);
    }
    // Of a text file only the key's own line changes: the user's comments and
    // lines stay as they are.
    iniSet(onDisk, section, key, value);
    const QByteArray out = text ? iniSetInText(bytes, section, key, value) : serializeIni(onDisk);
    if (!writeFileSafely(m_path, out, &why))
        return false;
    m_doc = onDisk;
    return true;
}

bool IniSettingsStore::write(const QString &section, const QString &key, const QString &value)
{
    // The value holds for this run whatever happens on disk.
    iniSet(m_doc, section, key, value);
    QString why;
    if (store(section, key, value, why)) {
        m_failing = false;
        return true;
    }
    if (!m_failing && m_onFailure)
        m_onFailure(QCoreApplication::translate("IniSettingsStore",
                                                "Tagsmith could not save its settings in the file\n%1\n(%2).\n\n"
                                                "The settings already in that file are kept; the change just "
                                                "made lasts only until Tagsmith ends.")
                        .arg(QDir::toNativeSeparators(m_path), why));
    m_failing = true;
    return false;
}
