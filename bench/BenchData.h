#pragma once

#include <QByteArray>
#include <QString>

// Generated pages for the benchmarks: plausible hand-written HTML, pure ASCII.
QByteArray generatedPage(qsizetype bytes, quint32 seed = 1);
// The same words as minified markup: one line, no line end at all.
QByteArray minifiedPage(qsizetype bytes, quint32 seed = 1);
// A page of text runs full of words that are not in any dictionary.
QByteArray unknownWordsPage(qsizetype bytes, quint32 seed = 2);
// A scratch folder for files that live as long as the benchmark run.
QString benchFolder();
QString writeBenchFile(const QString &name, const QByteArray &bytes);
