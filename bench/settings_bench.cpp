// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a settings file with very many keys (a damaged or hand-grown file).
#include "BenchData.h"
#include "platform/IniSettingsStore.h"

#include <benchmark/benchmark.h>

namespace {
void BM_SettingsOpen(benchmark::State &state)
{
    QByteArray ini = "[Settings]\n";
    for (int i = 0; i < state.range(0); ++i)
        ini += "Key " + QByteArray::number(i) + "=value " + QByteArray::number(i) + '\n';
    const QString path = writeBenchFile(QStringLiteral("many.ini"), ini);
    for (auto _ : state) {
        IniSettingsStore store(path);
        benchmark::DoNotOptimize(store.contains(QStringLiteral("Settings"), QStringLiteral("ProjMan")));
    }
}
BENCHMARK(BM_SettingsOpen)->Arg(1000)->Arg(50000)->Unit(benchmark::kMillisecond);
} // namespace
