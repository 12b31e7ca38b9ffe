// The view's hot paths at 1920 x 1080 through a QImage back buffer: a full render of the sheet
// with a dense font's character table and 1 000 elements, a mouse move with snapping and its
// repaint, a wheel-zoom notch, and Save Char / Load Char of a full glyph through the document.
#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <vector>

#include "QtImageSurface.h"
#include "app/KorvoFEDoc.h"
#include "font/FontTable.h"
#include "font/GlyphCommand.h"
#include "model/Data.h"
#include "model/DataCollection.h"
#include "model/Paper.h"
#include "platform/KeyCodes.h"
#include "support/FakeViewHost.h"
#include "support/ScriptedDocumentHost.h"
#include "tools/FuncTool.h"
#include "tools/ToolFactory.h"
#include "view/KorvoFEView.h"
#include "view/ViewCommands.h"
#include "view/ViewSwitches.h"

namespace korvo {
namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

// The editor's window: real image surfaces, everything else recorded.
class ImageViewHost : public test::FakeViewHost {
public:
    ImageViewHost() : FakeViewHost({kWidth, kHeight}) {}
    std::unique_ptr<IDrawSurface> CreateSurface(int width, int height) override {
        return std::make_unique<CQtImageSurface>(width, height);
    }
    void Invalidate(std::optional<DeviceRect>) override {}
    void SetStatusText(int, std::string_view) override {}
};

// Every code 33 ... 255 with 255 pairs: a zigzag across the glyph square.
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

// 1 000 lines (and `arcs` arcs) crowded round the middle of the drawing area.
void AddElements(CPaper& paper, int arcs) {
    std::mt19937 random(11);
    std::normal_distribution<float> near(100.0f, 15.0f);
    std::uniform_real_distribution<float> angle(0.0f, 360.0f);
    for (int i = 0; i < 1000; ++i) {
        auto node = std::make_unique<CData>(kNodeLine);
        node->CreateLine(near(random), near(random), near(random), near(random), 0, 0.25f, 0, 1);
        paper.AddNode(std::move(node));
    }
    for (int i = 0; i < arcs; ++i) {
        auto node = std::make_unique<CData>(kNodeEllipse);
        const float start = angle(random);
        node->CreateEllipse(near(random), near(random), 5.0f + i % 20, 5.0f + i % 13, start,
                            start + 120.0f, angle(random), 0, 0.25f, 0, 1);
        paper.AddNode(std::move(node));
    }
}

// A tool that draws the crosshair and the snap marker, as the drawing tools do.
class CrosshairTool : public CFuncTool {
public:
    explicit CrosshairTool(CKorvoFEView& view) : CFuncTool(view) {
        SetCursor(CursorShape::None);
        SetFeedback(true);
    }
};

// A document with a dense font and a shown, painted view on an image window.
struct Editor {
    explicit Editor(int arcs) {
        doc.OnNewDocument();
        MakeDense(*doc.GetFont().Table());
        view = std::make_unique<CKorvoFEView>(doc, host, factory);
        view->OnInitialUpdate();
        view->OnCommand(kCmdZoomOriginal);
        AddElements(*doc.GetPaper(), arcs);
        view->OnUpdate(kHintUpdateAll);
        view->OnPaint(window);
    }
    ~Editor() { view.reset(); }

