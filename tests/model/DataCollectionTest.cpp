#include <gtest/gtest.h>

#include <vector>

#include "app/CoreClasses.h"
#include "model/DataCollection.h"
#include "model/DrawObjLine.h"
#include "platform/Archive.h"
#include "support/LittleEndian.h"
#include "support/PaperFixture.h"

namespace korvo {
namespace {

std::unique_ptr<CData> Line(float x1, float y1, float x2, float y2, std::int32_t type = kNodeLine) {
    auto node = std::make_unique<CData>(type);
    node->CreateLine(x1, y1, x2, y2, 0, 0.25f, 0, 1);
    return node;
}

// A group with two lines, one of them inside a nested group.
std::unique_ptr<CData> Group() {
    auto group = std::make_unique<CData>(kNodeGroup);
    group->AddChild(Line(0, 0, 10, 0));
    auto inner = std::make_unique<CData>(kNodeGroup);
    inner->AddChild(Line(0, 5, 10, 5));
    group->AddChild(std::move(inner));
    return group;
}

TEST(DataCollection, MarksCountAndDeleteAtDepth) {
    CDataCollection drawing;
    CData* group = drawing.Add(Group());
    CData* loose = drawing.Add(Line(0, 0, 1, 1));
    group->SetMark(kMarkSelected);
    EXPECT_EQ(drawing.CountMark(kMarkSelected), 1);  // the group counts once
    EXPECT_EQ(group->GetChildren()->GetAt(1)->GetChildren()->GetAt(0)->GetMark(), kMarkSelected);

    // Floating nodes neither take marks nor count.
    loose->SetFloating(true);
    loose->SetMark(kMarkSelected);
    EXPECT_EQ(loose->GetMark(), kMarkNormal);
    EXPECT_EQ(drawing.CountMark(kMarkNormal), 0);
    loose->SetFloating(false);

    // Deleting a mark deep inside keeps the unmarked siblings.
    group->SetMark(kMarkNormal);
    CData* inner = group->GetChildren()->GetAt(1);
    inner->GetChildren()->GetAt(0)->SetMark(kMarkDoomed);
    drawing.DeleteMarked(kMarkDoomed);
    EXPECT_EQ(group->GetChildren()->GetCount(), 2u);
    EXPECT_TRUE(inner->GetChildren()->IsEmpty());
    EXPECT_EQ(drawing.CollectByType(kNodeLine, kNodeLine, true).size(), 2u);
    EXPECT_EQ(drawing.CollectByType(kNodeLine, kNodeLine, false).size(), 1u);

    loose->SetMark(kMarkBackground);
    drawing.DeleteSelected();
    EXPECT_EQ(drawing.GetCount(), 1u);
}

TEST(DataCollection, CloneIsIndependent) {
    auto group = Group();
    group->SetMark(kMarkSelected);
    auto copy = group->Clone();
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->GetMark(), kMarkNormal);  // marks are not part of a copy
    copy->MoveBy(100, 0);
    auto paper = test::MakePaper();
    EXPECT_EQ(group->GetExtents(*paper), (RectF{0, 0, 10, 5}));
    EXPECT_EQ(copy->GetExtents(*paper), (RectF{100, 0, 110, 5}));
    // Parent links of the loaded children point into the copy.
    const CData* child = copy->GetChildren()->GetAt(1);
    EXPECT_EQ(child->GetParent(), copy.get());
    EXPECT_EQ(child->GetChildren()->GetAt(0)->GetParent(), child);
}

TEST(DataCollection, StoringSkipsFloatingNodes) {
    CDataCollection drawing;
    drawing.Add(Line(0, 0, 1, 1));
    drawing.Add(Line(2, 2, 3, 3))->SetFloating(true);
    CArchive out;
    out.WriteObject(&drawing);
    CArchive in(out.Bytes(), CoreClasses());
    auto loaded = in.ReadObjectOf<CDataCollection>();
    ASSERT_NE(loaded, nullptr);
    ASSERT_EQ(loaded->GetCount(), 1u);
    EXPECT_EQ(loaded->GetAt(0)->GetX1(), 0.0);
}

// Nodes stored by older versions carry extra fields before the element.
TEST(DataCollection, LoadsOlderNodeSchemasAndRepairsWidths) {
    struct Case {
        std::uint16_t schema;
        std::uint16_t storedWidth;
        std::uint16_t expectedMark;
        std::uint16_t expectedWidth;
    };
    const Case cases[] = {
        {6, 5, 2, 250},        // skipped field and mark; a hair-thin width is repaired
        {7, 10000, 1, 10000},  // mark; 10 units is still a width
        {14, 10001, 0, 250},
        {14, 500, 0, 500},
    };
    for (const Case& c : cases) {
        test::ByteWriter w;
        w.NewClass("CData", c.schema).U32(kNodeLine);
        if (c.schema < 7) {
            w.U32(0xDEADBEEF);
        }
        if (c.schema < 8) {
            w.U16(c.expectedMark);
        }
        CDrawObjLine line(1, 2, 3, 4, 0, c.storedWidth, 0, 1);
        CArchive element;
        element.WriteObject(&line);
        // The element's class takes index 2 in the node's archive, as it would in place.
        const test::Bytes bytes = w.Raw(element.Bytes()).U16(0).bytes;  // no children
        CArchive in(bytes, CoreClasses());
        auto node = in.ReadObjectOf<CData>();
        ASSERT_FALSE(in.IsFailed()) << c.schema << ": " << in.Error();
        ASSERT_NE(node, nullptr);
        EXPECT_EQ(node->GetMark(), c.expectedMark) << c.schema;
        EXPECT_EQ(node->GetElement()->GetWidth(), c.expectedWidth) << c.schema;
        EXPECT_EQ(node->GetY2(), 4.0);
    }
}

}  // namespace
}  // namespace korvo
