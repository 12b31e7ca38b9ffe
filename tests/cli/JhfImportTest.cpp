#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "JhfImport.h"

namespace korvo {
namespace {

constexpr GlyphOp M = GlyphOp::Move;
constexpr GlyphOp D = GlyphOp::Draw;
constexpr GlyphOp O = GlyphOp::Point;

using Paths = std::vector<std::vector<JhfPoint>>;
using Commands = std::vector<GlyphCommand>;

JhfGlyph Glyph(int left, Paths paths, int line = 1) {
    return {0, line, left, left + 10, paths};
}

struct MapCase {
    const char* name;
    std::vector<JhfGlyph> font;
    double scale;
    int xOffset;
    std::vector<Commands> commands;  // of the defined glyphs, in order
};

TEST(JhfImportTest, PlacesEveryGlyphWithOneScaleAndOffset) {
    const std::vector<MapCase> cases = {
        // clang-format off
        {"y flipped, left bound at 0", {Glyph(-5, {{{-5, -10}, {5, 10}}})}, 10, 0,
         {{{M, 0, 200}, {D, 100, 0}}}},
        {"overhang moves every left bound to xOffset",
         {Glyph(-3, {{{-5, 0}, {-3, 4}}}), Glyph(0, {{{0, 0}, {8, 0}}})}, 20, 2,
         {{{M, 0, 80}, {D, 40, 0}}, {{M, 40, 80}, {D, 200, 80}}}},
        {"lone vertex is a point, repeats kept", {Glyph(0, {{{0, 0}}, {{2, 2}, {2, 2}, {4, 0}}})},
         50, 0, {{{O, 0, 100}, {M, 100, 0}, {D, 100, 0}, {D, 200, 100}}}},
        {"rounding stays on the grid", {Glyph(0, {{{0, 0}, {1, 0}, {2, 0}, {3, 3}}})}, 200.0 / 3, 0,
         {{{M, 0, 200}, {D, 67, 200}, {D, 133, 200}, {D, 200, 0}}}},
        {"zero span", {Glyph(4, {{{4, 4}}})}, 1, 0, {{{O, 0, 0}}}},
        {"no vertices", {Glyph(0, {}), Glyph(3, {})}, 0, 0, {}},
        // clang-format on
    };
    for (const MapCase& c : cases) {
        SCOPED_TRACE(c.name);
        const JhfImportResult result = MapJhfGlyphs(c.font, 1);
        EXPECT_DOUBLE_EQ(result.scale, c.scale);
        EXPECT_EQ(result.xOffset, c.xOffset);
        std::vector<Commands> commands;
        for (const ImportedGlyph& g : result.glyphs) {
            commands.push_back(g.commands);
        }
        EXPECT_EQ(commands, c.commands);
        EXPECT_TRUE(result.warnings.empty());
    }
}

TEST(JhfImportTest, AssignsCodesInFileOrderWithinOneToTwoFiftyFive) {
    const JhfGlyph dot = Glyph(0, {{{0, 0}}});
    const std::vector<JhfGlyph> font = {dot, Glyph(0, {}), dot, dot, dot};
    struct Case {
        int firstCode;
        std::vector<int> codes;
        std::vector<std::string> warnings;
    };
    const std::vector<Case> cases = {
        {10, {10, 12, 13, 14}, {}},
        {252, {252, 254, 255}, {"1 glyph(s) beyond code 255 were dropped"}},
        {-1, {1, 2, 3}, {"2 glyph(s) before code 1 were dropped"}},
        {255, {255}, {"4 glyph(s) beyond code 255 were dropped"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.firstCode);
        const JhfImportResult result = MapJhfGlyphs(font, c.firstCode);
        std::vector<int> codes;
        for (const ImportedGlyph& g : result.glyphs) {
            codes.push_back(g.code);
        }
        EXPECT_EQ(codes, c.codes);
        EXPECT_EQ(result.warnings, c.warnings);
    }
}

TEST(JhfImportTest, WarnsAboutGlyphsOverThePairLimitButKeepsThemWhole) {
    for (const int pairs : {255, 256, 300}) {
        std::vector<JhfPoint> path;
        for (int i = 0; i < pairs; ++i) {
            path.push_back({i % 7, i % 5});
        }
        const JhfImportResult result = MapJhfGlyphs({Glyph(0, {path}, 7)}, 40);
        ASSERT_EQ(result.glyphs.size(), 1u);
        EXPECT_EQ(result.glyphs[0].commands.size(), static_cast<size_t>(pairs));
        const std::vector<std::string> expected = {"glyph at line 7 (code 40) has " +
                                                   std::to_string(pairs) +
                                                   " pairs; only the first 255 are stored"};
        EXPECT_EQ(result.warnings, pairs > 255 ? expected : std::vector<std::string>{});
    }
}

}  // namespace
}  // namespace korvo
