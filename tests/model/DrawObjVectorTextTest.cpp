#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "font/KorvoFont.h"
#include "model/DrawObjVectorText.h"
#include "platform/Archive.h"
#include "platform/ClassRegistry.h"
#include "support/LittleEndian.h"
#include "support/PaperFixture.h"
#include "support/RecordingDrawContext.h"
#include "support/ScopedSwitches.h"

namespace korvo {
namespace {

using test::MakeNode;
using test::RecordingDrawContext;
using Call = RecordingDrawContext::Call;

constexpr PointF kAt{50.0f, 100.0f};
constexpr ColorRef kInk = 0x123456;

void ExpectRect(const RectF& r, float minX, float minY, float maxX, float maxY) {
    EXPECT_NEAR(r.minX, minX, 1e-3);
    EXPECT_NEAR(r.minY, minY, 1e-3);
    EXPECT_NEAR(r.maxX, maxX, 1e-3);
    EXPECT_NEAR(r.maxY, maxY, 1e-3);
}

// A tiny font: '.' a square at the foot of the cell, 'I' a bar on the left edge, 'W' the whole
// width, ':' two single points, 'j' a point with a line drawn on from it, 'Z' one zigzag of 100
// points.
class VectorText : public ::testing::Test {
protected:
    void SetUp() override {
        using enum GlyphOp;
        font_.NewTable(1);
        CFontTable& table = *font_.Table();
        table.StoreGlyph(
            '.',
            std::vector<GlyphCommand>{
                {Move, 90, 0}, {Draw, 110, 0}, {Draw, 110, 20}, {Draw, 90, 20}, {Draw, 90, 0}});
        table.StoreGlyph('I', std::vector<GlyphCommand>{{Move, 0, 0}, {Draw, 0, 200}});
        table.StoreGlyph(
            'W', std::vector<GlyphCommand>{{Move, 0, 200}, {Draw, 100, 0}, {Draw, 200, 200}});
        table.StoreGlyph(':', std::vector<GlyphCommand>{{Point, 100, 50}, {Point, 100, 150}});
        table.StoreGlyph('j', std::vector<GlyphCommand>{{Point, 100, 0}, {Draw, 100, 200}});
        std::vector<GlyphCommand> zigzag{{Move, 0, 0}};
        for (int i = 1; i < 100; ++i) {
            zigzag.push_back({Draw, static_cast<std::uint8_t>(2 * i),
                              static_cast<std::uint8_t>(i % 2 == 0 ? 0 : 200)});
        }
        table.StoreGlyph('Z', zigzag);
        table.SetDefaultAdvance(60);
        paper_->SetFont(&font_);
    }

    // Height 10, character width 10, pitch 12.
    static CDrawObjVectorText Text(const std::string& text, std::uint16_t flags = 0,
                                   float angle = 0.0f, std::int32_t fontNumber = 0) {
        CDrawObjVectorText t(0, 250, kInk, "", kAt.x, kAt.y, 10.0f, 10.0f, 12.0f, angle, flags,
                             0.0f, fontNumber, fontNumber != 0 ? "Arial" : "", 1);
        t.SetTextOem(text);
        return t;
    }

    // The calls of kind `op` that drawing `t` on its own makes.
    std::vector<Call> Drawn(CDrawObjVectorText t, const std::string& op = "polyline") {
        RecordingDrawContext dc;
        EXPECT_TRUE(t.Draw(*paper_, &dc, nullptr));
        return dc.CallsOf(op);
    }

    DevicePoint Device(float dx, float dy) const {
        return paper_->WorldToDevice({kAt.x + dx, kAt.y + dy});
    }

