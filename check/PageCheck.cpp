// SPDX-License-Identifier: GPL-3.0-or-later
#include "check/PageCheck.h"

#include "check/LinkCheck.h"
#include "check/MarkupCheck.h"
#include "core/PageText.h"

#include <QCoreApplication>

int PageReport::count(Severity s) const
{
    int n = 0;
    for (const QList<Problem> *list : {&markup, &links})
        for (const Problem &p : *list)
            n += p.severity == s;
    return n;
}

PageReport checkPage(const QByteArray &utf8, const QString &pageFolder)
{
    return {checkMarkup(utf8), checkLinks(QString::fromUtf8(utf8), pageFolder)};
}

QByteArray pageUtf8(const QByteArray &fileBytes)
{
    return detectEncoding(fileBytes) == TextEncoding::Utf8 ? fileBytes : windows1252ToUtf8(fileBytes);
}

QString countsLine(int errors, int warnings, int infos)
{
    auto part = [](int n, const char *one, const char *many) {
        return QCoreApplication::translate("PageCheck", n == 1 ? one : many).arg(n);
    };
    return QCoreApplication::translate("PageCheck", "%1, %2, %3")
        .arg(part(errors, QT_TRANSLATE_NOOP("PageCheck", "%1 error"), QT_TRANSLATE_NOOP("PageCheck", "%1 errors")),
             part(warnings, QT_TRANSLATE_NOOP("PageCheck", "%1 warning"),
                  QT_TRANSLATE_NOOP("PageCheck", "%1 warnings")),
             part(infos, QT_TRANSLATE_NOOP("PageCheck", "%1 note"), QT_TRANSLATE_NOOP("PageCheck", "%1 notes")));
}
