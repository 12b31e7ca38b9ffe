// Erase on the whole sheet, the clipboard's stored collections, and dropping copies of
// carried nodes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "edit/PlaceEdits.h"
#include "edit/SheetEdits.h"
#include "model/ClipboardCollection.h"
#include "model/DataCollection.h"
#include "model/DrawObjEllipse.h"
#include "model/DrawObjLine.h"
#include "support/PaperFixture.h"

namespace korvo::test {
namespace {

std::unique_ptr<CData> Line(float x1, float y1, float x2, float y2, std::uint16_t mark = 0,
                            std::uint16_t level = 1) {
    return MakeNode(std::make_unique<CDrawObjLine>(x1, y1, x2, y2, 0, 250, 0, level), kNodeLine,
                    mark);
}

TEST(SheetEdits, EraseTakesSelectedNodesAtAnyDepthAndReportsWhereTheyWere) {
    const auto paper = MakePaper();
    paper->AddNode(Line(0, 0, 10, 10));
    auto group = std::make_unique<CData>();
    group->AddChild(Line(20, 20, 30, 40, kMarkSelected));
    group->AddChild(Line(50, 50, 60, 60));
    paper->AddNode(std::move(group));
    paper->AddNode(Line(70, 5, 80, 6, kMarkSelected));

    const RectF erased = EraseMarked(*paper);
    EXPECT_EQ(erased, (RectF{20, 5, 80, 40}));
    const CDataCollection& nodes = *paper->GetCollection();
    ASSERT_EQ(nodes.GetCount(), 2u);
    ASSERT_EQ(nodes.GetAt(1)->GetChildren()->GetCount(), 1u);
    EXPECT_EQ(nodes.GetAt(1)->GetChildren()->GetAt(0)->GetX1(), 50.0);

    EXPECT_FALSE(EraseMarked(*paper).IsValid()) << "nothing selected: nothing to redraw";
    EXPECT_EQ(nodes.GetCount(), 2u);
}

// Two selected lines, one of them inside an unselected group, and a selected group whose members
// are selected with it.
std::unique_ptr<CPaper> SelectionSheet() {
    auto paper = MakePaper();
    paper->AddNode(Line(1, 1, 2, 2, kMarkSelected));
    auto loose = std::make_unique<CData>();
    loose->AddChild(Line(3, 3, 4, 4));
    loose->AddChild(Line(5, 5, 6, 6, kMarkSelected));
    paper->AddNode(std::move(loose));
    auto chosen = std::make_unique<CData>();
    chosen->AddChild(Line(7, 7, 8, 8));
    chosen->SetMark(kMarkSelected);
    paper->AddNode(std::move(chosen));
    paper->AddNode(Line(9, 9, 10, 10));
    return paper;
}

TEST(ClipboardNodes, SelectedNodesTravelOnceAndComeBackWhole) {
    const auto paper = SelectionSheet();
    const std::vector<CData*> selected = CollectSelectedNodes(*paper->GetCollection());
    ASSERT_EQ(selected.size(), 3u) << "a selected group's members go with it, not again";
    const std::vector<std::byte> bytes = StoreClipboardCollection(selected);
    ASSERT_FALSE(bytes.empty());

    ClipboardRead loaded = ReadClipboardCollection(bytes);
    ASSERT_NE(loaded.nodes, nullptr) << loaded.error;
    const CDataCollection& back = *loaded.nodes;
    ASSERT_EQ(back.GetCount(), 3u);
    EXPECT_EQ(back.GetAt(1)->GetX1(), 5.0);
    EXPECT_EQ(back.GetAt(1)->GetParent(), nullptr) << "a nested node arrives on its own";
    EXPECT_EQ(back.CountMark(kMarkSelected), 0) << "selection is not stored";
}

TEST(PlaceEdits, DroppedCopiesAreSelectedIndependentAndOnTheirLevel) {
    const struct {
        std::optional<std::uint16_t> level;
        std::vector<int> expected;
    } cases[] = {{std::nullopt, {4, 6}}, {std::uint16_t{9}, {9, 9}}};
    for (const auto& c : cases) {
        const auto paper = MakePaper();
        paper->AddNode(Line(0, 0, 1, 1));
        CDataCollection carried;
        carried.Add(Line(10, 10, 20, 10, kMarkNormal, 4));
        auto group = std::make_unique<CData>();
        group->AddChild(Line(30, 30, 40, 50, kMarkNormal, 6));
        carried.Add(std::move(group));

        const std::optional<RectF> covered = DropCopies(*paper, carried, c.level);
        ASSERT_TRUE(covered);
        EXPECT_EQ(*covered, (RectF{10, 10, 40, 50}));
        carried.MoveByAll(100, 100);
        const CDataCollection& nodes = *paper->GetCollection();
        ASSERT_EQ(nodes.GetCount(), 3u);
        EXPECT_EQ(nodes.GetAt(1)->GetX1(), 10.0) << "moving the carried nodes leaves the copy";
        const CData* member = nodes.GetAt(2)->GetChildren()->GetAt(0);
        EXPECT_EQ(member->GetX1(), 30.0);
        EXPECT_EQ(std::vector<int>({nodes.GetAt(1)->GetLevel(), member->GetLevel()}), c.expected);
        EXPECT_EQ(nodes.GetAt(0)->GetMark(), kMarkNormal);
        EXPECT_EQ(nodes.CountMark(kMarkSelected), 2);
        EXPECT_EQ(member->GetMark(), kMarkSelected);
    }
}

}  // namespace
}  // namespace korvo::test