    CKorvoFont font_;
    std::unique_ptr<CPaper> paper_ = test::MakePaper();
};

// Tenths of a degree and percent of the height take a half and are truncated towards zero, so a
// negative value is pulled up rather than rounded.
TEST_F(VectorText, StoredEncodings) {
    struct Case {
        float value;
        std::int16_t stored;
    };
    for (const Case& c : {Case{12.34f, 123}, Case{-12.34f, -122}, Case{359.96f, 3600}}) {
        CDrawObjVectorText t = Text("");
        t.SetAngle(c.value);
        EXPECT_EQ(t.GetAngleTenths(), c.stored) << c.value;
    }
    for (const Case& c : {Case{8.04f, 80}, Case{-8.04f, -79}}) {
        CDrawObjVectorText t = Text("");  // height 10
        t.SetRelSize1(c.value);
        t.SetRelSize2(c.value);
        EXPECT_EQ(t.GetRelSize1Percent(), c.stored) << c.value;
        EXPECT_EQ(t.GetRelSize2Percent(), c.stored) << c.value;
    }
    CDrawObjVectorText t = Text("");
    t.SetStyle(2);
    EXPECT_EQ(t.GetStyle(), 0);
    t.SetText("caf\xE9");  // the display code page's é is stored as CP850's
    EXPECT_EQ(t.GetTextOem(), "caf\x82");
    EXPECT_EQ(t.GetText(), "caf\xE9");
    t.SetHeight(0.0f);  // sizes relative to nothing end up 0, not garbage
    t.SetRelSize2(5.0f);
    EXPECT_EQ(t.GetRelSize2Percent(), 0);
}

TEST_F(VectorText, RotateWrapsAroundAndScaleSplitsTheFactors) {
    struct Case {
        float start, by, expected;
    };
    // One full turn is added to a negative result and no more; the -1800 tenths of -180 degrees
    // take the half and are truncated to -1799.
    for (const Case& c : {Case{350, 20, 10}, Case{10, -20, 350}, Case{0, -540, -179.9f}}) {
        CDrawObjVectorText t = Text("I", 0, c.start);
        t.Rotate(0, 0, c.by * kPi / 180.0);
        EXPECT_FLOAT_EQ(t.GetAngle(), c.expected) << c.start << " by " << c.by;
    }
    CDrawObjVectorText t = Text("I");
    t.Rotate(0, 0, kHalfPi);
    EXPECT_NEAR(t.GetX1(), -100.0f, 1e-4);
    EXPECT_NEAR(t.GetY1(), 50.0f, 1e-4);
    t.Scale(0, 0, 2.0, 1.0);  // wider characters, same height
    EXPECT_FLOAT_EQ(t.GetHeight(), 10.0f);
    EXPECT_FLOAT_EQ(t.GetRelSize1(), 20.0f);
    t.Scale(0, 0, 1.0, -2.0);  // mirroring moves the point but keeps the writing readable
    EXPECT_FLOAT_EQ(t.GetHeight(), 20.0f);
    EXPECT_FLOAT_EQ(t.GetRelSize1(), 20.0f);
    EXPECT_NEAR(t.GetY1(), -100.0f, 1e-4);
}

TEST_F(VectorText, BlankTextsDrawTheDotGlyph) {
    const std::vector<DevicePoint> dot = {Device(4.5f, 0), Device(5.5f, 0), Device(5.5f, 1),
                                          Device(4.5f, 1), Device(4.5f, 0)};
    for (const std::string text : {"", " ", "  ", "   "}) {
        const std::vector<Call> lines = Drawn(Text(text));
        if (text.size() < 3) {
            ASSERT_EQ(lines.size(), 1u) << '"' << text << '"';
            EXPECT_EQ(lines[0].points, dot);
            EXPECT_EQ(lines[0].pen.color, kInk);
        } else {
            EXPECT_TRUE(lines.empty());  // three blanks are a text; ' ' has no strokes here
        }
    }
}

TEST_F(VectorText, LineWidthsAndAlignment) {
    struct Case {
        std::string text;
        std::uint16_t flags;
        float minX, maxX;  // relative to the placement point
    };
    const Case cases[] = {
        {"IWI", 0, 0, 34},                 // (3 - 1) * 12 + 10
        {"IWI", 0x100, 0, 58},             // (3 + 1) * 12 + (0 + 200 + 0) * 10 * 0.005
        {"IxI", 0x100, 0, 51},             // undefined 'x' advances by the default 60
        {"IWI", 0x4000, -34, 0},           // right-aligned
        {"IWI", 0x8000, -17, 17},          // centred
        {"IWI", 0x4000 | 0x8000, -17, 17}  // both bits centre too
    };
    for (const Case& c : cases) {
        CDrawObjVectorText t = Text(c.text, c.flags);
        ExpectRect(t.GetExtents(*paper_, nullptr), kAt.x + c.minX, kAt.y, kAt.x + c.maxX,
                   kAt.y + 10);
    }
    // Where each glyph starts: every pitch in fixed mode, after the previous glyph's ink plus
    // the gap in proportional mode.
    for (const auto& [flags, starts] : {std::pair{0, std::vector<float>{0, 12, 24}},
                                        std::pair{0x100, std::vector<float>{12, 24, 46}}}) {
        const std::vector<Call> lines = Drawn(Text("IWI", static_cast<std::uint16_t>(flags)));
        ASSERT_EQ(lines.size(), 3u);
        EXPECT_EQ(lines[0].points.front(), Device(starts[0], 0));
        EXPECT_EQ(lines[1].points.front(), Device(starts[1], 10));
        EXPECT_EQ(lines[2].points.front(), Device(starts[2], 0));
    }
}

TEST_F(VectorText, StrokesLinesRotationSlantAndDecorations) {
    // A draw-to after a single point draws on from that point.
    EXPECT_EQ(Drawn(Text("j"), "pixel").size(), 1u);
    EXPECT_EQ(Drawn(Text("j"))[0].points, (std::vector<DevicePoint>{Device(5, 0), Device(5, 10)}));

    // The second line hangs 1.5 heights below the first.
    ExpectRect(Text("I\nIWI").GetExtents(*paper_, nullptr), 50, 85, 84, 110);
    ExpectRect(Text("IWI", 0, 90).GetExtents(*paper_, nullptr), 40, 100, 50, 134);

    EXPECT_EQ(Drawn(Text("I", 0x200))[0].points,
              (std::vector<DevicePoint>{Device(0, 0), Device(3.3f, 10)}));

    struct Case {
        std::uint16_t flags;
        std::vector<DevicePoint> stroke;  // the decoration, laid out before the glyphs
    };
    const Case cases[] = {
        {0x800, {Device(0, -2.5f), Device(10, -2.5f)}},
        {0x1000, {Device(0, 12.5f), Device(10, 12.5f)}},
        {0x1800,
         {Device(0, -2.5f), Device(10, -2.5f), Device(10, 12.5f), Device(0, 12.5f),
          Device(0, -2.5f)}},
    };
    for (const Case& c : cases) {
        const std::vector<Call> lines = Drawn(Text("I", c.flags));
        ASSERT_EQ(lines.size(), 2u) << c.flags;
        EXPECT_EQ(lines[0].points, c.stroke) << c.flags;
    }
}

TEST_F(VectorText, TooManyPointsOrPolylinesSkipTheWholeText) {
    struct Case {
        char glyph;
        std::size_t count;
        std::uint16_t flags;
        std::size_t drawn;
    };
    const Case cases[] = {
        {'I', 1000, 0, 1000},    {'I', 1001, 0, 0},      // one polyline per 'I'
        {'I', 999, 0x800, 1000}, {'I', 1000, 0x800, 0},  // the underline counts
        {'Z', 200, 0, 200},      {'Z', 201, 0, 0},       // 100 points per 'Z'
    };
    for (const Case& c : cases) {
        const CDrawObjVectorText t = Text(std::string(c.count, c.glyph), c.flags);
        EXPECT_EQ(Drawn(t).size(), c.drawn) << c.glyph << " x " << c.count;
    }
}

TEST_F(VectorText, WithoutFontOrOutsideTheWindowNothingIsDrawn) {
    CDrawObjVectorText far = Text("IWI");
    far.SetX1(-5000.0f);
    EXPECT_TRUE(Drawn(far).empty());
    ExpectRect(far.GetExtents(*paper_, nullptr), -5000, 100, -4966, 110);

    paper_->SetFont(nullptr);
    CDrawObjVectorText t = Text("IWI", 0x1800);
    RecordingDrawContext dc;
    EXPECT_TRUE(t.Draw(*paper_, &dc, nullptr));
    EXPECT_TRUE(dc.Calls().empty());
    ExpectRect(t.GetExtents(*paper_, nullptr), 50, 97.5f, 84, 112.5f);
}

TEST_F(VectorText, StyledModeAndPrintDrawRoundDots) {
    // Styled on screen, and always on paper: a geometric pen as wide as the element, so points
    // become round dots of that width.
    CDrawObjVectorText wide = Text(":");
    wide.SetWidth(3000);
    auto marked = MakeNode(std::make_unique<CDrawObjVectorText>(wide), kNodeText, kMarkSelected);
    RecordingDrawContext styled;
    {
        test::ScopedSwitches switches;
        switches.StyledDrawing(true);
        wide.Draw(*paper_, &styled, nullptr);
    }
    RecordingDrawContext printer(true);
    EXPECT_TRUE(marked->GetElement()->Print(*paper_, &printer, marked.get()));
    for (const RecordingDrawContext* dc : {&styled, &printer}) {
        const std::vector<Call> dots = dc->CallsOf("polyline");
        ASSERT_EQ(dots.size(), 2u);
        EXPECT_EQ(dots[0].points, (std::vector<DevicePoint>(2, Device(5, 2.5f))));
        EXPECT_EQ(dots[0].pen, (Pen{PenStyle::Solid, kInk, true, 3, PenCap::Round}));
        EXPECT_EQ(dc->CurrentPen(), Pen{});
    }
}

TEST_F(VectorText, SystemFontTextIsDeviceText) {
    // Kept in the font's code page, drawn in the display one: CP850's 0x85 is Windows' 0xE0 (à).
    CDrawObjVectorText t = Text("a\x85\ncde", 0x4000, 90.0f, 1);
    // Unmeasured, a character is taken as 0.6 heights wide.
    ExpectRect(t.GetExtents(*paper_, nullptr), 40, 82, 65, 100);
    RecordingDrawContext dc;
    t.Draw(*paper_, &dc, nullptr);
    const std::vector<Call> texts = dc.CallsOf("text");
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, "a\xE0");
    EXPECT_EQ(texts[1].text, "cde");
    EXPECT_EQ(texts[0].color, kInk);
    // The recorder's characters are half a height wide; the cell's top-left corner is the
    // reference point, right-aligned lines end at the placement point.
    EXPECT_EQ(texts[0].points[0], Device(-10, -10));
    EXPECT_EQ(texts[1].points[0], Device(5, -15));
    EXPECT_EQ(texts[0].font, (TextFont{"Arial", 10, 900}));
    ExpectRect(t.GetExtents(*paper_, nullptr), 40, 85, 65, 100);
}

TEST_F(VectorText, ArchiveKeepsEveryFieldInTheTextLengthForm) {
    struct Case {
        std::size_t length;
        std::vector<std::uint8_t> prefix;
    };
    const Case cases[] = {
        {254, {0xFE}},
        {255, {0xFF, 0xFF, 0x00}},
        {0xFFFE, {0xFF, 0xFE, 0xFF}},  // where the archive's own string form would differ
        {0xFFFF, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}},
    };
    const CClassRegistry registry{&CDrawObjVectorText::kRuntimeClass};
    // Framing (6 + 18 name bytes), level and factor, style, width and colour come first.
    constexpr std::size_t kTextAt = 24 + 6 + 8;
    for (const Case& c : cases) {
        std::string text(c.length, '\0');
        for (std::size_t i = 0; i < text.size(); ++i) {
            text[i] = static_cast<char>(i * 7);
        }
        CDrawObjVectorText t(0, 350, 0xABCDEF, "", -1.5f, 2.25f, 7.5f, 3.0f, 9.0f, -45.0f, 0x9A07,
                             4.5f, 3, "Liberation Sans", 20);
        t.SetTextOem(text);
        t.SetFactor(2.0f);
        CArchive out;
        out.WriteObject(&t);
        const std::vector<std::uint8_t>& bytes = out.Bytes();
        ASSERT_GT(bytes.size(), kTextAt + c.prefix.size() + c.length);
        EXPECT_TRUE(std::equal(c.prefix.begin(), c.prefix.end(), bytes.begin() + kTextAt))
            << c.length;

        CArchive in(bytes, registry);
        auto loaded = in.ReadObjectOf<CDrawObjVectorText>();
        ASSERT_FALSE(in.IsFailed()) << in.Error();
        EXPECT_EQ(in.Remaining(), 0u);
        EXPECT_EQ(loaded->GetTextOem(), text);
        EXPECT_EQ(loaded->GetAngleTenths(), -449);  // -450 + 0.5, truncated towards zero
        CArchive again;
        again.WriteObject(loaded.get());
        EXPECT_EQ(again.Bytes(), bytes) << c.length;
    }
}

// A length claiming four gigabytes must not be believed.
TEST_F(VectorText, HugeTextLengthFailsCleanly) {
    CDrawObjVectorText t = Text(std::string(300, 'I'));
    CArchive out;
    out.WriteObject(&t);
    const std::vector<std::uint8_t> bytes = out.TakeBytes();
    const CClassRegistry registry{&CDrawObjVectorText::kRuntimeClass};
    test::ByteWriter huge{{bytes.begin(), bytes.begin() + 38}};
    huge.Raw({0xFF, 0xFF, 0xFF}).U32(~0u).Text("x");
    CArchive in(huge.bytes, registry);
    in.ReadObject();
    EXPECT_EQ(in.Error(), "archive ends inside a text");
}

}  // namespace
}  // namespace korvo
