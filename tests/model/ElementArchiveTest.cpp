#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "app/CoreClasses.h"
#include "font/FontTable.h"
#include "font/KorvoFont.h"
#include "model/DataCollection.h"
#include "model/DrawObjCircle.h"
#include "model/DrawObjEllipse.h"
#include "model/DrawObjLine.h"
#include "model/DrawObjPolygon.h"
#include "model/DrawObjTransformation.h"
#include "model/DrawObjVectorText.h"
#include "model/Paper.h"
#include "platform/Archive.h"
#include "support/LittleEndian.h"

namespace korvo {
namespace {

using test::Bytes;
using test::ByteWriter;

Bytes Store(const CObject& object) {
    CArchive ar;
    ar.WriteObject(&object);
    return ar.TakeBytes();
}

std::unique_ptr<CDrawObj> Load(const Bytes& bytes) {
    CArchive ar(bytes, CoreClasses());
    auto object = ar.ReadObjectOf<CDrawObj>();
    EXPECT_FALSE(ar.IsFailed()) << ar.Error();
    EXPECT_EQ(ar.Remaining(), 0u);
    return object;
}

// An element's framing and the attributes every element stores first.
ByteWriter Element(const char* className, std::uint16_t level, float factor, std::uint16_t style,
                   std::uint16_t width, std::uint32_t color) {
    ByteWriter w;
    w.NewClass(className, 14).U16(level).F32(factor).U16(style).U16(width).U32(color);
    return w;
}

TEST(ElementArchive, LineAndEllipseBytes) {
    CDrawObjLine line(1.5f, -2.0f, 200.0f, 0.25f, 3, 250, 0x00112233, 20);
    line.SetFactor(2.0f);
    EXPECT_EQ(Store(line), Element("CDrawObjLine", 20, 2.0f, 3, 250, 0x00112233)
                               .F32(1.5f)
                               .F32(-2.0f)
                               .F32(200.0f)
                               .F32(0.25f)
                               .bytes);

    // The rotation is stored last, after start and end.
    CDrawObjEllipse ellipse(10, 20, 30, 40, 45, 90, 15, 1, 500, 0xFF, 1);
    ByteWriter expected = Element("CDrawObjEllipse", 1, 1.0f, 1, 500, 0xFF);
    expected.F32(10).F32(20).F32(30).F32(40).F32(45).F32(90).F32(15);
    EXPECT_EQ(Store(ellipse), expected.bytes);

    // Old drawings stored an unset start angle as infinity; it loads as 0.
    Bytes old = expected.bytes;
    old.resize(old.size() - 12);
    old = ByteWriter{old}.F32(std::numeric_limits<float>::infinity()).F32(90).F32(15).bytes;
    EXPECT_EQ(Load(old)->GetStartAngle(), 0.0f);

    // The circle stores its geometry before its attributes.
    const CDrawObjCircle circle(1.1f, 2.2f, 1.0f, 2, 250, 0x10, 1, 0x20, 3, 999);
    EXPECT_EQ(test::F32At(Store(circle), 6 + std::strlen("CDrawObjCircle") + 6), 1.1f);
}

TEST(ElementArchive, HostilePolygonCountFailsWithoutAllocating) {
    // No fill (three 32-bit fields), then a vertex count in the long form.
    ByteWriter w = Element("CDrawObjPolygon", 1, 1.0f, 0, 0, 0);
    const Bytes bytes = w.U32(0).U32(0).U32(0).U16(0xFFFF).U32(0x7FFFFFFF).bytes;
    CArchive ar(bytes, CoreClasses());
    ar.ReadObjectOf<CDrawObj>();
    EXPECT_EQ(ar.Error(), "polygon vertex count exceeds the data");
}

// One object of every class the loader may create, each with the parts that give its stored form
// its longest reach: nesting, a long text, a glyph pool.
std::vector<std::unique_ptr<CObject>> OneOfEveryClass() {
    std::vector<std::unique_ptr<CObject>> objects;
    objects.push_back(std::make_unique<CDrawObjLine>(0.1f, 0.2f, 0.3f, 0.4f, 4, 7, 0xABCDEF, 5));
    objects.push_back(std::make_unique<CDrawObjCircle>(1, 2, 1, 2, 250, 0x10, 1, 0x20, 3, 9));
    objects.push_back(std::make_unique<CDrawObjEllipse>(3, 4, 5, 6, 270, 90, -30, 0, 9, 1, 2));
    objects.push_back(std::make_unique<CDrawObjPolygon>(
        std::vector<PointF>{{0, 0}, {1, 0.5f}, {-3, 7}}, 1, 250, 2, 2, 3, 5, 1));
    auto frame = std::make_unique<CDrawObjTransformation>();
    frame->SetAxisB(2.5f);
    frame->SetAngle(-12);
    objects.push_back(std::move(frame));
    auto text = std::make_unique<CDrawObjVectorText>(0, 250, 0, "", 1, 2, 7.5f, 3, 9, 45, 0, 0, 3,
                                                     "Liberation Sans", 1);
    text->SetTextOem(std::string(300, 'I'));
    objects.push_back(std::move(text));
    auto node = [] {
        auto group = std::make_unique<CData>(kNodeGroup);
        auto line = std::make_unique<CData>(kNodeLine);
        line->CreateLine(0, 0, 5, 5, 0, 0.25f, 0, 1);
        group->AddChild(std::move(line));
        return group;
    };
    objects.push_back(node());
    auto collection = std::make_unique<CDataCollection>();
    collection->Add(node());
    collection->Add(node());
    objects.push_back(std::move(collection));
    auto paper = std::make_unique<CPaper>();
    paper->AddNode(node());
    objects.push_back(std::move(paper));
    auto font = std::make_unique<CKorvoFont>();
    font->NewTable(1);
    font->Table()->StoreGlyph(
        65, std::vector<GlyphCommand>{{GlyphOp::Move, 5, 6}, {GlyphOp::Draw, 7, 8}});
    objects.push_back(std::move(font));
    return objects;
}

// Every registered class loads back bit for bit, and its stored bytes cut at any offset never load
// as a smaller object: it fails cleanly and hands back nothing.
TEST(ElementArchive, EveryClassRoundTripsAndFailsCleanlyWhenCut) {
    for (const auto& object : OneOfEveryClass()) {
        const char* name = object->GetRuntimeClass()->className;
        ASSERT_EQ(CoreClasses().Find(name), object->GetRuntimeClass()) << name;
        const Bytes bytes = Store(*object);
        CArchive whole(bytes, CoreClasses());
        const std::unique_ptr<CObject> loaded = whole.ReadObject();
        ASSERT_NE(loaded, nullptr) << name << ": " << whole.Error();
        EXPECT_EQ(whole.Remaining(), 0u) << name;
        EXPECT_EQ(loaded->GetRuntimeClass(), object->GetRuntimeClass());
        // A loaded font holds a pooled table, stored in its own layout (KorvoFontArchive tests).
        if (object->GetRuntimeClass() != &CKorvoFont::kRuntimeClass) {
            EXPECT_EQ(Store(*loaded), bytes) << name;
        }
        for (std::size_t cut = 0; cut < bytes.size(); ++cut) {
            CArchive in(std::span<const std::uint8_t>(bytes).first(cut), CoreClasses());
            EXPECT_EQ(in.ReadObject(), nullptr) << name << " cut at " << cut;
            EXPECT_TRUE(in.IsFailed()) << name << " cut at " << cut;
        }
    }
}

}  // namespace
}  // namespace korvo
