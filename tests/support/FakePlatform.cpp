// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/FakePlatform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

TestAppDir::TestAppDir()
{
    const QString source = qEnvironmentVariable("TAGSMITH_SOURCE_DIR");
    if (!source.isEmpty())
        QFile::copy(source + QLatin1String("/resources/default.htm"), path() + QLatin1String("/default.htm"));
}

QString TestAppDir::write(const QString &relative, const QByteArray &bytes) const
{
    const QString full = path() + u'/' + relative;
    QDir().mkpath(QFileInfo(full).absolutePath());
    QFile f(full);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return full;
}

QByteArray TestAppDir::read(const QString &relative) const
{
    QFile f(path() + u'/' + relative);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray("<missing>");
    return f.readAll();
}
