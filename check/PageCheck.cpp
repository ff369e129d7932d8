#include "check/PageCheck.h"

#include "check/LinkCheck.h"
#include "check/MarkupCheck.h"
#include "core/PageText.h"

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
        return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? one : many));
    };
    return part(errors, "error", "errors") + QStringLiteral(", ") + part(warnings, "warning", "warnings")
           + QStringLiteral(", ") + part(infos, "note", "notes");
}
