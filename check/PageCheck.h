// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "check/Problem.h"

#include <QByteArray>
#include <QString>

// The whole check of one page: its markup and its links into the project.
struct PageReport {
    QList<Problem> markup;
    QList<Problem> links;
    int count(Severity s) const;
};

// The page as UTF-8 (the way the editing area keeps it); its links are
// looked up from the folder of its file.
PageReport checkPage(const QByteArray &utf8, const QString &pageFolder);

// A page file's bytes as the check reads them: UTF-8, a Windows-1252 page
// converted first, so that places count its characters.
QByteArray pageUtf8(const QByteArray &fileBytes);

// "2 errors, 1 warning, 0 notes" for a list of problems.
QString countsLine(int errors, int warnings, int infos);
