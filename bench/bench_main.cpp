// Tagsmith's benchmarks. Each target is measured next to its peer (a raw
// file read, memmem, a small page) in the same run, so that the ratios hold
// on a busy machine. "tagsmith_bench --memory" measures the peak memory of
// opening a 10 MB page in a fresh process instead.
#include "BenchData.h"
#include "core/PageOps.h"
#include "editor/ScintillaTextBox.h"
#include "support/FakePlatform.h"

#include <QApplication>
#include <QFile>

#include <benchmark/benchmark.h>

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

int measureMemory()
{
    const qsizetype size = 10 * 1024 * 1024;
    const QString path = writeBenchFile(QStringLiteral("memory.htm"), generatedPage(size));
    FakePlatform fake;
    ScintillaTextBox box;
    box.resize(800, 600);
    box.show();
    QApplication::processEvents();
    const long before = statusKb("VmHWM:");
    View view;
    view.box = &box;
    OpenPage(fake.platform, view, path);
    QApplication::processEvents();
    const long after = statusKb("VmHWM:");
    const double ratio = (after - before) * 1024.0 / size;
    std::printf("peak resident size: %ld kB before, %ld kB after opening a %lld byte page: "
                "+%ld kB = %.2f x the page (target < 5 x)\n",
                before, after, (long long)size, after - before, ratio);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--memory") == 0)
            return measureMemory();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
