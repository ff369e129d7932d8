// SPDX-License-Identifier: GPL-3.0-or-later
// Tagsmith's benchmarks. Each target is measured next to its peer (a raw
// file read, memmem, a small page) in the same run, so that the ratios hold
// on a busy machine. "tagsmith_bench --memory [PAGE]" measures the peak
// memory of opening a page (a 10 MB one, or 10m, 50m, 1m1 or 5m1 of the word
// list) in a fresh process instead.
#include "BenchData.h"
#include "core/PageOps.h"
#include "editor/ScintillaTextBox.h"
#include "editor/frmEditor.h"
#include "support/EditorFixture.h"
#include "support/FakePlatform.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

long statusKb(const char *field)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ').value(0).toLong();
    return -1;
}

struct View : PageView {
    ScintillaTextBox *box;
    QString cap;
    TextBox &txtEdit() override { return *box; }
    void setCaption(const QString &c) override { cap = c; }
    QString caption() const override { return cap; }
    int pageCount() const override { return 1; }
    QWidget *window() override { return box; }
};

// The peak resident size of a fresh process that opens a page in the main
// window, jumps to its end, types a character there and saves: the 16-word
// 10 MB page of the other benchmarks, or a page of the word list (see
// BenchData.h) named as the side-by-side script names them.
int measureMemory(const QByteArray &name)
{
    struct Page {
        const char *name;
        qsizetype size;
        bool oneLine;
    };
    const Page pages[] = {{"10m", 10 << 20, false}, {"50m", 50 << 20, false}, {"1m1", 1 << 20, true},
                          {"5m1", 5 << 20, true}};
    QByteArray bytes;
    qsizetype size = 10 << 20;
    if (name.isEmpty()) {
        bytes = generatedPage(size);
    } else {
        const Page *page = std::find_if(std::begin(pages), std::end(pages), [&](const Page &p) { return name == p.name; });
        if (page == std::end(pages)) {
            std::fprintf(stderr, "unknown page %s (10m, 50m, 1m1, 5m1)\n", name.constData());
            return 2;
        }
        size = page->size;
        bytes = page->oneLine ? wordListMinifiedPage(size) : wordListPage(size) + "\r\n";
    }
    // The window starts on a small page; the big one is then opened as a
    // page switch opens it.
    EditorFixture f;
    f.page(QStringLiteral("a.htm"), generatedPage(1024));
    const QString path = f.page(QStringLiteral("page.htm"), bytes);
    bytes = QByteArray(); // the page is only on disk now
    frmEditor &editor = f.start();
    editor.show();
    ScintillaTextBox &box = *editor.editorWidget();
    box.setFocus();
    QApplication::processEvents();
    // The peak so far (making the page among it) is reset to the memory in
    // use now (Linux 4.0 on).
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
    clear.close();
    const long before = statusKb("VmHWM:");
    OpenPage(f.fake.platform, editor, path);
    box.viewport()->repaint();
    QApplication::processEvents();
    const long opened = statusKb("VmHWM:");
    QKeyEvent end(QEvent::KeyPress, Qt::Key_End, Qt::ControlModifier);
    QApplication::sendEvent(&box, &end);
    QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("x"));
    QApplication::sendEvent(&box, &key);
    box.viewport()->repaint();
    QApplication::processEvents();
    SavePage(f.fake.platform, editor, path);
    const long typed = statusKb("VmHWM:");
    const auto times = [size](long kb) { return kb * 1024.0 / size; };
    std::printf("peak resident size for a %lld byte page: %ld kB with the window on an empty page, "
                "+%ld kB = %.2f x the page opened, +%ld kB = %.2f x the page after a keystroke at its end "
                "and a save\n",
                (long long)size, before, opened - before, times(opened - before), typed - before,
                times(typed - before));
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The preview and the HTML check load their modules from the build.
    if (!qEnvironmentVariableIsSet("TAGSMITH_MODULES"))
        qputenv("TAGSMITH_MODULES", TAGSMITH_MODULES_DIR);
    QApplication app(argc, argv);
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--memory") == 0)
            return measureMemory(i + 1 < argc ? QByteArray(argv[i + 1]) : QByteArray());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
