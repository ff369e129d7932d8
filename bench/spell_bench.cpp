// SPDX-License-Identifier: GPL-3.0-or-later
// Dictionary lookups on the shipped word list, and the Spelling Profiler.
#include "BenchData.h"
#include "spell/SpellDictionary.h"
#include "spell/frmSpell.h"
#include "editor/frmEditor.h"
#include "support/EditorFixture.h"

#include <QApplication>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

// Lookups including opening and closing the file, half known words, half not.
void BM_DictionaryLookup(benchmark::State &state)
{
    const SpellDictionary dict(QStringLiteral(TAGSMITH_DICTIONARY));
    const qint64 n = SpellDictionary::recordCount(QFileInfo(dict.path()).size());
    if (n == 0) {
        state.SkipWithError("spell.dat is missing or empty");
        return;
    }
    const QStringList words{"table", "Hello", "zygote", "qqqqq", "aardvark", "xylophone", "PAGE", "mispelt",
                            "a", "zzzzzzzzzz", "Colour", "thE", "recieve", "house", "HTML", "about"};
    int maxReads = 0, maxFileReads = 0;
    qint64 i = 0;
    for (auto _ : state) {
        const SpellDictionary::Result r = dict.lookup(words[int(i++ % words.size())]);
        maxReads = qMax(maxReads, r.recordReads);
        maxFileReads = qMax(maxFileReads, r.fileReads);
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["records"] = double(n);
    state.counters["max_reads"] = maxReads;
    state.counters["max_file_reads"] = maxFileReads;
    state.counters["read_bound"] = std::floor(std::log2(double(n))) + 1;
}
BENCHMARK(BM_DictionaryLookup);

// The profiler's Start on a 1 MB page full of unknown words, with the real
// dialog (the report list included).
void BM_Profiler1MB(benchmark::State &state)
{
    EditorFixture f;
    const QByteArray page = unknownWordsPage(1024 * 1024);
    f.page(QStringLiteral("page.htm"), page);
    QFile::copy(QStringLiteral(TAGSMITH_DICTIONARY), f.app.path() + QStringLiteral("/spell.dat"));
    frmEditor &editor = f.start();
    int reported = 0;
    for (auto _ : state) {
        frmSpell dialog(editor);
        dialog.load();
        dialog.Command2->click(); // "&Start"
        reported = dialog.List1->count();
    }
    state.counters["reported"] = reported;
}
BENCHMARK(BM_Profiler1MB)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
