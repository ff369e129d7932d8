// SPDX-License-Identifier: GPL-3.0-or-later
#include "check/CheckCommand.h"

#include "check/PageCheck.h"

#include <QFile>
#include <QFileInfo>
#include <QTextStream>

int runCheckCommand(const QStringList &files, QTextStream &out, QTextStream &err)
{
    if (files.isEmpty()) {
        err << "tagsmith --check: name at least one page to check\n";
        return 2;
    }
    bool problems = false, unreadable = false;
    for (const QString &file : files) {
        QFile f(file);
        if (QFileInfo(file).isDir() || !f.open(QIODevice::ReadOnly)) {
            err << "tagsmith --check: cannot read " << file << ": "
                << (QFileInfo(file).isDir() ? QStringLiteral("is a folder") : f.errorString()) << '\n';
            unreadable = true;
            continue;
        }
        const PageReport report = checkPage(pageUtf8(f.readAll()), QFileInfo(file).absolutePath());
        for (const QList<Problem> *list : {&report.markup, &report.links})
            for (const Problem &p : *list) {
                out << file << ':' << p.line << ':' << p.column << ": " << severityName(p.severity) << ": "
                    << p.message << '\n';
                problems = problems || p.severity != Severity::Info;
            }
    }
    out.flush();
    err.flush();
    return unreadable ? 2 : problems ? 1 : 0;
}
