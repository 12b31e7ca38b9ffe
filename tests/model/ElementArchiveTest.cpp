#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <memory>
#include <vector>

#include "app/CoreClasses.h"
#include "model/DrawObjCircle.h"
#include "model/DrawObjEllipse.h"
#include "model/DrawObjLine.h"
#include "model/DrawObjPolygon.h"
#include "model/DrawObjTransformation.h"
#include "platform/Archive.h"

namespace korvo {
namespace {

std::vector<std::uint8_t> Store(const CObject& object) {
    CArchive ar;
    ar.WriteObject(&object);
    return ar.TakeBytes();
}

std::unique_ptr<CDrawObj> Load(const std::vector<std::uint8_t>& bytes) {
    CArchive ar(bytes, CoreClasses());
    auto object = ar.ReadObjectOf<CDrawObj>();
    EXPECT_FALSE(ar.IsFailed()) << ar.Error();
    EXPECT_EQ(ar.Remaining(), 0u);
    return object;
}

void PutFloat(std::vector<std::uint8_t>& out, float v) {
    std::uint32_t bits;
    std::memcpy(&bits, &v, 4);
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<std::uint8_t>(bits >> (8 * i)));
    }
}

void PutU16(std::vector<std::uint8_t>& out, std::uint16_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    PutU16(out, static_cast<std::uint16_t>(v));
    PutU16(out, static_cast<std::uint16_t>(v >> 16));
}

std::vector<std::uint8_t> Framing(const char* className) {
    std::vector<std::uint8_t> out;
    PutU16(out, 0xFFFF);
    PutU16(out, 14);
    PutU16(out, static_cast<std::uint16_t>(std::strlen(className)));
    out.insert(out.end(), className, className + std::strlen(className));
    return out;
}

TEST(ElementArchive, LineAndEllipseBytes) {
    CDrawObjLine line(1.5f, -2.0f, 200.0f, 0.25f, 3, 250, 0x00112233, 20);
    line.SetFactor(2.0f);
    std::vector<std::uint8_t> expected = Framing("CDrawObjLine");
    PutU16(expected, 20);
    PutFloat(expected, 2.0f);
    PutU16(expected, 3);
    PutU16(expected, 250);
    PutU32(expected, 0x00112233);
    for (const float v : {1.5f, -2.0f, 200.0f, 0.25f}) {
        PutFloat(expected, v);
    }
    EXPECT_EQ(Store(line), expected);

    // The rotation is stored last, after start and end.
    CDrawObjEllipse ellipse(10, 20, 30, 40, 45, 90, 15, 1, 500, 0xFF, 1);
    expected = Framing("CDrawObjEllipse");
    PutU16(expected, 1);
    PutFloat(expected, 1.0f);
    PutU16(expected, 1);
    PutU16(expected, 500);
    PutU32(expected, 0xFF);
    for (const float v : {10.0f, 20.0f, 30.0f, 40.0f, 45.0f, 90.0f, 15.0f}) {
        PutFloat(expected, v);
    }
    EXPECT_EQ(Store(ellipse), expected);

    // Old drawings stored an unset start angle as infinity; it loads as 0.
    std::vector<std::uint8_t> old = expected;
    const std::size_t startOffset = old.size() - 12;
    std::vector<std::uint8_t> inf;
    PutFloat(inf, std::numeric_limits<float>::infinity());
    std::copy(inf.begin(), inf.end(), old.begin() + static_cast<std::ptrdiff_t>(startOffset));
    EXPECT_EQ(Load(old)->GetStartAngle(), 0.0f);
}

TEST(ElementArchive, EveryElementRoundTripsBitForBit) {
    std::vector<std::unique_ptr<CDrawObj>> elements;
    elements.push_back(std::make_unique<CDrawObjLine>(0.1f, 0.2f, 0.3f, 0.4f, 4, 7, 0xABCDEF, 5));
    elements.push_back(
        std::make_unique<CDrawObjCircle>(1.1f, 2.2f, 1.0f, 2, 250, 0x10, 1, 0x20, 3, 999));
    elements.push_back(std::make_unique<CDrawObjEllipse>(3, 4, 5, 6, 270, 90, -30, 0, 9, 1, 2));
    elements.push_back(std::make_unique<CDrawObjPolygon>(
        std::vector<PointF>{{0, 0}, {1, 0.5f}, {-3, 7}}, 1, 250, 2, 2, 3, 5, 1));
    auto frame = std::make_unique<CDrawObjTransformation>();
    frame->SetX1(3);
    frame->SetAxisB(2.5f);
    frame->SetAngle(-12);
    elements.push_back(std::move(frame));

    for (const auto& element : elements) {
        const std::vector<std::uint8_t> bytes = Store(*element);
        const std::unique_ptr<CDrawObj> loaded = Load(bytes);
        ASSERT_NE(loaded, nullptr);
        EXPECT_EQ(loaded->GetRuntimeClass(), element->GetRuntimeClass());
        EXPECT_EQ(Store(*loaded), bytes) << element->GetRuntimeClass()->className;
    }
    // The circle stores its geometry before its attributes.
    const std::vector<std::uint8_t> circle = Store(*elements[1]);
    float cx;
    std::memcpy(&cx, circle.data() + Framing("CDrawObjCircle").size() + 6, 4);
    EXPECT_EQ(cx, 1.1f);
}

TEST(ElementArchive, HostilePolygonCountFailsWithoutAllocating) {
    std::vector<std::uint8_t> bytes = Framing("CDrawObjPolygon");
    PutU16(bytes, 1);
    PutFloat(bytes, 1.0f);
    for (int i = 0; i < 22 - 6; ++i) {
        bytes.push_back(0);
    }
    PutU16(bytes, 0xFFFF);
    PutU32(bytes, 0x7FFFFFFF);
    CArchive ar(bytes, CoreClasses());
    ar.ReadObjectOf<CDrawObj>();
    EXPECT_TRUE(ar.IsFailed());
}

}  // namespace
}  // namespace korvo
