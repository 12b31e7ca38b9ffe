// Undo on a sheet of 1 000 elements beside a dense font (every code with 255 pairs): what every
// click pays to find out whether it changed anything, recording a step that did, and going one
// step back or forward, in the history alone and as the Undo command of a view.
#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <vector>

#include "app/KorvoFEDoc.h"
#include "font/FontTable.h"
#include "model/Data.h"
#include "model/DataCollection.h"
#include "model/Paper.h"
#include "support/FakeViewHost.h"
#include "support/ScriptedDocumentHost.h"
#include "tools/ToolFactory.h"
#include "view/KorvoFEView.h"
#include "view/ViewCommands.h"

namespace korvo {
namespace {

void MakeDense(CFontTable& table) {
    for (int code = 33; code < CFontTable::kGlyphCount; ++code) {
        std::vector<GlyphCommand> commands;
        for (int i = 0; i < 255; ++i) {
            commands.push_back({i == 0 ? GlyphOp::Move : GlyphOp::Draw,
                                static_cast<std::uint8_t>((i * 37) % 201),
                                static_cast<std::uint8_t>((i * 11 + code) % 201)});
        }
        table.StoreGlyph(code, commands);
    }
}

// A document with a dense font and 1 000 lines, its history started.
struct Sheet {
    Sheet() {
        doc.OnNewDocument();
        MakeDense(*doc.GetFont().Table());
        std::mt19937 random(7);
        std::uniform_real_distribution<float> at(0.0f, 200.0f);
        for (int i = 0; i < 1000; ++i) {
            auto node = std::make_unique<CData>(kNodeLine);
            node->CreateLine(at(random), at(random), at(random), at(random), 0, 0.25f, 0, 1);
            doc.GetPaper()->AddNode(std::move(node));
        }
        doc.GetUndoHistory().Reset();
    }
    CData& Node(std::size_t index) { return *doc.GetPaper()->GetCollection()->GetAt(index); }

    test::ScriptedDocumentHost host;
    CKorvoFEDoc doc{host};
};

void BM_RecordUnchanged(benchmark::State& state) {
    Sheet sheet;
    for (auto _ : state) {
        benchmark::DoNotOptimize(sheet.doc.GetUndoHistory().Record("Nothing"));
    }
}
BENCHMARK(BM_RecordUnchanged)->Unit(benchmark::kMicrosecond);

// One line's end moves back and forth: every iteration records a step with a new drawing.
void BM_RecordStep(benchmark::State& state) {
    Sheet sheet;
    float x = 10.0f;
    for (auto _ : state) {
        x = x == 10.0f ? 20.0f : 10.0f;
        sheet.Node(500).SetX1(x);
        if (!sheet.doc.GetUndoHistory().Record("Move")) {
            state.SkipWithError("nothing recorded");
            break;
        }
    }
    state.counters["kept"] = static_cast<double>(sheet.doc.GetUndoHistory().Count());
}
BENCHMARK(BM_RecordStep)->Unit(benchmark::kMicrosecond);

// Alternately Undo and Redo of a step that changed a line and stored a glyph.
void BM_UndoStep(benchmark::State& state) {
    Sheet sheet;
    CUndoHistory& history = sheet.doc.GetUndoHistory();
    sheet.Node(0).SetMark(kMarkSelected);
    sheet.Node(10).SetX2(55.0f);
    const GlyphCommand stroke[] = {{GlyphOp::Move, 0, 0}, {GlyphOp::Draw, 100, 100}};
    sheet.doc.GetFont().Table()->StoreGlyph(65, stroke);
    history.Record("Edit");
    bool back = true;
    for (auto _ : state) {
        if (!(back ? history.Undo() : history.Redo())) {
            state.SkipWithError("no step to take");
            break;
        }
        back = !back;
    }
}
BENCHMARK(BM_UndoStep)->Unit(benchmark::kMicrosecond);

// The Undo and Redo commands of a view: the tools ended and rebuilt, the status counted and the
// whole drawing marked for the next paint.
void BM_ViewUndoCommand(benchmark::State& state) {
    Sheet sheet;
    test::FakeViewHost host({1920, 1080});
    CToolFactory factory;
    CKorvoFEView view(sheet.doc, host, factory);
    view.OnInitialUpdate();
    sheet.Node(10).SetX2(55.0f);
    sheet.doc.GetUndoHistory().Record("Edit");
    bool back = true;
    for (auto _ : state) {
        view.OnCommand(back ? kCmdUndo : kCmdRedo);
        back = !back;
        host.invalidations.clear();
        host.statusHistory.clear();
    }
}
BENCHMARK(BM_ViewUndoCommand)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace korvo
