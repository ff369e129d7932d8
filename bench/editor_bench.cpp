// SPDX-License-Identifier: GPL-3.0-or-later
// Opening, switching and typing on big pages in the real editing area.
#include "BenchData.h"
#include "core/MarkupSpot.h"
#include "core/PageOps.h"
#include "core/SafeFile.h"
#include "core/TagPairs.h"
#include "editor/HtmlColouring.h"
#include "editor/ScintillaTextBox.h"
#include "editor/frmEditor.h"
#include "support/EditorFixture.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QKeyEvent>

#include <benchmark/benchmark.h>

namespace {

constexpr qsizetype kBig = 10 * 1024 * 1024;

// The editing area alone, coloured or not.
struct BoxView : PageView {
    explicit BoxView(bool coloured = false) : colouring(box)
    {
        colouring.setEnabled(coloured);
        box.resize(900, 700);
        box.show();
        QApplication::processEvents();
    }
    ScintillaTextBox box;
    HtmlColouring colouring;
    QString cap;
    TextBox &txtEdit() override { return box; }
    void setCaption(const QString &c) override { cap = c; }
    QString caption() const override { return cap; }
    int pageCount() const override { return 1; }
    QWidget *window() override { return &box; }
};

const QString &bigPage()
{
    static const QString path = writeBenchFile(QStringLiteral("big.htm"), generatedPage(kBig));
    return path;
}

// Open a 10 MB page and show it (the window is painted before the clock
// stops); with the argument 1, coloured.
void BM_OpenAndShow10MB(benchmark::State &state)
{
    FakePlatform fake;
    BoxView view(state.range(0) != 0);
    for (auto _ : state) {
        OpenPage(fake.platform, view, bigPage());
        view.box.repaint();
        QApplication::processEvents();
    }
    state.SetBytesProcessed(state.iterations() * kBig);
}
BENCHMARK(BM_OpenAndShow10MB)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Open a 10 MB page and show its end (Ctrl+End right after opening): a
// coloured page is then styled all the way down at once.
void BM_OpenAndShowEnd10MB(benchmark::State &state)
{
    FakePlatform fake;
    BoxView view(state.range(0) != 0);
    for (auto _ : state) {
        OpenPage(fake.platform, view, bigPage());
        view.box.setSelStart(view.box.length());
        view.box.ensureCursorVisible();
        view.box.repaint();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_OpenAndShowEnd10MB)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Pages of words drawn from the system word list, as the side-by-side script
// makes them (see BenchData.h): lines (argument 0) or minified markup on a
// single line (1). The 16-word pages above are kinder: their few distinct
// words are all in the layout cache after the first screen.
QByteArray wordPage(qsizetype size, bool oneLine)
{
    return oneLine ? wordListMinifiedPage(size) : wordListPage(size) + "\r\n";
}

// The main window started on a word-list page, as the user sees it open:
// from the start of the window until the page is painted, then Ctrl+End and
// its end painted. Arguments: page size, one line (1) or lines (0).
void BM_OpenShowEndWords(benchmark::State &state)
{
    const qsizetype size = state.range(0);
    const bool oneLine = state.range(1) != 0;
    const QByteArray page = wordPage(size, oneLine);
    for (auto _ : state) {
        EditorFixture f;
        f.page(QStringLiteral("page.htm"), page);
        frmEditor &editor = f.start();
        editor.show();
        ScintillaTextBox &box = *editor.editorWidget();
        box.viewport()->repaint();
        QApplication::processEvents();
        QKeyEvent end(QEvent::KeyPress, Qt::Key_End, Qt::ControlModifier);
        QApplication::sendEvent(&box, &end);
        box.viewport()->repaint();
        QApplication::processEvents();
        state.PauseTiming();
        f.editor.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * size);
}
BENCHMARK(BM_OpenShowEndWords)->Args({10 * 1024 * 1024, 0})->Args({50 * 1024 * 1024, 0})
    ->Args({1024 * 1024, 1})->Args({5 * 1024 * 1024, 1})->Unit(benchmark::kMillisecond)->Iterations(3);

// One keystroke at the end of a word-list page in the main window, painted,
// with the event loop run after it (the window's editing aids on, as they
// are by default). Arguments: page size, one line (1) or lines (0).
void BM_KeystrokeWords(benchmark::State &state)
{
    const qsizetype size = state.range(0);
    const bool oneLine = state.range(1) != 0;
    EditorFixture f;
    f.page(QStringLiteral("page.htm"), wordPage(size, oneLine));
    frmEditor &editor = f.start();
    editor.show();
    ScintillaTextBox &box = *editor.editorWidget();
    box.setFocus();
    QKeyEvent end(QEvent::KeyPress, Qt::Key_End, Qt::ControlModifier);
    QApplication::sendEvent(&box, &end);
    box.viewport()->repaint();
    QApplication::processEvents();
    const char keys[] = {'a', 'b', ' '};
    int i = 0;
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(QLatin1Char(keys[i++ % 3])));
        QApplication::sendEvent(&box, &press);
        box.viewport()->repaint();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_KeystrokeWords)->Args({10 * 1024 * 1024, 0})->Args({50 * 1024 * 1024, 0})
    ->Args({1024 * 1024, 1})->Args({5 * 1024 * 1024, 1})->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The partner search at its worst: the caret in the first tag of a 10 MB
// page whose partner is missing, so every tag after it is looked at (run once
// the caret rests, not per keystroke).
void BM_TagPairAcross10MB(benchmark::State &state)
{
    const QByteArray page = generatedPage(kBig);
    for (auto _ : state)
        benchmark::DoNotOptimize(findTagPair(page, 1));
    state.SetBytesProcessed(state.iterations() * kBig);
}
BENCHMARK(BM_TagPairAcross10MB)->Unit(benchmark::kMillisecond);

// Where the end of a 10 MB page stands in the markup, as the typing aids ask
// after "<" and a letter: the walk back looks for comments and scripts.
void BM_MarkupSpotAtEnd10MB(benchmark::State &state)
{
    const QByteArray page = generatedPage(kBig) + "<b";
    for (auto _ : state)
        benchmark::DoNotOptimize(markupSpotAt(page, page.size()));
}
BENCHMARK(BM_MarkupSpotAtEnd10MB)->Unit(benchmark::kMicrosecond);

// What a screen reader asks after each keystroke on a 1 MB page with an
// emoji near its start: the caret and the selection over AT-SPI, in code
// points. With the argument 0, the keystroke alone.
void BM_AccessibleCaretAfterKeystroke1MB(benchmark::State &state)
{
    BoxView view;
    view.box.setBytes("\xf0\x9f\x98\x80" + generatedPage(1024 * 1024), TextEncoding::Utf8);
    view.box.setSelStart(view.box.length() / 2);
    QAccessibleTextInterface *text = QAccessible::queryAccessibleInterface(&view.box)->textInterface();
    for (auto _ : state) {
        view.box.replaceSelection(QStringLiteral("x"));
        if (state.range(0) != 0) {
            int start = 0, end = 0;
            text->selection(0, &start, &end);
            benchmark::DoNotOptimize(text->cursorPosition() + start + end);
        }
    }
}
BENCHMARK(BM_AccessibleCaretAfterKeystroke1MB)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// Peer: reading the same bytes from the file.
void BM_RawRead10MB(benchmark::State &state)
{
    for (auto _ : state) {
        QByteArray bytes;
        readWholeFile(bigPage(), bytes);
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(state.iterations() * kBig);
}
BENCHMARK(BM_RawRead10MB)->Unit(benchmark::kMillisecond);

// A page switch: write the page on screen back, read the next one; with the
// argument 1, coloured.
void BM_PageSwitch10MB(benchmark::State &state)
{
    FakePlatform fake;
    BoxView view(state.range(0) != 0);
    const QString other = writeBenchFile(QStringLiteral("other.htm"), generatedPage(kBig, 9));
    OpenPage(fake.platform, view, bigPage());
    QString current = bigPage(), next = other;
    for (auto _ : state) {
        SavePage(fake.platform, view, current);
        OpenPage(fake.platform, view, next);
        std::swap(current, next);
    }
}
BENCHMARK(BM_PageSwitch10MB)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Peer: a plain read and write of the same bytes.
void BM_RawReadWrite10MB(benchmark::State &state)
{
    const QString copy = benchFolder() + QStringLiteral("/copy.htm");
    for (auto _ : state) {
        QByteArray bytes;
        readWholeFile(bigPage(), bytes);
        QFile out(copy);
        out.open(QIODevice::WriteOnly | QIODevice::Truncate);
        out.write(bytes);
        out.close();
    }
}
BENCHMARK(BM_RawReadWrite10MB)->Unit(benchmark::kMillisecond);

// Peer: a plain read, and the write every save makes (through a flushed
// temporary file renamed over the page).
void BM_RawReadSafeWrite10MB(benchmark::State &state)
{
    const QString copy = benchFolder() + QStringLiteral("/copy.htm");
    for (auto _ : state) {
        QByteArray bytes;
        readWholeFile(bigPage(), bytes);
        writeFileSafely(copy, bytes);
    }
}
BENCHMARK(BM_RawReadSafeWrite10MB)->Unit(benchmark::kMillisecond);

// One keystroke at the end of a page of the given size, through the main
// window's change handling (the automatic closing bracket). With the second
// argument 1, each keystroke is followed by everything the event loop then
// does: painting, and the timers of the recovery journal, which copies the
// unsaved text every few seconds of typing and writes it on a thread of its
// own (that run is long enough for the journal to be written). The window's
// editing aids (colouring, tag matching, ...) are on, as they are by default.
// With the third argument 1, the page is minified markup on a single line.
void BM_Keystroke(benchmark::State &state)
{
    EditorFixture f;
    const qsizetype size = state.range(0);
    const bool shown = state.range(1) != 0;
    const bool oneLine = state.range(2) != 0;
    f.page(QStringLiteral("page.htm"), oneLine ? minifiedPage(size) : generatedPage(size) + "\r\n");
    frmEditor &editor = f.start();
    ScintillaTextBox &box = *editor.editorWidget();
    box.setFocus();
    box.setSelStart(box.length());
    QApplication::processEvents();
    const char keys[] = {'<', 'b', ' '};
    int i = 0;
    for (auto _ : state) {
        const char c = keys[i++ % 3];
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(QLatin1Char(c)));
        QApplication::sendEvent(&box, &press);
        if (shown)
            QApplication::processEvents();
    }
    state.counters["chars"] = box.length();
}
BENCHMARK(BM_Keystroke)->Args({1024, 0, 0})->Args({kBig, 0, 0})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Keystroke)->Args({kBig, 1, 0})->Unit(benchmark::kMicrosecond)->MinTime(6.0);
// Minified pages of 1 MB and 5 MB, painted after every keystroke.
BENCHMARK(BM_Keystroke)->Args({1024 * 1024, 1, 1})->Args({5 * 1024 * 1024, 1, 1})->Unit(benchmark::kMillisecond);

