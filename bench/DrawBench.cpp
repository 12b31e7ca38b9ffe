// The elements drawn through the Qt draw context into a full-HD back buffer, plain and styled,
// and the distance query every pick makes of every element.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <memory>
#include <random>
#include <vector>

#include "QtDrawContext.h"
#include "model/Data.h"
#include "model/DrawObjCircle.h"
#include "model/DrawObjEllipse.h"
#include "model/DrawObjLine.h"
#include "model/Paper.h"

namespace korvo {
namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

// Strokes spread over the glyph area the way a dense drawing fills it.
std::vector<std::unique_ptr<CData>> MakeNodes(int lines, int ellipses, int points) {
    std::mt19937 random(7);
    std::uniform_real_distribution<float> coord(0.0f, 200.0f);
    std::uniform_real_distribution<float> radius(2.0f, 40.0f);
    std::vector<std::unique_ptr<CData>> nodes;
    auto add = [&](std::unique_ptr<CDrawObj> element, int type) {
        auto node = std::make_unique<CData>(type);
        node->SetElement(std::move(element));
        nodes.push_back(std::move(node));
    };
    for (int i = 0; i < lines; ++i) {
        add(std::make_unique<CDrawObjLine>(coord(random), coord(random), coord(random),
                                           coord(random), i % 5, 250, 0, 1),
            kNodeLine);
    }
    for (int i = 0; i < ellipses; ++i) {
        add(std::make_unique<CDrawObjEllipse>(coord(random), coord(random), radius(random),
                                              radius(random), 30.0f * (i % 12), 200.0f, 15.0f,
                                              i % 5, 250, 0xFF, 1),
            kNodeEllipse);
    }
    for (int i = 0; i < points; ++i) {
        add(std::make_unique<CDrawObjCircle>(coord(random), coord(random), 1.0f, 0, 250, 0, 0, 0, 0,
                                             1),
            kNodePoint);
    }
    return nodes;
}

void DrawAll(benchmark::State& state, int lines, int ellipses, int points) {
    const bool styled = state.range(0) != 0;
    CPaper paper;
    paper.SetClientRect({0, 0, kWidth, kHeight});
    auto nodes = MakeNodes(lines, ellipses, points);
    QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    g_bStyledDrawing = styled;
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        CQtDrawContext dc(painter, false);
        for (const auto& node : nodes) {
            node->Draw(paper, &dc);
        }
    }
    g_bStyledDrawing = false;
    state.counters["elements"] = static_cast<double>(nodes.size());
}

void BM_DrawLines(benchmark::State& state) {
    DrawAll(state, 10000, 0, 0);
}
void BM_DrawEllipses(benchmark::State& state) {
    DrawAll(state, 0, 1000, 0);
}
void BM_DrawPointMarkers(benchmark::State& state) {
    DrawAll(state, 0, 0, 1000);
}
BENCHMARK(BM_DrawLines)->Arg(0)->Arg(1)->ArgName("styled")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawEllipses)->Arg(0)->Arg(1)->ArgName("styled")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawPointMarkers)->Arg(0)->Arg(1)->ArgName("styled")->Unit(benchmark::kMillisecond);

void BM_GetDistance(benchmark::State& state) {
    CPaper paper;
    paper.SetClientRect({0, 0, kWidth, kHeight});
    auto nodes = MakeNodes(8000, 1000, 1000);
    for (auto _ : state) {
        double sum = 0.0;
        for (const auto& node : nodes) {
            sum += node->GetDistance(paper, {100.0f, 100.0f});
        }
        benchmark::DoNotOptimize(sum);
    }
    state.counters["elements"] = static_cast<double>(nodes.size());
}
BENCHMARK(BM_GetDistance)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace korvo
