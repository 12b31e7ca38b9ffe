#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "JhfFont.h"
#include "JhfImport.h"

namespace {

void Check(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

std::size_t CountLines(std::string_view text) {
    std::size_t lines = 0;
    for (const char c : text) {
        lines += c == '\n' ? 1 : 0;
    }
    return lines + 1;
}

std::size_t CountVertices(const korvo::JhfGlyph& glyph) {
    std::size_t count = 0;
    for (const auto& path : glyph.paths) {
        Check(!path.empty());
        for (const korvo::JhfPoint& p : path) {
            Check(p.x >= -49 && p.x <= 44 && p.y >= -49 && p.y <= 44);
        }
        count += path.size();
    }
    return count;
}

// Every path must come out as one Move followed by Draws, or a lone Point.
void CheckCommands(const korvo::ImportedGlyph& glyph, std::size_t vertices) {
    Check(!glyph.commands.empty() && glyph.commands.size() == vertices);
    Check(glyph.commands.front().op != korvo::GlyphOp::Draw);
    for (std::size_t i = 0; i < glyph.commands.size(); ++i) {
        const korvo::GlyphCommand& c = glyph.commands[i];
        Check(c.x <= korvo::kMaxGlyphCoordinate && c.y <= korvo::kMaxGlyphCoordinate);
        const bool nextIsDraw =
            i + 1 < glyph.commands.size() && glyph.commands[i + 1].op == korvo::GlyphOp::Draw;
        Check(c.op != korvo::GlyphOp::Point || !nextIsDraw);
        Check(c.op != korvo::GlyphOp::Move || nextIsDraw);
    }
}

void CheckImport(const korvo::JhfParseResult& parsed, int firstCode) {
    const korvo::JhfImportResult imported = korvo::MapJhfGlyphs(parsed.glyphs, firstCode);
    Check(std::isfinite(imported.scale) && imported.scale >= 0);
    Check(imported.xOffset >= 0 && imported.warnings.size() <= parsed.glyphs.size() + 2);
    int previousCode = 0;
    int maxCoordinate = 0;
    for (const korvo::ImportedGlyph& glyph : imported.glyphs) {
        Check(glyph.code > previousCode && glyph.code <= 255 && glyph.code >= firstCode);
        previousCode = glyph.code;
        const korvo::JhfGlyph& source = parsed.glyphs[glyph.code - firstCode];
        Check(source.line == glyph.jhfLine);
        CheckCommands(glyph, CountVertices(source));
        for (const korvo::GlyphCommand& c : glyph.commands) {
            maxCoordinate = std::max({maxCoordinate, int{c.x}, int{c.y}});
        }
    }
    // The scale is the largest that fits, so something must touch the grid's far edge unless
    // the whole font collapses onto a single spot.
    Check(imported.glyphs.empty() || imported.scale == 1.0 || maxCoordinate == 200);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const korvo::JhfParseResult parsed = korvo::ParseJhf(text);
    Check(parsed.glyphs.size() + parsed.errors.size() <= CountLines(text));
    int previousLine = 0;
    for (const korvo::JhfGlyph& glyph : parsed.glyphs) {
        Check(glyph.line > previousLine);
        previousLine = glyph.line;
    }
    const int firstCode = size > 0 ? 1 + data[size - 1] % 255 : 32;
    CheckImport(parsed, firstCode);
    return 0;
}
