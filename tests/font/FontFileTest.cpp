#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "font/FontFile.h"
#include "font/FontTable.h"
#include "font/GlyphStream.h"
#include "font/KorvoFont.h"
#include "support/ScriptedMessageHost.h"
#include "support/TempDir.h"

namespace korvo {
namespace {

using Bytes = std::vector<std::uint8_t>;
using test::ScriptedMessageHost;
using test::TempDir;

const Bytes kHeader(kFontFileHeader.begin(), kFontFileHeader.end());
const Bytes kEndBlock(16, 0);

std::vector<GlyphCommand> Polyline(int pairs) {
    std::vector<GlyphCommand> commands;
    for (int i = 0; i < pairs; ++i) {
        commands.push_back({i == 0 ? GlyphOp::Move : GlyphOp::Draw,
                            static_cast<std::uint8_t>((i * 7) % 201),
                            static_cast<std::uint8_t>((i * 13) % 201)});
    }
    return commands;
}

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

// A font file with the given records between header and end block.
Bytes FontFile(std::initializer_list<Bytes> records) {
    Bytes file = kHeader;
    for (const Bytes& record : records) {
        file.insert(file.end(), record.begin(), record.end());
    }
    file.insert(file.end(), kEndBlock.begin(), kEndBlock.end());
    return file;
}

std::string CaptureParse(CFontTable& table, const Bytes& bytes, int owns,
                         FontReadOutcome* outcome = nullptr) {
    ::testing::internal::CaptureStdout();
    const FontReadOutcome result = ParseFontFile(table, bytes, owns, "name");
    if (outcome != nullptr) {
        *outcome = result;
    }
    return ::testing::internal::GetCapturedStdout();
}

TEST(FontFile, RecordSizesAndPadding) {
    struct Case {
        int pairs;
        int storedPairs;
        int blocks;  // the record is padded with zeros to this many 16-byte blocks
    };
    const Case cases[] = {
        {4, 4, 1},       // 3n + 3 = 15, 1 padding
        {15, 15, 4},     // 3n + 3 = 48: a whole block of padding
        {300, 255, 49},  // the file keeps only the first 255 pairs
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pairs);
        CFontTable table;
        table.Init(1);
        const std::vector<GlyphCommand> glyph = Polyline(c.pairs);
        table.StoreGlyph(65, glyph);
        Bytes record = {65, static_cast<std::uint8_t>(c.storedPairs),
                        static_cast<std::uint8_t>(c.blocks)};
        for (int i = 0; i < c.storedPairs; ++i) {
            record.insert(record.end(), {std::uint8_t(i == 0 ? 'm' : 'd'), glyph[i].x, glyph[i].y});
        }
        ASSERT_LE(record.size(), 16u * c.blocks);
        record.resize(16u * c.blocks, 0);
        const Bytes file = EncodeFontFile(table);
        EXPECT_EQ(file, FontFile({record}));

        CFontTable back;
        EXPECT_EQ(CaptureParse(back, file, 1), "");
        EXPECT_EQ(ReadGlyphCommands(back.Entry(65).commands),
                  std::vector<GlyphCommand>(glyph.begin(), glyph.begin() + c.storedPairs));
    }
}

TEST(FontFile, LettersFollowTheStreamCommands) {
    CFontTable table;
    table.Init(1);
    table.StoreGlyph(
        65, std::vector<GlyphCommand>{
                {GlyphOp::Move, 0, 0}, {GlyphOp::Draw, 100, 200}, {GlyphOp::Draw, 200, 0}});
    // A point, a draw-to right after it, a new polyline, and code 0 which is never written.
    table.StoreGlyph(7, std::vector<GlyphCommand>{{GlyphOp::Point, 1, 2},
                                                  {GlyphOp::Draw, 3, 4},
                                                  {GlyphOp::Move, 5, 6},
                                                  {GlyphOp::Point, 7, 8}});
    table.StoreGlyph(0, std::vector<GlyphCommand>{{GlyphOp::Point, 1, 1}});
    table.StoreGlyph(9, std::vector<GlyphCommand>{});  // CMD_END only: skipped
    EXPECT_EQ(EncodeFontFile(table),
              FontFile({{7, 4, 1, 'o', 1, 2, 'd', 3, 4, 'm', 5, 6, 'o', 7, 8, 0},
                        {0x41, 0x03, 0x01, 0x6D, 0x00, 0x00, 0x64, 0x64, 0xC8, 0x64, 0xC8, 0x00,
                         0x00, 0x00, 0x00, 0x00}}));
}

// Streams the editor never writes but archives and damaged files can hold: the writer spells
// them exactly as the stream walk reads them, never past the stream's storage.
TEST(FontFile, OddStreamsAreWrittenAsTheWalkReadsThem) {
    struct Case {
        const char* what;
        Bytes pool;  // the stream at offset 0; the last byte is the pool's spare byte
        Bytes commands;
    };
    const Case cases[] = {
        {"odd trailing coordinate", {CMD_MOVE, 10, CMD_END, 0}, {'m', 10, CMD_END}},
        {"command byte as a coordinate", {CMD_MOVE, CMD_MOVE, 1, 2, CMD_END, 0}, {'m', 201, 1}},
        {"no CMD_END before the storage ends", {CMD_MOVE, 1, 2, 3}, {'m', 1, 2, 'd', 3, CMD_END}},
    };
    for (const Case& c : cases) {
        CFontTable table;
        table.AdoptPool(c.pool);
        ASSERT_TRUE(table.SetPooledEntry(65, 0, 0, 0));
        Bytes record = {65, static_cast<std::uint8_t>(c.commands.size() / 3), 1};
        record.insert(record.end(), c.commands.begin(), c.commands.end());
        record.resize(16, 0);
        EXPECT_EQ(EncodeFontFile(table), FontFile({record})) << c.what;
    }
}

TEST(FontFile, EmptyFontIs32Bytes) {
    TempDir dir;
    const std::string path = dir.File("Empty Font.dat");
    CKorvoFont font;
    font.NewTable(1);
    ScriptedMessageHost host;
    ASSERT_EQ(font.WriteFontFile(path, host), FontWriteResult::Written);
    EXPECT_EQ(test::ReadBytes(path), Concat({kHeader, kEndBlock}));

    CKorvoFont back;
    EXPECT_TRUE(back.LoadFontFile(path, 1, host).IsClean());
    EXPECT_EQ(back.Table()->DefinedCount(), 0);
    EXPECT_EQ(back.GetDefaultAdvance(), 0);
    EXPECT_EQ(back.Table()->FontName(), "Empty Font");
    EXPECT_TRUE(host.Messages().empty());
}

TEST(FontFile, DefaultAdvanceAndRepeatedCodes) {
    const Bytes widths = FontFile({
        {65, 2, 1, 'm', 10, 0, 'd', 40, 0, 0, 0, 0, 0, 0, 0, 0},    // width 30
        {66, 2, 1, 'm', 0, 0, 'd', 90, 9, 0, 0, 0, 0, 0, 0, 0},     // width 90
        {67, 2, 1, 'm', 100, 5, 'o', 161, 5, 0, 0, 0, 0, 0, 0, 0},  // width 61
    });
    const Bytes repeated = FontFile({
        {65, 1, 1, 'o', 5, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
        {65, 2, 1, 'm', 20, 5, 'd', 30, 5, 0, 0, 0, 0, 0, 0, 0},
    });
    for (const int owns : {0, 1}) {
        CFontTable table;
        CaptureParse(table, widths, owns);
        EXPECT_EQ(table.DefaultAdvance(), 30) << "owns " << owns;
        EXPECT_EQ(table.Entry(67).left, 100);
        EXPECT_EQ(table.Entry(67).glyphWidth, 61);
        // The later record replaces the earlier one.
        CFontTable again;
        CaptureParse(again, repeated, owns);
        EXPECT_EQ(again.CountCommandPairs(65), 2);
        EXPECT_EQ(again.Entry(65).left, 20);
    }
}

// What the reader tells besides the characters: a file that may be no font, a file that ends
// before its end block, and glyphs whose coordinates the format cannot write back.
TEST(FontFile, OutcomeTellsWhatAUserMustKnow) {
    const Bytes good = {65, 1, 1, 'o', 5, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    const Bytes offGridY = {66, 2, 1, 'm', 1, 201, 'd', 2, 2, 0, 0, 0, 0, 0, 0, 0};
    const Bytes offGridX = {70, 1, 1, 'o', 203, 9, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    const Bytes offThenOn = {67, 1, 1, 'd', 202, 9, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    const Bytes onAgain = {67, 1, 1, 'd', 200, 9, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    const std::string text = "This is a text file and no font at all.\n";
    // "This is a text f" is the header; 'i' 'l' 'e' a record of 108 commands.
    const Bytes textFile(text.begin(), text.end());
    const Bytes otherVersion =
        Concat({Bytes(kHeader.begin(), kHeader.end() - 2), Bytes{'2', ' '}, good, kEndBlock});
    const Bytes cutInPadding = Concat({kHeader, Bytes(good.begin(), good.begin() + 9)});
    const Bytes endBlockFirst = Concat({kHeader, {0, 5, 1, 'm'}});
    struct Damage {
        std::size_t offset;
        bool endMissing;
    };
    struct Case {
        const char* what;
        Bytes file;
        bool header;
        int records;  // read
        int defined;  // characters kept
        std::optional<Damage> damage;
        std::vector<int> offGrid;
    };
    const Case cases[] = {
        {"sound", FontFile({good}), true, 1, 1, std::nullopt, {}},
        {"empty file", {}, false, 0, 0, Damage{0, true}, {}},
        {"only the header", kHeader, true, 0, 0, Damage{16, true}, {}},
        {"byte 16 is 0", endBlockFirst, true, 0, 0, std::nullopt, {}},
        {"cut after a record", Concat({kHeader, good}), true, 1, 1, Damage{32, true}, {}},
        {"cut in a record's padding", cutInPadding, true, 1, 1, Damage{25, true}, {}},
        {"another version", otherVersion, false, 1, 1, std::nullopt, {}},
        {"a text file", textFile, false, 0, 0, Damage{17, false}, {}},
        {"201 ... 203", FontFile({offGridY, good, offGridX}), true, 3, 3, std::nullopt, {66, 70}},
        {"off-grid glyph replaced", FontFile({offThenOn, onAgain}), true, 2, 1, std::nullopt, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (const int owns : {0, 1}) {
            CFontTable table;
            FontReadOutcome outcome;
            CaptureParse(table, c.file, owns, &outcome);
            EXPECT_EQ(outcome.headerMatches, c.header);
            EXPECT_EQ(outcome.recordsRead, c.records);
            EXPECT_EQ(table.DefinedCount(), c.defined);
            EXPECT_EQ(outcome.offGridCodes, c.offGrid);
            ASSERT_EQ(outcome.damage.has_value(), c.damage.has_value());
            if (c.damage) {
                EXPECT_EQ(outcome.damage->offset, c.damage->offset);
                EXPECT_EQ(outcome.damage->endMissing, c.damage->endMissing);
            }
            EXPECT_EQ(outcome.IsClean(), c.header && !c.damage && c.offGrid.empty());
        }
    }
}

TEST(FontFile, UnknownLettersPrintErr2) {
    const Bytes file = FontFile({
        {65, 3, 1, 'm', 1, 2, 'x', 3, 4, '?', 5, 6, 0, 0, 0, 0},
        {66, 1, 1, 'o', 9, 9, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    });
    CFontTable owning;
    FontReadOutcome outcome;
    EXPECT_EQ(CaptureParse(owning, file, 1, &outcome), "err2\nerr2\n");
    EXPECT_FALSE(outcome.damage);
    // The owning table keeps reading: the unknown letters become draw-to pairs.
    EXPECT_EQ(ReadGlyphCommands(owning.Entry(65).commands),
              (std::vector<GlyphCommand>{
                  {GlyphOp::Move, 1, 2}, {GlyphOp::Draw, 3, 4}, {GlyphOp::Draw, 5, 6}}));
    EXPECT_TRUE(owning.Entry(66).HasCommands());

    // The shared pool is sized by letters; a pair it did not count ends the reading there.
    CFontTable pooled;
    EXPECT_EQ(CaptureParse(pooled, file, 0, &outcome), "err2\n");
    ASSERT_TRUE(outcome.damage);
    EXPECT_EQ(outcome.damage->record, 1);
    EXPECT_EQ(outcome.damage->offset, 16u + 6);
    EXPECT_EQ(pooled.DefinedCount(), 0);
}

TEST(FontFile, DamagedFilesKeepWhatCameBefore) {
    const Bytes good = {65, 1, 1, 'o', 5, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    struct Case {
        const char* what;
        Bytes file;
        int record;
        std::size_t offset;
    };
    const Case cases[] = {
        {"block count 0", Concat({kHeader, good, {66, 1, 0, 'o', 1, 1}, Bytes(10, 0), kEndBlock}),
         2, 34},
        {"commands past the end", Concat({kHeader, good, {66, 200, 13, 'm', 1, 1, 'd', 2}}), 2, 33},
        {"header cut off", Concat({kHeader, good, {66, 4}}), 2, 32},
        {"n too large for the file", Concat({kHeader, good, {66, 6, 2}, Bytes(13, 0)}), 2, 33},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (const int owns : {0, 1}) {
            CFontTable table;
            FontReadOutcome outcome;
            CaptureParse(table, c.file, owns, &outcome);
            ASSERT_TRUE(outcome.damage);
            EXPECT_EQ(outcome.damage->record, c.record);
            EXPECT_EQ(outcome.damage->offset, c.offset);
            EXPECT_EQ(outcome.recordsRead, 1);
            EXPECT_EQ(table.DefinedCount(), 1);
            EXPECT_TRUE(table.Entry(65).HasCommands());
        }
    }
    // Loading the font shows the damage to the user, by identity with where and how much, and
    // the text reads as it always has, whatever the path holds.
    TempDir dir;
    const std::string broken = dir.File("50% %d broken.dat");
    const std::string cut = dir.File("cut.dat");
    test::WriteBytes(broken, cases[0].file);
    test::WriteBytes(cut, Concat({kHeader, good}));
    CKorvoFont font;
    ScriptedMessageHost host;
    EXPECT_TRUE(font.LoadFontFile(broken, 1, host).IsRead());
    EXPECT_TRUE(font.LoadFontFile(cut, 1, host).IsRead());
    ASSERT_EQ(host.Messages().size(), 2u);
    const MessageRequest& damaged = host.Messages()[0];
    EXPECT_EQ(damaged.id, MessageId::Fixed(FixedText::FontFileDamaged));
    EXPECT_EQ(damaged.args,
              (std::vector<MessageArg>{broken, 2LL, 34LL, "claims to fill 0 blocks", 1LL}));
    EXPECT_EQ(FormatMessageText(damaged),
              "Font file " + broken +
                  " is damaged: character record 2 (byte offset 34) claims to fill 0 blocks.\nThe "
                  "1 characters before it were read; the rest of the file was left out.");
    const MessageRequest& cutShort = host.Messages()[1];
    EXPECT_EQ(cutShort.id, MessageId::Fixed(FixedText::FontFileCutShort));
    EXPECT_EQ(cutShort.args, (std::vector<MessageArg>{cut, 32LL, 1LL}));
    EXPECT_EQ(DescribeDamage(cut, font.LoadFontFile(cut, 1, host)),
              "Font file " + cut +
                  " is damaged: it ends after 32 bytes, without its end block.\nThe 1 characters "
                  "in it were read; anything after them is missing.");
    EXPECT_EQ(font.Table()->DefinedCount(), 1);
}

TEST(FontFile, MissingFilesAndFailedWrites) {
    CKorvoFont font;
    font.NewTable(1);
    font.Table()->StoreGlyph(65, Polyline(3));
    ScriptedMessageHost host;
    EXPECT_EQ(font.LoadFontFile("/nonexistent/folder/font.dat", 1, host).result,
              FontReadResult::CannotOpen);
    ASSERT_EQ(host.Messages().size(), 1u);
    EXPECT_EQ(host.Messages()[0].id, MessageId::Fixed(FixedText::FontFileNotFound));
    EXPECT_EQ(host.Messages()[0].args,
              std::vector<MessageArg>{std::string("/nonexistent/folder/font.dat")});
    EXPECT_EQ(host.Messages()[0].buttons, MessageButtons::Ok);
    ASSERT_NE(font.Table(), nullptr);
    EXPECT_EQ(font.Table()->DefinedCount(), 0);
    EXPECT_EQ(font.Table()->OwnsEntries(), 0);

    // A file that cannot be created shows nothing; a font without a table writes nothing.
    EXPECT_EQ(font.WriteFontFile("/nonexistent/folder/font.dat", host),
              FontWriteResult::CannotCreate);
    EXPECT_EQ(host.Messages().size(), 1u);
    EXPECT_EQ(CKorvoFont().WriteFontFile("/tmp/never-written.dat", host), FontWriteResult::NoTable);
}

// Reading in either mode and writing again gives back every sample font byte for byte.
TEST(FontFile, SampleFontsRoundTripInBothModes) {
    for (const char* name : {"futural.dat", "gothiceng.dat", "scripts.dat"}) {
        SCOPED_TRACE(name);
        const Bytes original = test::ReadBytes(std::string(KORVO_SOURCE_DIR) + "/samples/" + name);
        ASSERT_GT(original.size(), 32u);
        CFontTable owning;
        CFontTable pooled;
        EXPECT_EQ(CaptureParse(owning, original, 1), "");
        EXPECT_EQ(CaptureParse(pooled, original, 0), "");
        EXPECT_GT(owning.DefinedCount(), 80);
        EXPECT_EQ(EncodeFontFile(owning), original);
        EXPECT_EQ(EncodeFontFile(pooled), original);
        EXPECT_EQ(owning.DefaultAdvance(), pooled.DefaultAdvance());
        // The pool is exactly as large as the streams it holds.
        std::size_t streams = 0;
        for (int code = 0; code < CFontTable::kGlyphCount; ++code) {
            if (pooled.Entry(code).HasCommands()) {
                streams += StreamLength(pooled.Entry(code).commands);
            }
        }
        EXPECT_EQ(pooled.PoolSize(), streams);
    }
}

}  // namespace
}  // namespace korvo
