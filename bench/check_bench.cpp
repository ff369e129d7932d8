// The HTML check of a big page, as the worker thread runs it.
#include "BenchData.h"
#include "check/PageCheck.h"

#include <benchmark/benchmark.h>

namespace {
// Markup and links of a 1 MB page (the links looked up in a scratch
// folder): /0 a clean page, /1 one with an unknown attribute and a missing
// image in every paragraph (some 10,000 rows each).
void BM_CheckPage1MB(benchmark::State &state)
{
    QByteArray page = generatedPage(1024 * 1024);
    if (state.range(0)) {
        page.replace("<P>", "<P FOO=1><IMG SRC=\"x.gif\" ALT=\"\">");
        page.truncate(1024 * 1024);
    }
    const QString folder = benchFolder();
    qsizetype rows = 0;
    for (auto _ : state) {
        const PageReport r = checkPage(page, folder);
        rows = r.markup.size() + r.links.size();
        benchmark::DoNotOptimize(rows);
    }
    state.counters["rows"] = double(rows);
}
BENCHMARK(BM_CheckPage1MB)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
} // namespace
