#include <gtest/gtest.h>

#include <span>
#include <string>
#include <vector>

#include "app/CoreClasses.h"
#include "model/DataCollection.h"
#include "model/DrawObjLine.h"
#include "platform/Archive.h"
#include "support/DocumentInvariants.h"
#include "support/LittleEndian.h"
#include "support/PaperFixture.h"
#include "support/RecordingDrawContext.h"

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

// Whatever moves a node (added, inserted, taken out, copied, loaded) its parent link names the
// node whose children hold it, or nothing at the top and outside every list.
TEST(DataCollection, ParentLinksAreAlwaysTrue) {
    auto paper = test::MakePaper();
    CData* group = paper->AddNode(Group());
    CData* inner = group->GetChildren()->GetAt(1);
    CData* added = inner->GetChildren()->Add(Line(1, 1, 2, 2));
    CData* inserted = group->GetChildren()->Insert(0, Line(3, 3, 4, 4));
    EXPECT_EQ(group->GetChildren()->GetAt(0), inserted);
    const CData* last = group->GetChildren()->Insert(99, Line(0, 0, 1, 0));
    EXPECT_EQ(group->GetChildren()->GetAt(3), last);
    EXPECT_TRUE(test::CheckDocumentInvariants(*paper).empty());

    // Out of a list a node has no parent; into another it takes that list's owner.
    std::unique_ptr<CData> moved = inner->GetChildren()->Detach(added);
    ASSERT_NE(moved, nullptr);
    EXPECT_EQ(moved->GetParent(), nullptr);
    EXPECT_EQ(paper->AddNode(std::move(moved))->GetParent(), nullptr);
    std::unique_ptr<CData> top = paper->GetCollection()->Detach(group);
    CData* holder = paper->GetCollection()->GetAt(0);
    holder->AddChild(std::move(top));
    EXPECT_TRUE(test::CheckDocumentInvariants(*paper).empty());

    // A copy of a child belongs nowhere; its own children point into it.
    const CData* child = paper->GetCollection()->GetAt(0)->GetChildren()->GetAt(0);
    const std::unique_ptr<CData> copy = child->Clone();
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->GetParent(), nullptr);
    EXPECT_EQ(copy->GetChildren()->GetAt(0)->GetParent(), copy.get());
    const std::unique_ptr<CDataCollection> copies = paper->GetCollection()->Clone();
    ASSERT_NE(copies, nullptr);
    EXPECT_EQ(copies->GetAt(0)->GetParent(), nullptr);
    EXPECT_EQ(copies->GetAt(0)->GetChildren()->GetAt(0)->GetParent(), copies->GetAt(0));
}

// A chain of `depth` groups, one inside the other, each with a line.
std::unique_ptr<CData> Chain(int depth) {
    auto root = Line(0, 0, 1, 1, kNodeGroup);
    CData* tail = root.get();
    for (int i = 1; i < depth; ++i) {
        tail->AddChild(Line(0, 0, 1, 1, kNodeGroup));
        tail = tail->GetChildren()->GetAt(0);
    }
    return root;
}

int DepthOf(const CData& node) {
    const CDataCollection* children = node.GetChildren();
    return 1 + (children != nullptr && !children->IsEmpty() ? DepthOf(*children->GetAt(0)) : 0);
}

// What the program can store it can load: a tree too deep to load is refused when it is stored
// (and so copied), and the original is left as it was.
TEST(DataCollection, NestingThatStoresAlsoLoads) {
    // A node and its element take two levels of the archive's nesting, a group's list one more.
    const int deepest = CArchive::kMaxObjectDepth / 2;
    for (const int depth : {deepest - 1, deepest, deepest + 1}) {
        const std::unique_ptr<CData> chain = Chain(depth);
        const std::unique_ptr<CData> copy = chain->Clone();
        EXPECT_EQ(copy != nullptr, depth <= deepest) << depth;
        if (copy) {
            EXPECT_EQ(DepthOf(*copy), depth);
        }
        EXPECT_EQ(DepthOf(*chain), depth);

        // In a sheet the sheet and its list take two more levels; storing and loading agree.
        CPaper paper;
        paper.AddNode(Chain(depth));
        CArchive out;
        out.WriteObject(&paper);
        CArchive in(out.Bytes(), CoreClasses());
        const auto loaded = in.ReadObjectOf<CPaper>();
        EXPECT_EQ(out.IsFailed(), depth >= deepest) << depth;
        if (!out.IsFailed()) {
            ASSERT_NE(loaded, nullptr) << depth << ": " << in.Error();
            EXPECT_EQ(DepthOf(*loaded->GetCollection()->GetAt(0)), depth);
        } else {
            EXPECT_EQ(out.Error(), "objects nested too deeply");
        }
    }
}

