// SPDX-License-Identifier: GPL-3.0-or-later
// Find Next on a big page.
#include "BenchData.h"
#include "editor/Commands.h"
#include "editor/frmEditor.h"
#include "support/EditorFixture.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstring>

namespace {

constexpr qsizetype kBig = 10 * 1024 * 1024;

QByteArray pageWithNeedleNearEnd()
{
    QByteArray page = generatedPage(kBig);
    page.replace(page.size() - 4096, 12, "NeedleInHay!");
    return page;
}

// Find Next through the main window: from the top of the text (last match
// 0) to a match 4 KB before the end, without regard to case.
void BM_FindNextNoCase10MB(benchmark::State &state)
{
    EditorFixture f;
    f.page(QStringLiteral("page.htm"), pageWithNeedleNearEnd());
    frmEditor &editor = f.start();
    FindState &find = editor.findState();
    find.searchText = QStringLiteral("needleinhay!");
    find.matchCase = 0;
    for (auto _ : state) {
        find.lastMatch = 0;
        Commands::findNext(editor);
    }
    if (find.lastMatch != kBig - 4096 + 1)
        state.SkipWithError("Find Next did not find the match");
}
BENCHMARK(BM_FindNextNoCase10MB)->Unit(benchmark::kMillisecond);

// Peer: memmem over an upper-cased copy prepared outside the timing.
void BM_MemmemUpperCopy10MB(benchmark::State &state)
{
    const QByteArray upper = pageWithNeedleNearEnd().toUpper();
    const char needle[] = "NEEDLEINHAY!";
    for (auto _ : state) {
        const void *hit = memmem(upper.constData(), upper.size(), needle, sizeof needle - 1);
        benchmark::DoNotOptimize(hit);
    }
}
BENCHMARK(BM_MemmemUpperCopy10MB)->Unit(benchmark::kMillisecond);

} // namespace
