// Font load and save, and the JSON round trip, on the densest font the file format allows:
// codes 1 ... 255, each with 255 pairs.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "font/FontFile.h"
#include "font/FontTable.h"
#include "font/KorvoFont.h"
#include "json/FontJson.h"
#include "platform/MessageHost.h"

namespace korvo {
namespace {

class SilentHost : public IMessageHost {
public:
    MessageAnswer ShowMessage(const MessageRequest&) override { return MessageAnswer::Ok; }
};

void FillDense(CFontTable& table) {
    table.Init(1);
    for (int code = 1; code < CFontTable::kGlyphCount; ++code) {
        std::vector<GlyphCommand> commands;
        for (int i = 0; i < kMaxGlyphPairs; ++i) {
            const GlyphOp op = i % 17 == 0 ? GlyphOp::Move : GlyphOp::Draw;
            commands.push_back({op, static_cast<std::uint8_t>((code + i * 7) % 201),
                                static_cast<std::uint8_t>((code * 3 + i) % 201)});
        }
        table.StoreGlyph(code, commands);
    }
}

std::string DenseFontPath() {
    const std::string path =
        (std::filesystem::temp_directory_path() / "korvo-bench-dense.dat").string();
    CKorvoFont font;
    font.NewTable(1);
    FillDense(*font.Table());
    SilentHost host;
    font.WriteFontFile(path, host);
    return path;
}

void BM_ReadDenseFontFile(benchmark::State& state) {
    const std::string path = DenseFontPath();
    SilentHost host;
    const int owns = static_cast<int>(state.range(0));
    for (auto _ : state) {
        CKorvoFont font;
        benchmark::DoNotOptimize(font.LoadFontFile(path, owns, host));
    }
    std::remove(path.c_str());
}
BENCHMARK(BM_ReadDenseFontFile)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

void BM_WriteDenseFontFile(benchmark::State& state) {
    const std::string path = DenseFontPath();
    CKorvoFont font;
    SilentHost host;
    font.LoadFontFile(path, 1, host);
    for (auto _ : state) {
        benchmark::DoNotOptimize(font.WriteFontFile(path, host));
    }
    std::remove(path.c_str());
}
BENCHMARK(BM_WriteDenseFontFile)->Unit(benchmark::kMicrosecond);

// The reader's codec alone, without the file: what the encoder is measured against.
void BM_ParseDenseFont(benchmark::State& state) {
    CFontTable dense;
    FillDense(dense);
    const std::vector<std::uint8_t> bytes = EncodeFontFile(dense);
    const int owns = static_cast<int>(state.range(0));
    for (auto _ : state) {
        CFontTable table;
        benchmark::DoNotOptimize(ParseFontFile(table, bytes, owns, "dense"));
    }
}
BENCHMARK(BM_ParseDenseFont)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

void BM_EncodeDenseFont(benchmark::State& state) {
    CFontTable table;
    FillDense(table);
    for (auto _ : state) {
        benchmark::DoNotOptimize(EncodeFontFile(table));
    }
}
BENCHMARK(BM_EncodeDenseFont)->Unit(benchmark::kMicrosecond);

// What `korvofont dump` followed by `korvofont build` does, without the process start-up.
void BM_DumpBuildRoundTrip(benchmark::State& state) {
    CFontTable table;
    FillDense(table);
    for (auto _ : state) {
        const std::string text = FontToJson(table).dump(2);
        const JsonFontParse parsed = GlyphsFromJson(nlohmann::json::parse(text));
        CFontTable rebuilt;
        rebuilt.Init(1);
        for (const JsonGlyph& glyph : parsed.glyphs) {
            rebuilt.StoreGlyph(glyph.code, glyph.commands);
        }
        benchmark::DoNotOptimize(EncodeFontFile(rebuilt));
    }
}
BENCHMARK(BM_DumpBuildRoundTrip)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace korvo