// The main window on a generated page of the given size, the caret at its end.
ScintillaTextBox &caretAtEnd(EditorFixture &f, qsizetype size)
{
    f.page(QStringLiteral("page.htm"), generatedPage(size) + "\r\n");
    ScintillaTextBox &box = *f.start().editorWidget();
    box.setFocus();
    box.setSelStart(box.length());
    QApplication::processEvents();
    return box;
}

// Typing markup key by key at the end of a page with the typing aids on (the
// automatic ">", end tags and type-over), with the completion list (argument
// 1) and without it (0): one keystroke of `<li class="a">x</li>` per
// iteration, the event loop run after each as a user's typing gets it.
void BM_TypeTags(benchmark::State &state)
{
    EditorFixture f;
    f.fake.settings.write(QStringLiteral("Settings"), QStringLiteral("CompleteTags"),
                          state.range(1) ? QStringLiteral("1") : QStringLiteral("0"));
    ScintillaTextBox &box = caretAtEnd(f, state.range(0));
    const QString keys = QStringLiteral("<li class=\"a\">x</li>\r");
    qsizetype i = 0;
    for (auto _ : state) {
        const QChar c = keys[i++ % keys.size()];
        QKeyEvent press(QEvent::KeyPress, c == u'\r' ? Qt::Key_Return : 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(&box, &press);
        QApplication::processEvents();
    }
    state.counters["chars"] = box.length();
}
BENCHMARK(BM_TypeTags)->Args({1024, 0})->Args({1024, 1})->Args({kBig, 0})->Args({kBig, 1})
    ->Unit(benchmark::kMicrosecond)->MinTime(2.0);

// From the letter typed after "<" to the completion list shown, at the end
// of a page of the given size.
void BM_CompletionList(benchmark::State &state)
{
    EditorFixture f;
    ScintillaTextBox &box = caretAtEnd(f, state.range(0));
    auto key = [&box](int code, const QString &text) {
        QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier, text);
        QApplication::sendEvent(&box, &press);
    };
    for (auto _ : state) {
        state.PauseTiming();
        key(0, QStringLiteral("<"));
        state.ResumeTiming();
        key(0, QStringLiteral("d"));
        state.PauseTiming();
        if (!box.SendScintilla(QsciScintillaBase::SCI_AUTOCACTIVE))
            state.SkipWithError("no list shown");
        key(Qt::Key_Escape, QString());
        box.undo();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_CompletionList)->Arg(1024)->Arg(kBig)->Unit(benchmark::kMicrosecond);

} // namespace
