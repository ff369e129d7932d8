// SPDX-License-Identifier: GPL-3.0-or-later
// Replace All on a big page: 100,000 matches in 10 MB, through the real
// Replace dialog, next to its peer of one Scintilla call per match.
#include "editor/ScintillaTextBox.h"
#include "editor/frmEditor.h"
#include "support/EditorFixture.h"
#include "texttools/frmReplace.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <benchmark/benchmark.h>

namespace {

constexpr int kMatches = 100000;

// 100,000 lines of about 105 bytes (10 MB), each with one "Needle" to find
// as "needle" (any case) and CR LF line ends.
const QByteArray &needlePage()
{
    static const QByteArray page = [] {
        const QByteArray line = "<p class=\"item\">Some ordinary text before the Needle, and some more after it "
                                "to fill the line.</p>\r\n";
        return line.repeated(kMatches);
    }();
    return page;
}

void BM_ReplaceAll100kMatches10MB(benchmark::State &state)
{
    EditorFixture f;
    f.page(QStringLiteral("big.htm"), needlePage());
    frmEditor &editor = f.start();
    ScintillaTextBox &box = *editor.editorWidget();
    editor.mnuEditItem[11]->trigger(); // Edit > Replace...
    auto *dialog = editor.findChild<frmReplace *>();
    dialog->Text1->setText(QStringLiteral("needle"));
    dialog->Text2->setText(QStringLiteral("pin"));
    dialog->Check1->setChecked(false);
    for (auto _ : state) {
        state.PauseTiming();
        box.setBytes(needlePage(), TextEncoding::Utf8);
        QApplication::processEvents();
        state.ResumeTiming();
        dialog->CmdReplaceAll->click();
    }
    if (!editor.StatusNote->text().startsWith(QStringLiteral("Replaced 100000 ")))
        state.SkipWithError("not every match was replaced");
    state.SetBytesProcessed(state.iterations() * needlePage().size());
}
BENCHMARK(BM_ReplaceAll100kMatches10MB)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Peer: the same replacements as one Scintilla search and replace per match,
// inside one undo action.
void BM_ReplaceEachMatch10MB(benchmark::State &state)
{
    using Sci = QsciScintillaBase;
    ScintillaTextBox box;
    const QByteArray what = "needle", with = "pin";
    for (auto _ : state) {
        state.PauseTiming();
        box.setBytes(needlePage(), TextEncoding::Utf8);
        state.ResumeTiming();
        box.SendScintilla(Sci::SCI_BEGINUNDOACTION);
        box.SendScintilla(Sci::SCI_SETSEARCHFLAGS, 0);
        long from = 0, count = 0;
        for (;;) {
            box.SendScintilla(Sci::SCI_SETTARGETRANGE, from, box.SendScintilla(Sci::SCI_GETLENGTH));
            if (box.SendScintilla(Sci::SCI_SEARCHINTARGET, what.size(), what.constData()) < 0)
                break;
            box.SendScintilla(Sci::SCI_REPLACETARGET, with.size(), with.constData());
            from = box.SendScintilla(Sci::SCI_GETTARGETEND);
            ++count;
        }
        box.SendScintilla(Sci::SCI_ENDUNDOACTION);
        if (count != kMatches)
            state.SkipWithError("not every match was replaced");
    }
}
BENCHMARK(BM_ReplaceEachMatch10MB)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace
