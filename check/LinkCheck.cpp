// SPDX-License-Identifier: GPL-3.0-or-later
#include "check/LinkCheck.h"

#include "check/TagScan.h"
#include "check/TextPoint.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>

namespace {
bool isReference(QStringView attribute)
{
    static const QStringView kNames[] = {u"href", u"src",  u"lowsrc",   u"dynsrc", u"background",
                                         u"action", u"data", u"longdesc", u"poster"};
    for (QStringView n : kNames)
        if (attribute.compare(n, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

bool hasScheme(const QString &address)
{
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*:"));
    return scheme.match(address).hasMatch();
}

// The file a reference names inside the project; empty when it names none
// (another site, a mail address, an anchor of the same page).
QString targetFile(const QString &address, const QString &pageFolder)
{
    if (address.isEmpty() || address.startsWith(u'#') || address.startsWith(QStringLiteral("//")))
        return QString();
    if (address.startsWith(QStringLiteral("file:"), Qt::CaseInsensitive)) {
        const QUrl url(address);
        const QString file = url.host().isEmpty() ? url.toLocalFile() : QString();
        return file.isEmpty() || QDir::isAbsolutePath(file) ? file : QDir::cleanPath(pageFolder + u'/' + file);
    }
    if (hasScheme(address))
        return QString();
    QString path = address;
    path.truncate(qMin(path.indexOf(u'#') < 0 ? path.size() : path.indexOf(u'#'),
                       path.indexOf(u'?') < 0 ? path.size() : path.indexOf(u'?')));
    path = QUrl::fromPercentEncoding(path.toUtf8()).replace(u'\\', u'/');
    if (path.isEmpty())
        return QString();
    // "/x" is the site's root: the project folder, where the pages are.
    return QDir::cleanPath(pageFolder + u'/' + path);
}

bool basePointsElsewhere(QStringView text)
{
    bool elsewhere = false;
    scanTags(text, [&](const ScannedTag &tag) {
        if (tag.name.compare(u"base", Qt::CaseInsensitive) != 0)
            return;
        for (const ScannedAttribute &a : tag.attributes)
            if (a.name.compare(u"href", Qt::CaseInsensitive) == 0 && !hasPlaceholder(a.value)
                && hasScheme(a.value.trimmed().toString())
                && !a.value.trimmed().startsWith(QStringLiteral("file:"), Qt::CaseInsensitive))
                elsewhere = true;
    });
    return elsewhere;
}
} // namespace

QList<Problem> checkLinks(QStringView text, const QString &pageFolder)
{
    QList<Problem> problems;
    if (basePointsElsewhere(text))
        return problems;
    TextPointCounter places(text);
    scanTags(text, [&](const ScannedTag &tag) {
        if (tag.name.compare(u"base", Qt::CaseInsensitive) == 0)
            return;
        for (const ScannedAttribute &a : tag.attributes) {
            if (a.valueAt < 0 || !isReference(a.name) || hasPlaceholder(a.value))
                continue;
            const QString address = a.value.trimmed().toString();
            const QString file = targetFile(address, pageFolder);
            if (file.isEmpty() || QFileInfo::exists(file))
                continue;
            const TextPoint at = places.at(a.valueAt);
            problems.append({at.line, at.column, Severity::Error,
                             QCoreApplication::translate("LinkCheck", "missing file: %1").arg(address)});
        }
    });
    return problems;
}