// Damaged data pasted into a drawing adds nothing, and a damaged sheet keeps what it had.
TEST(DataCollection, DamagedLoadsAddNothing) {
    CDataCollection source;
    for (int i = 0; i < 3; ++i) {
        source.Add(Line(0, 0, static_cast<float>(i), 1));
    }
    CArchive out;
    source.Serialize(out);
    const std::span<const std::uint8_t> bytes(out.Bytes());
    for (std::size_t cut = 2; cut < bytes.size(); cut += 13) {
        CDataCollection target;
        target.Add(Line(5, 5, 6, 6));
        CArchive in(bytes.first(cut), CoreClasses());
        target.Serialize(in);
        EXPECT_TRUE(in.IsFailed()) << cut;
        EXPECT_EQ(target.GetCount(), 1u) << cut;
    }

    CPaper stored;
    stored.SetShowGrid(false);
    stored.AddNode(Line(0, 0, 1, 1));
    CArchive sheet;
    stored.Serialize(sheet);
    CPaper target;
    target.AddNode(Line(5, 5, 6, 6));
    CArchive in(std::span<const std::uint8_t>(sheet.Bytes()).first(sheet.Bytes().size() - 1),
                CoreClasses());
    target.Serialize(in);
    EXPECT_TRUE(in.IsFailed());
    EXPECT_TRUE(target.IsShowGrid());
    ASSERT_EQ(target.GetCollection()->GetCount(), 1u);
    EXPECT_EQ(target.GetCollection()->GetAt(0)->GetX1(), 5.0);
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

// A sheet for the rectangle and mark operations: two loose lines (the second selected), a group
// without element holding two more, a floating line and an invisible line with a visible child.
// Each line's colour is its number; a selected one draws in the selection colour.
struct MarkedSheet {
    std::unique_ptr<CPaper> paper = test::MakePaper();
    CData* a = Add(Coloured(0, 0, 10, 0, 1));
    CData* b = Add(Coloured(20, 0, 30, 0, 2));
    CData* group = Add(std::make_unique<CData>(kNodeGroup));
    CData* c = Child(group, Coloured(0, 20, 10, 20, 3));
    CData* d = Child(group, Coloured(50, 50, 60, 60, 4));
    CData* floating = Add(Coloured(0, 0, 10, 10, 5));
    CData* hidden = Add(Coloured(0, 30, 10, 30, 6));
    CData* underHidden = Child(hidden, Coloured(0, 40, 10, 40, 7));

    MarkedSheet() {
        b->SetMark(kMarkSelected);
        floating->SetFloating(true);
        hidden->SetLevel(1000);
    }
    static std::unique_ptr<CData> Coloured(float x1, float y1, float x2, float y2, int colour) {
        auto node = std::make_unique<CData>(kNodeLine);
        node->CreateLine(x1, y1, x2, y2, 0, 0.25f, static_cast<std::uint32_t>(colour), 1);
        return node;
    }
    CData* Add(std::unique_ptr<CData> node) { return paper->AddNode(std::move(node)); }
    static CData* Child(CData* parent, std::unique_ptr<CData> node) {
        parent->AddChild(std::move(node));
        return parent->GetChildren()->GetAt(parent->GetChildren()->GetCount() - 1);
    }
    // The colours of the lines drawn, in drawing order.
    static std::vector<ColorRef> Colours(const test::RecordingDrawContext& dc) {
        std::vector<ColorRef> colours;
        for (const auto& call : dc.CallsOf("line")) {
            colours.push_back(call.pen.color);
        }
        return colours;
    }
};

TEST(DataCollection, DrawingInARectangleSkipsWhatIsNotThere) {
    constexpr ColorRef kSelected = 0x0000FF;
    constexpr RectF kAll{-100, -100, 700, 400};
    struct Case {
        const char* what;
        RectF rect;
        bool exceptGroup;
        bool unmarkedOnly;
        std::vector<ColorRef> drawn;
    };
    const Case cases[] = {
        {"everything", kAll, false, false, {1, kSelected, 3, 4}},
        {"touching ends count", {10, -5, 20, 5}, false, false, {1, kSelected}},
        {"inside a group", {55, 55, 56, 56}, false, false, {4}},
        {"an excepted group with its children", kAll, true, false, {1, kSelected}},
        {"unmarked only", kAll, false, true, {1, 3, 4}},
    };
    MarkedSheet sheet;
    for (const Case& c : cases) {
        test::RecordingDrawContext dc;
        CDataCollection& drawing = *sheet.paper->GetCollection();
        if (c.unmarkedOnly) {
            drawing.DrawUnmarkedInRect(*sheet.paper, &dc, c.rect);
        } else {
            drawing.DrawInRect(*sheet.paper, &dc, c.exceptGroup ? sheet.group : nullptr, c.rect);
        }
        EXPECT_EQ(MarkedSheet::Colours(dc), c.drawn) << c.what;
    }
}

TEST(DataCollection, MarksExtentsAndTransformsReachEveryLevel) {
    MarkedSheet sheet;
    CDataCollection& drawing = *sheet.paper->GetCollection();
    CPaper& paper = *sheet.paper;
    EXPECT_EQ(drawing.GetMarkedExtents(paper, kMarkSelected), (RectF{20, 0, 30, 0}));
    sheet.d->SetMark(kMarkSelected);  // found inside the unmarked group
    EXPECT_EQ(drawing.GetMarkedExtents(paper, kMarkSelected), (RectF{20, 0, 60, 60}));
    EXPECT_EQ(drawing.GetMarkedExtents(paper, kMarkBackground), RectF::Empty());

    // Replacing a mark reaches into groups and passes over floating nodes.
    drawing.ReplaceMark(kMarkNormal, kMarkBackground);
    for (const CData* node : {sheet.a, sheet.group, sheet.c, sheet.hidden, sheet.underHidden}) {
        EXPECT_EQ(node->GetMark(), kMarkBackground);
    }
    EXPECT_EQ(sheet.b->GetMark(), kMarkSelected);
    EXPECT_EQ(sheet.d->GetMark(), kMarkSelected);
    EXPECT_EQ(sheet.floating->GetMark(), kMarkNormal);

    // Taking out a node that is not a direct member changes nothing.
    EXPECT_EQ(drawing.Detach(sheet.c), nullptr);
    EXPECT_EQ(drawing.GetCount(), 5u);

    struct Case {
        bool rotate;
        std::array<float, 4> a, d;  // the end points of a loose line and of a grouped one
    };
    const Case cases[] = {
        {true, {0, 0, 0, 10}, {-50, 50, -60, 60}},       // a quarter turn about the origin
        {false, {-1, -2, 19, -2}, {99, 148, 119, 178}},  // (2, 3) about (1, 1)
    };
    for (const Case& c : cases) {
        MarkedSheet fresh;
        if (c.rotate) {
            fresh.paper->GetCollection()->RotateAll(0, 0, kHalfPi);
        } else {
            fresh.paper->GetCollection()->ScaleAll(1, 1, 2, 3);
        }
        for (const auto& [node, expected] : {std::pair{fresh.a, c.a}, std::pair{fresh.d, c.d}}) {
            EXPECT_NEAR(node->GetX1(), expected[0], 1e-4) << c.rotate;
            EXPECT_NEAR(node->GetY1(), expected[1], 1e-4) << c.rotate;
            EXPECT_NEAR(node->GetX2(), expected[2], 1e-4) << c.rotate;
            EXPECT_NEAR(node->GetY2(), expected[3], 1e-4) << c.rotate;
        }
    }
}

}  // namespace
}  // namespace korvo
