// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// Generated pages for the benchmarks: plausible hand-written HTML, pure ASCII.
QByteArray generatedPage(qsizetype bytes, quint32 seed = 1);
// The same words as minified markup: one line, no line end at all.
QByteArray minifiedPage(qsizetype bytes, quint32 seed = 1);
// Pages of words drawn from the system word list (/usr/share/dict/words,
// Debian package wamerican), as real text has thousands of distinct words:
// the same shapes as generatedPage and minifiedPage (the class names of the
// one-line page are words of the list too). Valid UTF-8, with the few
// characters of more than one byte the list has.
QByteArray wordListPage(qsizetype bytes, quint32 seed = 1);
QByteArray wordListMinifiedPage(qsizetype bytes, quint32 seed = 1);
// A page of text runs full of words that are not in any dictionary.
QByteArray unknownWordsPage(qsizetype bytes, quint32 seed = 2);
// A scratch folder for files that live as long as the benchmark run.
QString benchFolder();
QString writeBenchFile(const QString &name, const QByteArray &bytes);
