#include <gtest/gtest.h>

#include <vector>

#include "font/FontTable.h"
#include "font/GlyphStream.h"

namespace korvo {
namespace {

using Bytes = std::vector<std::uint8_t>;

// The pair count and the walk must agree: the count sizes the file records the walk fills.
TEST(GlyphStream, WalksAndCountsPairsLikeTheFileWriter) {
    struct Case {
        const char* what;
        Bytes stream;
        std::vector<GlyphCommand> expected;
    };
    const Case cases[] = {
        {"polyline then point",
         {CMD_MOVE, 0, 0, 100, 200, 200, 0, CMD_POINT, 7, 8, CMD_END},
         {{GlyphOp::Move, 0, 0},
          {GlyphOp::Draw, 100, 200},
          {GlyphOp::Draw, 200, 0},
          {GlyphOp::Point, 7, 8}}},
        {"only the end", {CMD_END}, {}},
        {"draw after a point stays a draw",
         {CMD_POINT, 5, 5, 6, 6, CMD_END},
         {{GlyphOp::Point, 5, 5}, {GlyphOp::Draw, 6, 6}}},
        {"stream starting without a command byte", {9, 8, CMD_END}, {{GlyphOp::Draw, 9, 8}}},
        {"bytes after the end are not read", {1, 2, CMD_END, 3, 4}, {{GlyphOp::Draw, 1, 2}}},
        // The last pair of an odd stream takes CMD_END as its y, as the writer copies it.
        {"odd trailing byte", {CMD_MOVE, 10, CMD_END}, {{GlyphOp::Move, 10, CMD_END}}},
        {"storage ends without CMD_END",
         {CMD_MOVE, 1, 2, 3},
         {{GlyphOp::Move, 1, 2}, {GlyphOp::Draw, 3, CMD_END}}},
        {"storage ends on a pair",
         {CMD_MOVE, 1, 2, 3, 4},
         {{GlyphOp::Move, 1, 2}, {GlyphOp::Draw, 3, 4}}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReadGlyphCommands(c.stream), c.expected) << c.what;
        EXPECT_EQ(CountStreamPairs(c.stream), static_cast<int>(c.expected.size())) << c.what;
    }
}

TEST(FontTable, StoresGlyphsInBothModes) {
    const std::vector<GlyphCommand> glyph = {
        {GlyphOp::Move, 40, 10}, {GlyphOp::Draw, 12, 190}, {GlyphOp::Point, 90, 0}};
    const Bytes expected = {CMD_MOVE, 40, 10, 12, 190, CMD_POINT, 90, 0, CMD_END};

    CFontTable owning;
    owning.Init(1);
    ASSERT_TRUE(owning.StoreGlyph(65, glyph));
    const GlyphEntry& entry = owning.Entry(65);
    // An owned block is always 3n + 4 bytes for n pairs.
    EXPECT_EQ(entry.commands.size(), 3u * glyph.size() + 4);
    EXPECT_EQ(Bytes(entry.commands.begin(), entry.commands.begin() + 9), expected);
    EXPECT_EQ(entry.left, 12);
    EXPECT_EQ(entry.glyphWidth, 78);
    EXPECT_EQ(owning.CountCommandPairs(65 + 256), 3) << "codes wrap at 256";

    CFontTable pooled;
    pooled.ReservePool(static_cast<std::uint32_t>(expected.size() + 3));
    ASSERT_TRUE(pooled.StoreGlyph(66, glyph));
    EXPECT_EQ(pooled.Entry(66).commands.data(), pooled.Pool().data());
    EXPECT_EQ(Bytes(pooled.Pool().begin(), pooled.Pool().begin() + 9), expected);
    EXPECT_TRUE(pooled.StoreGlyph(67, std::vector<GlyphCommand>{{GlyphOp::Draw, 1, 1}}));
    EXPECT_FALSE(pooled.StoreGlyph(68, std::vector<GlyphCommand>{{GlyphOp::Draw, 1, 1}}))
        << "the pool has no room left";
    EXPECT_FALSE(pooled.Entry(68).HasCommands());
}

TEST(FontTable, EmptyGlyphAndDefaultAdvance) {
    CFontTable table;
    table.Init(1);
    ASSERT_TRUE(table.StoreGlyph(10, std::vector<GlyphCommand>{}));
    EXPECT_TRUE(table.Entry(10).HasCommands());
    EXPECT_EQ(table.Entry(10).commands[0], CMD_END);
    EXPECT_EQ(table.Entry(10).left, 255);
    EXPECT_EQ(table.Entry(10).glyphWidth, -255);
    EXPECT_EQ(table.CountCommandPairs(10), 0);

    table.RecomputeDefaultAdvance();
    EXPECT_EQ(table.DefaultAdvance(), 0) << "negative widths never win";

    table.StoreGlyph(65, std::vector<GlyphCommand>{{GlyphOp::Move, 10, 0}, {GlyphOp::Draw, 70, 0}});
    table.StoreGlyph(66, std::vector<GlyphCommand>{{GlyphOp::Move, 0, 0}, {GlyphOp::Draw, 40, 0}});
    table.RecomputeDefaultAdvance();
    EXPECT_EQ(table.DefaultAdvance(), 60) << "largest width, not divided";

    // Replacing a glyph frees its old block and measures the new one.
    table.StoreGlyph(65, std::vector<GlyphCommand>{{GlyphOp::Point, 3, 3}});
    EXPECT_EQ(table.Entry(65).commands.size(), 7u);
    EXPECT_EQ(table.Entry(65).glyphWidth, 0);
}

}  // namespace
}  // namespace korvo
