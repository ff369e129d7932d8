// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>

// One finding of the HTML check, at a place counted as the status bar
// counts it (see TextPoint.h).
enum class Severity { Info, Warning, Error };

struct Problem {
    int line = 0;
    int column = 0;
    Severity severity = Severity::Warning;
    QString message;

    bool operator==(const Problem &o) const
    {
        return line == o.line && column == o.column && severity == o.severity && message == o.message;
    }
};

// "error", "warning" or "info", as the command line prints them.
inline QString severityName(Severity s)
{
    switch (s) {
    case Severity::Error: return QCoreApplication::translate("Problem", "error");
    case Severity::Warning: return QCoreApplication::translate("Problem", "warning");
    case Severity::Info: return QCoreApplication::translate("Problem", "info");
    }
    return QString();
}

// "Line L, Col C: message", the row of the Problems window.
inline QString problemRow(const Problem &p)
{
    return QCoreApplication::translate("Problem", "Line %1, Col %2: %3").arg(p.line).arg(p.column).arg(p.message);
}
