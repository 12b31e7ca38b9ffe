// Drawing data on its way between windows and programs: the private collection bytes, which any
// program may have written, and the SVG picture offered beside them.
#include <gtest/gtest.h>

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

TEST(ClipboardCollection, StoresMovedCopiesAndTakesOnlyAWholeCollection) {
    CDataCollection drawing;
    CData* line = drawing.Add(Line(10.5f, 20.25f, 110.7f, 20.25f));
    auto group = std::make_unique<CData>(kNodeGroup);
    group->AddChild(Line(1, 2, 3, 4));
    CData* held = drawing.Add(std::move(group));
    const std::vector<CData*> nodes{line, held};

    std::vector<std::byte> bytes = StoreClipboardCollection(nodes, {-10.5f, -20.25f});
    ClipboardRead read = ReadClipboardCollection(bytes);
    ASSERT_TRUE(read.nodes) << read.error;
    ASSERT_EQ(read.nodes->GetCount(), 2u);
    EXPECT_EQ(read.nodes->GetAt(0)->GetElement()->GetX2(), 110.7f - 10.5f);
    EXPECT_EQ(read.nodes->GetAt(1)->GetChildren()->GetAt(0)->GetElement()->GetY2(), 4 - 20.25f);
    // The copies moved, the drawing did not.
    EXPECT_EQ(line->GetElement()->GetX1(), 10.5f);

    // Every cut of a good stream is damage: no prefix passes as a smaller collection.
    for (std::size_t size = 0; size < bytes.size(); ++size) {
        read = ReadClipboardCollection(std::span(bytes).first(size));
        EXPECT_FALSE(read.nodes || read.error.empty()) << "cut after " << size << " bytes";
    }
    // Senders may round their blocks up: what follows the collection is not damage.
    bytes.resize(bytes.size() + 16, std::byte{0});
    EXPECT_TRUE(ReadClipboardCollection(bytes).nodes);

    // Good archive data that is not a collection is no drawing either.
    CArchive lone;
    lone.WriteObject(line);
    const auto* first = reinterpret_cast<const std::byte*>(lone.Bytes().data());
    read = ReadClipboardCollection({first, lone.Bytes().size()});
    EXPECT_FALSE(read.nodes || read.error.empty());
    const std::byte nullObject[] = {std::byte{0}, std::byte{0}};
    EXPECT_FALSE(ReadClipboardCollection(nullObject).nodes);
}

TEST(CollectionSvg, StrokesKeepTheirMillimetresAtAnyDepth) {
    CDataCollection drawing;
    drawing.Add(Line(10, 20, 110, 20, 0.5f, 0x0000FF));
    auto point = std::make_unique<CData>(kNodePoint);
    point->CreateCircle(5, 5, 1, 0, 0.25f, 0, 1, 0, 0, 1);
    auto group = std::make_unique<CData>(kNodeGroup);
    group->AddChild(std::move(point));
    drawing.Add(std::move(group));
    drawing.Add(Line(std::numeric_limits<float>::quiet_NaN(), 0, 1, 1));

    const std::string svg = WriteCollectionSvg(drawing);
    // The picture spans the strokes with half a pen's width around them; y is negated.
    EXPECT_NE(
        svg.find("width=\"106.375mm\" height=\"16.375mm\" viewBox=\"3.875 -20.25 106.375 16.375\""),
        std::string::npos)
        << svg;
    EXPECT_NE(svg.find("<line x1=\"10\" y1=\"-20\" x2=\"110\" y2=\"-20\" stroke=\"#ff0000\" "
                       "stroke-width=\"0.5\"/>"),
              std::string::npos)
        << svg;
    EXPECT_NE(svg.find("<circle cx=\"5\" cy=\"-5\" r=\"1\""), std::string::npos) << svg;
    // A line that is not a number has no place in a picture.
    EXPECT_EQ(svg.find("nan"), std::string::npos);
    EXPECT_EQ(svg.find("<line", svg.find("<line") + 1), std::string::npos);
}

}  // namespace
}  // namespace korvo
