// SPDX-License-Identifier: GPL-3.0-or-later
// The live preview: from the end of the typing pause to the page rendered,
// and what a keystroke costs with the pane open and closed.
#include "BenchData.h"
#include "editor/ScintillaTextBox.h"
#include "editor/frmEditor.h"
#include "preview/LivePreview.h"
#include "preview/PreviewMarkup.h"
#include "support/EditorFixture.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>

#include <benchmark/benchmark.h>

namespace {
// The window on a generated page of `size` bytes, the caret at its end.
frmEditor &openPage(EditorFixture &f, qsizetype size, bool pane)
{
    f.page(QStringLiteral("page.htm"), generatedPage(size) + "\r\n");
    frmEditor &editor = f.start();
    editor.resize(1400, 800);
    if (pane)
        editor.setPreviewShown(true);
    ScintillaTextBox &box = *editor.editorWidget();
    box.setFocus();
    box.setSelStart(box.length());
    QApplication::processEvents();
    return editor;
}

bool waitForRender(LivePreview &pane, int count)
{
    QElapsedTimer t;
    t.start();
    while (pane.renderCount() < count && t.elapsed() < 30000)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    return pane.renderCount() >= count;
}

// A character typed, then the time from the end of the pause to the pane
// showing it. Typed after the page's last paragraph (0: the new copy read
// and compared in the pane), into a paragraph halfway down (1: its content
// replaced), there as an inline element (2: the elements after it numbered
// anew), or there on a page with a script (3: the whole copy loaded again,
// so that the script runs as it would in a browser).
void BM_PreviewUpdate(benchmark::State &state)
{
    EditorFixture f;
    frmEditor &editor = openPage(f, state.range(0), true);
    LivePreview &pane = *editor.livePreview();
    if (!pane.running() || !waitForRender(pane, 1)) {
        state.SkipWithError("the preview's engine does not run here");
        return;
    }
    ScintillaTextBox &box = *editor.editorWidget();
    const QByteArray text = box.utf8().toByteArray();
    if (state.range(1) == 3) {
        box.setSelStart(int(text.indexOf("<BODY>")));
        box.insertAfterCaret(QStringLiteral("<SCRIPT>var shown = 1;</SCRIPT>"));
        if (!waitForRender(pane, 2)) {
            state.SkipWithError("no render");
            return;
        }
    }
    if (state.range(1) > 0)
        box.setSelStart(int(box.utf8().toByteArray().indexOf("</P>", text.size() / 2)));
    const int patches = pane.patchCount();
    for (auto _ : state) {
        const int renders = pane.renderCount();
        box.insertAfterCaret(state.range(1) == 2 ? QStringLiteral("<b>x</b>") : QStringLiteral("x"));
        if (!waitForRender(pane, renders + 1)) {
            state.SkipWithError("no render");
            return;
        }
        state.SetIterationTime(double(pane.lastRenderMs()) / 1000.0);
    }
    state.counters["in_place"] = pane.patchCount() - patches;
}
BENCHMARK(BM_PreviewUpdate)
    ->ArgsProduct({{1024, 100 * 1024, 1024 * 1024}, {0, 1, 2, 3}})
    ->ArgNames({"bytes", "where"})
    ->UseManualTime()
    ->Iterations(10)
    ->Unit(benchmark::kMillisecond);

// One keystroke at the end of a 1 MB page and everything the event loop
// then does, with the pane closed (0) and open (1): the updates it brings
// once a second of fast typing are counted in.
void BM_PreviewKeystroke(benchmark::State &state)
{
    EditorFixture f;
    // The list's popup is measured elsewhere (and finds no screen under Xvfb here).
    f.fake.settings.write(QStringLiteral("Settings"), QStringLiteral("CompleteTags"), QStringLiteral("0"));
    frmEditor &editor = openPage(f, 1024 * 1024, state.range(0) != 0);
    ScintillaTextBox &box = *editor.editorWidget();
    if (LivePreview *pane = editor.livePreview())
        waitForRender(*pane, 1);
    const char keys[] = {'<', 'b', ' '};
    int i = 0;
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(QLatin1Char(keys[i++ % 3])));
        QApplication::sendEvent(&box, &press);
        QApplication::processEvents();
    }
    if (LivePreview *pane = editor.livePreview())
        state.counters["renders"] = pane->renderCount();
}
BENCHMARK(BM_PreviewKeystroke)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond)->MinTime(5.0);

void BM_AnnotatePage1MB(benchmark::State &state)
{
    const QByteArray page = generatedPage(1024 * 1024);
    for (auto _ : state)
        benchmark::DoNotOptimize(annotatePage(page));
    state.SetBytesProcessed(state.iterations() * page.size());
}
BENCHMARK(BM_AnnotatePage1MB)->Unit(benchmark::kMillisecond);
} // namespace
