// The sheet's hot paths: a full background render with the character table of a dense font
// (every full repaint), and the snap search and pick that every mouse move makes.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <cmath>
#include <memory>
#include <random>

#include "QtDrawContext.h"
#include "font/FontTable.h"
#include "font/GlyphCommand.h"
#include "font/KorvoFont.h"
#include "model/Data.h"
#include "model/DataCollection.h"
#include "model/Paper.h"

namespace korvo {
namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

// Every code 33 ... 255 with 255 pairs: a zigzag across the glyph square.
std::unique_ptr<CKorvoFont> DenseFont() {
    auto font = std::make_unique<CKorvoFont>();
    font->NewTable(1);
    for (int code = 33; code < CFontTable::kGlyphCount; ++code) {
        std::vector<GlyphCommand> commands;
        for (int i = 0; i < 255; ++i) {
            commands.push_back({i == 0 ? GlyphOp::Move : GlyphOp::Draw,
                                static_cast<std::uint8_t>((i * 37) % 201),
                                static_cast<std::uint8_t>((i * 11 + code) % 201)});
        }
        font->Table()->StoreGlyph(code, commands);
    }
    return font;
}

void BM_PaintBackground(benchmark::State& state) {
    auto font = DenseFont();
    CPaper paper;
    paper.SetFont(font.get());
    paper.SetClientRect({0, 0, kWidth, kHeight});
    QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        CQtDrawContext dc(painter, false);
        paper.PaintBackground(dc);
    }
}
BENCHMARK(BM_PaintBackground)->Unit(benchmark::kMillisecond);

// 1 000 lines and 100 arcs crowded round the middle of the drawing area.
std::unique_ptr<CPaper> BusySheet() {
    auto paper = std::make_unique<CPaper>();
    paper->SetClientRect({0, 0, kWidth, kHeight});
    std::mt19937 random(11);
    std::normal_distribution<float> near(100.0f, 15.0f);
    std::uniform_real_distribution<float> angle(0.0f, 360.0f);
    for (int i = 0; i < 1000; ++i) {
        auto node = std::make_unique<CData>(kNodeLine);
        node->CreateLine(near(random), near(random), near(random), near(random), 0, 0.25f, 0, 1);
        paper->AddNode(std::move(node));
    }
    for (int i = 0; i < 100; ++i) {
        auto node = std::make_unique<CData>(kNodeEllipse);
        const float start = angle(random);
        node->CreateEllipse(near(random), near(random), 5.0f + i % 20, 5.0f + i % 13, start,
                            start + 120.0f, angle(random), 0, 0.25f, 0, 1);
        paper->AddNode(std::move(node));
    }
    return paper;
}

void BM_SnapToPointsAllKinds(benchmark::State& state) {
    auto paper = BusySheet();
    const DevicePoint cursor = paper->WorldToDevice({100.0f, 100.0f});
    for (auto _ : state) {
        PointF out;
        benchmark::DoNotOptimize(paper->SnapToPoints(15, cursor, out));
    }
}
BENCHMARK(BM_SnapToPointsAllKinds)->Unit(benchmark::kMillisecond);

void BM_PickElement(benchmark::State& state) {
    auto paper = BusySheet();
    const DevicePoint cursor = paper->WorldToDevice({100.0f, 100.0f});
    for (auto _ : state) {
        benchmark::DoNotOptimize(paper->PickElement(cursor, 0));
    }
}
BENCHMARK(BM_PickElement)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace korvo
