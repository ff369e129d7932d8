// SPDX-License-Identifier: GPL-3.0-or-later
// The HTML check of a big page, as the worker thread runs it.
#include "BenchData.h"
#include "check/PageCheck.h"
#include "check/ProblemsWindow.h"
#include "editor/Commands.h"
#include "support/EditorFixture.h"

#include <QApplication>
#include <QKeyEvent>

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

// A keystroke at the end of a 1 MB page, painted, with (1) and without (0)
// a check of the page running all the while on the worker.
void BM_KeystrokeWhileChecking(benchmark::State &state)
{
    EditorFixture f;
    f.page(QStringLiteral("page.htm"), generatedPage(1024 * 1024) + "\r\n");
    frmEditor &editor = f.start();
    ScintillaTextBox &box = *editor.editorWidget();
    box.setSelStart(box.length());
    QApplication::processEvents();
    const char keys[] = {'<', 'b', ' '};
    int i = 0, checks = 0;
    for (auto _ : state) {
        state.PauseTiming(); // starting a check copies the page: not the keystroke's cost
        auto *w = editor.findChild<ProblemsWindow *>();
        if (state.range(0) && (!w || !w->isChecking())) {
            Commands::checkHtml(editor);
            box.setFocus();
            ++checks;
        }
        state.ResumeTiming();
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(QLatin1Char(keys[i++ % 3])));
        QApplication::sendEvent(&box, &press);
        QApplication::processEvents();
    }
    state.counters["checks"] = checks;
}
BENCHMARK(BM_KeystrokeWhileChecking)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond)->MinTime(3.0);
} // namespace
