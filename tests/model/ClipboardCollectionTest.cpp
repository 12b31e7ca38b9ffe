// Drawing data on its way between windows and programs: the private collection bytes, which any
// program may have written, and the SVG picture offered beside them.
#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <limits>
#include <span>
#include <string>
#include <vector>

#include "model/ClipboardCollection.h"
#include "model/CollectionSvg.h"
#include "model/DataCollection.h"
#include "platform/Archive.h"

namespace korvo {
namespace {

std::unique_ptr<CData> Line(float x1, float y1, float x2, float y2, float width = 0.25f,
                            std::uint32_t color = 0) {
    auto node = std::make_unique<CData>(kNodeLine);
    node->CreateLine(x1, y1, x2, y2, 0, width, color, 1);
    return node;
}

std::vector<std::byte> AsBytes(const std::vector<std::uint8_t>& raw) {
    const auto* first = reinterpret_cast<const std::byte*>(raw.data());
    return {first, first + raw.size()};
}

// What the framing of a lone node looks like: valid archive data, but not a collection.
std::vector<std::byte> StoredObject(const CObject& object) {
    CArchive out;
    out.WriteObject(&object);
    return AsBytes(out.Bytes());
}

TEST(ClipboardCollection, StoresMovedCopiesAndReadsThemBackExactly) {
    CDataCollection drawing;
    CData* line = drawing.Add(Line(10.1f, 20.3f, 110.7f, 20.3f));
    auto group = std::make_unique<CData>(kNodeGroup);
    group->AddChild(Line(1, 2, 3, 4));
    CData* held = drawing.Add(std::move(group));
    const std::vector<CData*> nodes{line, held};

    const std::vector<std::byte> bytes = StoreClipboardCollection(nodes, {-10.1f, -20.3f});
    ClipboardRead read = ReadClipboardCollection(bytes);
    ASSERT_TRUE(read.nodes) << read.error;
    ASSERT_EQ(read.nodes->GetCount(), 2u);
    // The copies moved; the drawing did not.
    EXPECT_EQ(read.nodes->GetAt(0)->GetElement()->GetX1(), 10.1f - 10.1f);
    EXPECT_EQ(read.nodes->GetAt(0)->GetElement()->GetX2(), 110.7f - 10.1f);
    EXPECT_EQ(read.nodes->GetAt(0)->GetElement()->GetY2(), 20.3f - 20.3f);
    EXPECT_EQ(line->GetElement()->GetX1(), 10.1f);
    const CDataCollection* children = read.nodes->GetAt(1)->GetChildren();
    ASSERT_NE(children, nullptr);
    EXPECT_EQ(children->GetAt(0)->GetElement()->GetY2(), 4.0f - 20.3f);
    EXPECT_EQ(held->GetChildren()->GetAt(0)->GetElement()->GetY2(), 4.0f);

    // Senders may round their blocks up: what follows the collection is ignored.
    std::vector<std::byte> padded = bytes;
    padded.resize(bytes.size() + 64, std::byte{0});
    EXPECT_TRUE(ReadClipboardCollection(padded).nodes);
}

TEST(ClipboardCollection, DamagedDataGivesNoNodesAtAll) {
    CDataCollection drawing;
    std::vector<CData*> nodes;
    for (int i = 0; i < 3; ++i) {
        nodes.push_back(drawing.Add(Line(0, static_cast<float>(i), 10, static_cast<float>(i))));
    }
    const std::vector<std::byte> good = StoreClipboardCollection(nodes);
    ASSERT_FALSE(good.empty());

    // Every cut of a good stream is damage: no prefix may pass as a (smaller) collection.
    for (std::size_t size = 0; size < good.size(); ++size) {
        const ClipboardRead read = ReadClipboardCollection(std::span(good).first(size));
        EXPECT_FALSE(read.nodes) << "cut after " << size << " bytes";
        EXPECT_FALSE(read.error.empty()) << "cut after " << size << " bytes";
    }

    const CData lone(kNodeLine);
    struct Case {
        const char* name;
        std::vector<std::byte> bytes;
    };
    const std::vector<Case> cases{
        {"a lone node instead of a collection", StoredObject(lone)},
        {"the null object", {std::byte{0}, std::byte{0}}},
        {"an unknown class", AsBytes({0xFF, 0xFF, 14, 0, 5, 0, 'C', 'B', 'o', 'g', 'y'})},
        {"text from another program", AsBytes({'h', 'e', 'l', 'l', 'o'})},
    };
    for (const Case& c : cases) {
        const ClipboardRead read = ReadClipboardCollection(c.bytes);
        EXPECT_FALSE(read.nodes) << c.name;
        EXPECT_FALSE(read.error.empty()) << c.name;
    }
}

TEST(ClipboardCollection, ACountBeyondTheDataIsRefused) {
    CDataCollection drawing;
    const std::vector<CData*> nodes{drawing.Add(Line(0, 0, 1, 1))};
    std::vector<std::byte> bytes = StoreClipboardCollection(nodes);
    // Class framing: tag (2), schema (2), name length (2), "CDataCollection" (15); then the count.
    const std::size_t countAt = 2 + 2 + 2 + 15;
    ASSERT_EQ(bytes[countAt], std::byte{1});
    bytes[countAt] = std::byte{0xFE};
    bytes[countAt + 1] = std::byte{0xFF};
    const ClipboardRead read = ReadClipboardCollection(bytes);
    EXPECT_FALSE(read.nodes);
    EXPECT_EQ(read.errorOffset, countAt + 2);
}

TEST(CollectionSvg, StrokesKeepTheirMillimetres) {
    CDataCollection drawing;
    drawing.Add(Line(10, 20, 110, 20, 0.5f, 0x0000FF));
    const std::string svg = WriteCollectionSvg(drawing);
    // Half the pen's width on each side belongs to the picture.
    EXPECT_NE(svg.find("width=\"100.5mm\" height=\"0.5mm\" viewBox=\"9.75 -20.25 100.5 0.5\""),
              std::string::npos)
        << svg;
    EXPECT_NE(svg.find("<line x1=\"10\" y1=\"-20\" x2=\"110\" y2=\"-20\" stroke=\"#ff0000\" "
                       "stroke-width=\"0.5\"/>"),
              std::string::npos)
        << svg;
    EXPECT_NE(svg.find("fill=\"none\""), std::string::npos);
}

TEST(CollectionSvg, EveryKindOfStrokeAtAnyDepthAndNothingNotANumber) {
    CDataCollection drawing;
    auto point = std::make_unique<CData>(kNodePoint);
    point->CreateCircle(5, 5, 1, 0, 0.25f, 0, 1, 0, 0, 1);
    auto arc = std::make_unique<CData>(kNodeEllipse);
    arc->CreateEllipse(50, 50, 20, 10, 0, 90, 0, 2, 0.25f, 0x00FF00, 1);
    auto group = std::make_unique<CData>(kNodeGroup);
    group->AddChild(std::move(arc));
    drawing.Add(std::move(point));
    drawing.Add(std::move(group));
    drawing.Add(Line(std::numeric_limits<float>::quiet_NaN(), 0, 1, 1));

    const std::string svg = WriteCollectionSvg(drawing);
    EXPECT_NE(svg.find("<circle cx=\"5\" cy=\"-5\" r=\"1\""), std::string::npos) << svg;
    // The quarter arc runs from (70, 50) to (50, 60), dotted, in green.
    const std::size_t arcAt = svg.find("<polyline points=\"70,-50 ");
    ASSERT_NE(arcAt, std::string::npos) << svg;
    const std::size_t arcEnd = svg.find("/>", arcAt);
    const std::string arcText = svg.substr(arcAt, arcEnd - arcAt);
    EXPECT_NE(arcText.find(" 50,-60\""), std::string::npos) << arcText;
    EXPECT_NE(arcText.find("stroke=\"#00ff00\""), std::string::npos);
    EXPECT_NE(arcText.find("stroke-dasharray"), std::string::npos);
    EXPECT_EQ(svg.find("nan"), std::string::npos);
    EXPECT_EQ(svg.find("<line"), std::string::npos);
}

}  // namespace
}  // namespace korvo
