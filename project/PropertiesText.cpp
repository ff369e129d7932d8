// SPDX-License-Identifier: GPL-3.0-or-later
#include "project/PropertiesText.h"

#include "core/TitleScan.h"

#include <QCoreApplication>

QString formatFileSize(qint64 bytes, const QLocale &locale)
{
    QString digits;
    if (bytes != 0) {
        const QString plain = QString::number(bytes < 0 ? -bytes : bytes);
        const QString sep = locale.groupSeparator();
        for (qsizetype i = 0; i < plain.size(); ++i) {
            if (i > 0 && (plain.size() - i) % 3 == 0)
                digits += sep;
            digits += plain[i];
        }
        if (bytes < 0)
            digits.prepend(u'-');
    }
    return QCoreApplication::translate("frmProperties", "%1 bytes").arg(digits);
}

QString formatModifiedTime(const QDateTime &time, const QLocale &locale)
{
    const QDate d = time.date();
    const QTime t = time.time();
    int hour12 = t.hour() % 12;
    if (hour12 == 0)
        hour12 = 12;
    const QString designator = t.hour() < 12 ? locale.amText() : locale.pmText();
    return locale.dayName(d.dayOfWeek(), QLocale::LongFormat) + QStringLiteral(", ")
           + locale.monthName(d.month(), QLocale::ShortFormat) + u' ' + QString::number(d.day()) + u' '
           + QStringLiteral("%1").arg(d.year(), 4, 10, QChar(u'0')) + u' ' + QString::number(hour12) + u':' + QString::number(t.minute()) + u':'
           + QString::number(t.second()) + u' ' + designator;
}

QString propertiesTitle(const QString &pageText)
{
    if (!pageText.contains(QLatin1String("<TITLE>")))
        return QString();
    return scanTitle(pageText, true);
}