    ImageViewHost host;
    test::ScriptedDocumentHost docHost;
    CKorvoFEDoc doc{docHost};
    CToolFactory factory;
    std::unique_ptr<CKorvoFEView> view;
    CQtImageSurface window{kWidth, kHeight};
};

void BM_ViewFullRender(benchmark::State& state) {
    Editor editor(0);
    for (auto _ : state) {
        editor.view->Render();
    }
    state.counters["background draws"] = editor.view->GetBackgroundRenders();
}
BENCHMARK(BM_ViewFullRender)->Unit(benchmark::kMillisecond);

// The whole paint of a full render: render, copy to the window, the drawing over the copy, the
// feedback.
void BM_ViewPaintFullRender(benchmark::State& state) {
    Editor editor(0);
    for (auto _ : state) {
        editor.view->OnUpdate(kHintUpdateAll);
        editor.view->OnPaint(editor.window);
    }
}
BENCHMARK(BM_ViewPaintFullRender)->Unit(benchmark::kMillisecond);

// The same render when the background has to be drawn anew (a changed grid every time): what a
// render cost before the background was kept.
void BM_ViewFullRenderNewBackground(benchmark::State& state) {
    Editor editor(0);
    CPaper& paper = *editor.doc.GetPaper();
    bool odd = false;
    for (auto _ : state) {
        odd = !odd;
        paper.SetGrid(odd ? 2.5f : 5.0f, odd ? 2.5f : 5.0f);
        editor.view->Render();
    }
}
BENCHMARK(BM_ViewFullRenderNewBackground)->Unit(benchmark::kMillisecond);

void BM_ViewMouseMoveWithSnap(benchmark::State& state) {
    Editor editor(100);
    const int saved = g_nSnapMode;
    g_nSnapMode = 15;
    editor.view->SetTool(19060, std::make_unique<CrosshairTool>(*editor.view));
    CPaper& paper = *editor.doc.GetPaper();
    const DevicePoint a = paper.WorldToDevice({100.0f, 100.0f});
    const DevicePoint b = paper.WorldToDevice({101.0f, 99.0f});
    bool odd = false;
    for (auto _ : state) {
        odd = !odd;
        const DevicePoint p = odd ? a : b;
        editor.view->OnMouseMove(0, p.x, p.y);
        editor.view->OnPaint(editor.window);
    }
    g_nSnapMode = saved;
}
BENCHMARK(BM_ViewMouseMoveWithSnap)->Unit(benchmark::kMillisecond);

void BM_ViewWheelZoomNotch(benchmark::State& state) {
    Editor editor(0);
    const DevicePoint centre{kWidth / 2, kHeight / 2};
    bool in = false;
    for (auto _ : state) {
        in = !in;
        editor.view->OnMouseWheel(kMkControl, in ? 120 : -120, centre.x, centre.y);
        editor.view->OnPaint(editor.window);
    }
}
BENCHMARK(BM_ViewWheelZoomNotch)->Unit(benchmark::kMillisecond);

// A drawing of one polyline that needs all 255 pairs.
void DrawFullGlyph(CPaper& paper) {
    for (int i = 0; i < 254; ++i) {
        auto node = std::make_unique<CData>(kNodeLine);
        const float x1 = static_cast<float>((i * 37) % 201);
        const float y1 = static_cast<float>((i * 11) % 201);
        const float x2 = static_cast<float>(((i + 1) * 37) % 201);
        const float y2 = static_cast<float>(((i + 1) * 11) % 201);
        node->CreateLine(x1, y1, x2, y2, 0, 0.25f, 0, 1);
        paper.AddNode(std::move(node));
    }
}

void BM_SaveCharFullGlyph(benchmark::State& state) {
    test::ScriptedDocumentHost host;
    CKorvoFEDoc doc(host);
    doc.OnNewDocument();
    DrawFullGlyph(*doc.GetPaper());
    for (auto _ : state) {
        benchmark::DoNotOptimize(doc.EncodeGlyph(doc.GetFont().Table(), 65));
    }
    state.counters["pairs"] = doc.GetFont().Table()->CountCommandPairs(65);
}
BENCHMARK(BM_SaveCharFullGlyph)->Unit(benchmark::kMicrosecond);

// Loading includes clearing the decoded drawing again, so every round starts empty.
void BM_LoadCharFullGlyph(benchmark::State& state) {
    test::ScriptedDocumentHost host;
    CKorvoFEDoc doc(host);
    doc.OnNewDocument();
    DrawFullGlyph(*doc.GetPaper());
    doc.EncodeGlyph(doc.GetFont().Table(), 65);
    CDataCollection& drawing = *doc.GetPaper()->GetCollection();
    drawing.RemoveAll();
    for (auto _ : state) {
        benchmark::DoNotOptimize(doc.DecodeGlyph(doc.GetFont().Table(), 65));
        drawing.RemoveAll();
    }
    state.counters["pairs"] = doc.GetFont().Table()->CountCommandPairs(65);
}
BENCHMARK(BM_LoadCharFullGlyph)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace korvo
