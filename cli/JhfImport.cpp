#include "JhfImport.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstddef>
#include <cstdint>

namespace korvo {

namespace {

constexpr int kFirstCode = 1;
constexpr int kLastCode = 255;

// Indices [begin, end) of the glyphs whose codes land inside kFirstCode..kLastCode.
struct CodeRange {
    std::size_t begin = 0;
    std::size_t end = 0;
};

CodeRange KeptRange(std::size_t count, int firstCode) {
    const long long total = static_cast<long long>(count);
    const long long begin =
        std::clamp<long long>(kFirstCode - static_cast<long long>(firstCode), 0, total);
    const long long end = std::clamp<long long>(kLastCode + 1LL - firstCode, begin, total);
    return {static_cast<std::size_t>(begin), static_cast<std::size_t>(end)};
}

// The font's extent in Hershey units, x measured from each glyph's own left bound.
struct Extent {
    bool empty = true;
    int minX = INT_MAX;
    int maxX = INT_MIN;
    int minY = INT_MAX;
    int maxY = INT_MIN;
};

Extent MeasureFont(const std::vector<JhfGlyph>& glyphs, CodeRange range) {
    Extent extent;
    for (std::size_t i = range.begin; i < range.end; ++i) {
        const JhfGlyph& glyph = glyphs[i];
        for (const auto& path : glyph.paths) {
            for (const JhfPoint& p : path) {
                extent.empty = false;
                extent.minX = std::min(extent.minX, p.x - glyph.left);
                extent.maxX = std::max(extent.maxX, p.x - glyph.left);
                extent.minY = std::min(extent.minY, p.y);
                extent.maxY = std::max(extent.maxY, p.y);
            }
        }
    }
    return extent;
}

// The placement shared by every glyph of the font.
struct Placement {
    double scale = 0;
    int xOffset = 0;
    int yMax = 0;
};

Placement ChoosePlacement(const Extent& extent) {
    Placement placement;
    if (extent.empty) {
        return placement;
    }
    // Script styles reach left of their left bound; moving every glyph right by the largest such
    // overhang keeps the font's left bounds aligned with each other and every x non-negative.
    placement.xOffset = std::max(0, -extent.minX);
    placement.yMax = extent.maxY;
    const int spanX = extent.maxX + placement.xOffset;
    const int spanY = extent.maxY - extent.minY;
    const int span = std::max(spanX, spanY);
    placement.scale = span > 0 ? static_cast<double>(kMaxGlyphCoordinate) / span : 1.0;
    return placement;
}

std::uint8_t ToGrid(int units, double scale) {
    const long value = std::lround(units * scale);
    return static_cast<std::uint8_t>(std::clamp<long>(value, 0, kMaxGlyphCoordinate));
}

std::vector<GlyphCommand> PlaceGlyph(const JhfGlyph& glyph, const Placement& placement) {
    std::vector<GlyphCommand> commands;
    for (const auto& path : glyph.paths) {
        for (std::size_t i = 0; i < path.size(); ++i) {
            GlyphOp op = GlyphOp::Draw;
            if (i == 0) {
                op = path.size() == 1 ? GlyphOp::Point : GlyphOp::Move;
            }
            const JhfPoint& p = path[i];
            commands.push_back({op, ToGrid(p.x - glyph.left + placement.xOffset, placement.scale),
                                ToGrid(placement.yMax - p.y, placement.scale)});
        }
    }
    return commands;
}

void WarnDropped(std::size_t count, const std::string& where, std::vector<std::string>& warnings) {
    if (count > 0) {
        warnings.push_back(std::to_string(count) + " glyph(s) " + where + " were dropped");
    }
}

void WarnLongGlyph(const JhfGlyph& glyph, const ImportedGlyph& imported,
                   std::vector<std::string>& warnings) {
    if (imported.commands.size() <= static_cast<std::size_t>(kMaxGlyphPairs)) {
        return;
    }
    warnings.push_back("glyph at line " + std::to_string(glyph.line) + " (code " +
                       std::to_string(imported.code) + ") has " +
                       std::to_string(imported.commands.size()) + " pairs; only the first " +
                       std::to_string(kMaxGlyphPairs) + " are stored");
}

}  // namespace

JhfImportResult MapJhfGlyphs(const std::vector<JhfGlyph>& glyphs, int firstCode) {
    JhfImportResult result;
    const CodeRange range = KeptRange(glyphs.size(), firstCode);
    WarnDropped(range.begin, "before code " + std::to_string(kFirstCode), result.warnings);
    WarnDropped(glyphs.size() - range.end, "beyond code " + std::to_string(kLastCode),
                result.warnings);

    const Placement placement = ChoosePlacement(MeasureFont(glyphs, range));
    result.scale = placement.scale;
    result.xOffset = placement.xOffset;
    for (std::size_t i = range.begin; i < range.end; ++i) {
        const JhfGlyph& glyph = glyphs[i];
        if (glyph.paths.empty()) {
            continue;  // stays undefined but has used up its code
        }
        ImportedGlyph imported{firstCode + static_cast<int>(i), PlaceGlyph(glyph, placement),
                               glyph.line};
        WarnLongGlyph(glyph, imported, result.warnings);
        result.glyphs.push_back(std::move(imported));
    }
    return result;
}

std::string DescribeJhfScaleRule() {
    return "All glyphs share one scale, the largest that fits the font into the 0..200 grid: "
           "the tallest extent over all glyphs and the widest glyph, measured from its left "
           "bound, both fit, and y is flipped so the font's lowest point lands on 0. Each glyph "
           "is shifted so its left bound lands on x = 0, or, for styles with strokes left of "
           "their bound, on the font's largest such overhang, so no coordinate turns negative.";
}

}  // namespace korvo
