#include <gtest/gtest.h>

#include <vector>

#include "app/CoreClasses.h"
#include "font/FontFile.h"
#include "font/GlyphStream.h"
#include "font/KorvoFont.h"
#include "platform/Archive.h"
#include "support/LittleEndian.h"

namespace korvo {
namespace {

using test::Bytes;
using test::F32At;
using test::I32At;

// A pooled font read from a file, as the archive form expects it.
void ReadPooled(CKorvoFont& font) {
    font.NewTable(0);
    const Bytes file = test::ByteWriter()
                           .Text(kFontFileHeader)
                           .Raw({65, 2, 1, 'm', 10, 20, 'd', 30, 40, 0, 0, 0, 0, 0, 0, 0})
                           .Raw({66, 1, 1, 'o', 7, 7, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0})
                           .Raw(Bytes(16, 0))
                           .bytes;
    ParseFontFile(*font.Table(), file, 0, "ab");
}

Bytes Store(const CKorvoFont& font) {
    CArchive ar;
    const_cast<CKorvoFont&>(font).Serialize(ar);
    return ar.TakeBytes();
}

constexpr std::size_t kEntries = 11;  // 4 advance + 3 name ("ab") + 4 pool size
constexpr std::size_t kPool = kEntries + 256 * 12;

TEST(KorvoFontArchive, LayoutOffsetsAndLoadedParameters) {
    CKorvoFont font;
    ReadPooled(font);
    font.SetParams({1.5f, 2, 3, 4.5f, 9.0f, 6, 7, 8, 9, 10.5f});
    const Bytes bytes = Store(font);

    EXPECT_EQ(I32At(bytes, 0), 6);  // widest glyph 20, a third of it, truncated
    EXPECT_EQ(bytes[4], 2);
    EXPECT_EQ(bytes[5], 'a');
    const std::uint32_t poolSize = 6 + 4;  // m 10 20 30 40 END + POINT 7 7 END
    EXPECT_EQ(static_cast<std::uint32_t>(I32At(bytes, 7)), poolSize);
    struct EntryCase {
        int code;
        std::int32_t left, width, offset;
    };
    const EntryCase entries[] = {{65, 10, 20, 0}, {66, 7, 0, 6}, {0, 0, 0, -1}, {255, 0, 0, -1}};
    for (const EntryCase& e : entries) {
        const std::size_t at = kEntries + 12 * static_cast<std::size_t>(e.code);
        EXPECT_EQ(I32At(bytes, at), e.left) << e.code;
        EXPECT_EQ(I32At(bytes, at + 4), e.width) << e.code;
        EXPECT_EQ(I32At(bytes, at + 8), e.offset) << e.code;
    }
    const Bytes pool(bytes.begin() + kPool, bytes.begin() + kPool + poolSize + 1);
    EXPECT_EQ(pool, (Bytes{CMD_MOVE, 10, 20, 30, 40, CMD_END, CMD_POINT, 7, 7, CMD_END, 0}));
    // Parameters in their stored order: 1, 10, 4, 3, 2, 6, 7, 8, 9; param5 is not stored.
    const std::size_t params = kPool + poolSize + 1;
    ASSERT_EQ(bytes.size(), params + 36);
    EXPECT_EQ(F32At(bytes, params), 1.5f);
    EXPECT_EQ(F32At(bytes, params + 4), 10.5f);
    EXPECT_EQ(F32At(bytes, params + 8), 4.5f);
    const std::int32_t ints[] = {3, 2, 6, 7, 8, 9};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(I32At(bytes, params + 12 + 4 * i), ints[i]);
    }

    // Loading sets the working values of parameters 1, 10, 4, 3 and 6 whatever was stored.
    CKorvoFont loaded;
    FontParams before;
    before.param5 = 42.0f;
    loaded.SetParams(before);
    CArchive ar(bytes, CoreClasses());
    loaded.Serialize(ar);
    ASSERT_FALSE(ar.IsFailed()) << ar.Error();
    EXPECT_EQ(ar.Remaining(), 0u);
    const FontParams& p = loaded.Params();
    EXPECT_EQ(std::vector<float>({p.param1, p.param10, p.param4, p.param5}),
              std::vector<float>({3.5f, 3.5f, 0.7f, 42.0f}));
    EXPECT_EQ(std::vector<int>({p.param3, p.param6, p.param2, p.param7, p.param8, p.param9}),
              std::vector<int>({0, 1, 2, 7, 8, 9}));
    const CFontTable& table = *loaded.Table();
    EXPECT_EQ(table.OwnsEntries(), 0);
    EXPECT_EQ(table.FontName(), "ab");
    EXPECT_EQ(table.DefaultAdvance(), 6);
    EXPECT_EQ(table.Entry(65).commands.data(), table.Pool().data()) << "offset 0";
    EXPECT_FALSE(table.Entry(0).HasCommands());
    EXPECT_EQ(EncodeFontFile(table), EncodeFontFile(*font.Table()));
    EXPECT_EQ(Store(loaded).size(), bytes.size());
}

TEST(KorvoFontArchive, OwningTableStoresAPackedPool) {
    CKorvoFont font;
    font.NewTable(1);
    font.Table()->StoreGlyph(200, std::vector<GlyphCommand>{{GlyphOp::Point, 1, 2}});
    font.Table()->StoreGlyph(
        3, std::vector<GlyphCommand>{{GlyphOp::Move, 5, 6}, {GlyphOp::Draw, 7, 8}});
    const Bytes bytes = Store(font);
    EXPECT_EQ(I32At(bytes, 4 + 1 + 4 + 12 * 3 + 8), 0);
    EXPECT_EQ(I32At(bytes, 4 + 1 + 4 + 12 * 200 + 8), 6);
}

TEST(KorvoFontArchive, DamagedFormsFailAndLeaveTheFontAsItWas) {
    CKorvoFont source;
    ReadPooled(source);
    const Bytes good = Store(source);

    Bytes hugePool = good;
    hugePool[7] = hugePool[8] = hugePool[9] = hugePool[10] = 0xFF;  // pool of 4 GiB
    Bytes offsetOutside = good;
    offsetOutside[kEntries + 12 * 65 + 8] = 11;  // the pool holds 11 bytes: 0 ... 10
    Bytes offsetOnSpare = good;
    offsetOnSpare[kEntries + 12 * 65 + 8] = 10;

    struct Case {
        const char* what;
        Bytes bytes;
        bool fails;
    };
    std::vector<Case> cases = {{"huge pool", hugePool, true},
                               {"offset outside the pool", offsetOutside, true},
                               {"offset on the spare byte", offsetOnSpare, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what + std::string(" ") + std::to_string(c.bytes.size()));
        CKorvoFont font;
        font.NewTable(1);
        font.Table()->StoreGlyph(1, std::vector<GlyphCommand>{{GlyphOp::Point, 9, 9}});
        CArchive ar(c.bytes, CoreClasses());
        font.Serialize(ar);
        EXPECT_EQ(ar.IsFailed(), c.fails);
        if (c.fails) {
            EXPECT_EQ(font.Table()->OwnsEntries(), 1);
            EXPECT_TRUE(font.Table()->Entry(1).HasCommands());
            EXPECT_EQ(font.Params().param1, 5.0f);
        } else {
            // The spare byte is 0, a coordinate: the walk stays inside the pool.
            EXPECT_EQ(font.CountCommandPairs(65), 1);
        }
    }
}

}  // namespace
}  // namespace korvo
