// The final click of a move: 1 000 selected elements moved, the touched area re-rendered into a
// QImage back buffer and the window repainted, as the editor does it at 1920 x 1080.
#include <benchmark/benchmark.h>

#include <memory>
#include <random>

#include "QtImageSurface.h"
#include "app/KorvoFEDoc.h"
#include "model/Data.h"
#include "model/Paper.h"
#include "support/FakeViewHost.h"
#include "support/ScriptedDocumentHost.h"
#include "tools/ToolFactory.h"
#include "view/KorvoFEView.h"
#include "view/ViewCommands.h"

namespace korvo {
namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr int kToolMove = 19177;

class MoveBenchHost : public test::FakeViewHost {
public:
    MoveBenchHost() : FakeViewHost({kWidth, kHeight}) {}
    std::unique_ptr<IDrawSurface> CreateSurface(int width, int height) override {
        return std::make_unique<CQtImageSurface>(width, height);
    }
    void Invalidate(std::optional<DeviceRect>) override {}
    void SetStatusText(int, std::string_view) override {}
};

void BM_MoveThousandSelectedFinalClick(benchmark::State& state) {
    MoveBenchHost host;
    test::ScriptedDocumentHost docHost;
    CKorvoFEDoc doc(docHost);
    doc.OnNewDocument();
    CToolFactory factory;
    CKorvoFEView view(doc, host, factory);
    view.OnInitialUpdate();
    view.OnCommand(kCmdZoomOriginal);
    CPaper& paper = *doc.GetPaper();
    std::mt19937 random(7);
    std::normal_distribution<float> near(100.0f, 15.0f);
    for (int i = 0; i < 1000; ++i) {
        auto node = std::make_unique<CData>(kNodeLine);
        node->CreateLine(near(random), near(random), near(random), near(random), 0, 0.25f, 0, 1);
        node->SetMark(kMarkSelected);
        paper.AddNode(std::move(node));
    }
    CQtImageSurface window(kWidth, kHeight);
    view.OnUpdate(kHintUpdateAll);
    view.OnPaint(window);

    const DevicePoint a = paper.WorldToDevice({100.0f, 100.0f});
    const DevicePoint b = paper.WorldToDevice({110.0f, 95.0f});
    bool there = false;
    for (auto _ : state) {
        state.PauseTiming();
        // Back and forth, so the drawing stays where it was.
        const DevicePoint from = there ? b : a;
        const DevicePoint to = there ? a : b;
        there = !there;
        view.CreateTool(kToolMove);
        view.OnMouseMove(0, from.x, from.y);
        view.OnLButtonDown(0, from.x, from.y);
        view.OnMouseMove(0, to.x, to.y);
        state.ResumeTiming();
        view.OnLButtonDown(0, to.x, to.y);
        view.OnPaint(window);
    }
}
BENCHMARK(BM_MoveThousandSelectedFinalClick)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace korvo
