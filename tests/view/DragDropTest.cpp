// Dragging the selection with the mouse, driven through the view harness: the fake window plays
// the user's mouse during the drag, moving it over a view and dropping there.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "model/ClipboardCollection.h"
#include "model/DataCollection.h"
#include "platform/KeyCodes.h"
#include "support/ViewHarness.h"
#include "tools/FuncToolSelectTool.h"
#include "view/ViewCommands.h"
#include "view/ViewSwitches.h"

namespace korvo::test {
namespace {

using ::testing::IsEmpty;

struct Ends {
    float x1, y1, x2, y2;
    friend bool operator==(const Ends&, const Ends&) = default;
};

Ends EndsOf(const CData& node) {
    const CDrawObj& e = *node.GetElement();
    return {e.GetX1(), e.GetY1(), e.GetX2(), e.GetY2()};
}

// Moving by a vector and moving back to the origin and then to the drop point may differ in the
// last bit of a float; nothing more.
void ExpectEnds(const CData& node, const Ends& expected) {
    const Ends got = EndsOf(node);
    EXPECT_FLOAT_EQ(got.x1, expected.x1);
    EXPECT_FLOAT_EQ(got.y1, expected.y1);
    EXPECT_FLOAT_EQ(got.x2, expected.x2);
    EXPECT_FLOAT_EQ(got.y2, expected.y2);
}

// The user's mouse during a drag: over `target` at the world point `at` with `flags`, then
// released there (or, without `drop`, taken away and released outside every view); the drop's
// answer is the drag's effect.
std::function<DropEffect(std::span<const std::byte>)> DropAt(ViewHarness& target, PointF at,
                                                             unsigned flags, bool drop = true) {
    return [&target, at, flags, drop](std::span<const std::byte> data) {
        const DevicePoint d = target.ToClient(at);
        if (target.View().OnDragOver(data, flags, d.x, d.y) == DropEffect::None || !drop) {
            target.View().OnDragLeave();
            return DropEffect::None;
        }
        return target.View().OnDrop(data, flags, d.x, d.y);
    };
}

// Presses beside the line's start (snapping to it exactly), drags away with the button held and
// releases; the drag itself is played by the source's host.
void DragFromStart(ViewHarness& source, PointF start, unsigned flags) {
    source.LDown({start.x + 4, start.y}, flags);
    source.Move({start.x + 30, start.y + 25}, flags | kMkLButton);
    source.LUp({start.x + 30, start.y + 25}, flags);
}

TEST(DragDrop, MovesCopiesAndHandsOverTheSelection) {
    enum class Target { Same, OtherFont };
    struct Case {
        const char* name;
        Target target;
        unsigned flags;
        PointF drop;
        std::size_t sourceNodes;
        std::size_t targetNodes;  // for another font
        bool originalMoves;
        bool dropped;
    };
    const Case cases[] = {
        {"move within the view", Target::Same, 0, {70, 120}, 1, 0, true, true},
        {"Ctrl copies within the view", Target::Same, kMkControl, {70, 120}, 2, 0, false, true},
        {"move onto another font", Target::OtherFont, 0, {70, 120}, 0, 1, false, true},
        {"Ctrl copies onto another font",
         Target::OtherFont,
         kMkControl,
         {70, 120},
         1,
         1,
         false,
         true},
        {"released outside every view", Target::OtherFont, 0, {70, 120}, 1, 0, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ViewHarness source;
        ViewHarness other;
        g_nSnapMode = kSnapEndPoint;
        const Ends original{20, 50, 180, 50};
        CData* line = source.AddLine(original.x1, original.y1, original.x2, original.y2);
        ViewHarness& target = c.target == Target::Same ? source : other;
        source.host.dragScript = DropAt(target, c.drop, c.flags, c.dropped);

        DragFromStart(source, {20, 50}, c.flags & ~kMkControl);

        ASSERT_EQ(source.host.drags.size(), 1u);
        EXPECT_EQ(source.host.drags[0].format, kClipboardFormat);
        // The drop lands on the pixel under the pointer; the press point was the line's start.
        const PointF at = target.Paper().DeviceToWorld(target.ToClient(c.drop));
        const Ends moved{original.x1 + at.x - 20, original.y1 + at.y - 50, original.x2 + at.x - 20,
                         original.y2 + at.y - 50};
        CDataCollection& here = *source.Paper().GetCollection();
        ASSERT_EQ(here.GetCount(), c.sourceNodes);
        if (c.sourceNodes > 0) {
            ExpectEnds(*line, c.originalMoves ? moved : original);
        }
        CDataCollection& added = c.target == Target::Same ? here : *other.Paper().GetCollection();
        const std::size_t firstAdded = c.target == Target::Same ? 1 : 0;
        ASSERT_EQ(added.GetCount(), c.target == Target::Same ? c.sourceNodes : c.targetNodes);
        for (std::size_t i = firstAdded; i < added.GetCount(); ++i) {
            ExpectEnds(*added.GetAt(i), moved);
            EXPECT_EQ(added.GetAt(i)->GetMark(), kMarkSelected);
        }
        EXPECT_EQ(source.View().GetToolId(), kToolSelection);
        EXPECT_EQ(source.View().GetDragPreview(), nullptr);
        EXPECT_EQ(target.View().GetDragPreview(), nullptr);
        EXPECT_THAT(source.Violations(), IsEmpty());
        EXPECT_THAT(other.Violations(), IsEmpty());
    }
}

// A selected group travels as one: its members move once, and onto another font the whole
// group arrives with them.
TEST(DragDrop, AGroupMovesOnceWithItsMembers) {
    for (const bool otherFont : {false, true}) {
        SCOPED_TRACE(otherFont ? "onto another font" : "within the view");
        ViewHarness source;
        ViewHarness other;
        g_nSnapMode = kSnapEndPoint;
        auto group = std::make_unique<CData>(kNodeGroup);
        auto first = std::make_unique<CData>(kNodeLine);
        first->CreateLine(20, 50, 60, 50, 0, 0.25f, 0, 1);
        auto second = std::make_unique<CData>(kNodeLine);
        second->CreateLine(20, 80, 60, 80, 0, 0.25f, 0, 1);
        group->AddChild(std::move(first));
        group->AddChild(std::move(second));
        source.Paper().AddNode(std::move(group));
        ViewHarness& target = otherFont ? other : source;
        source.host.dragScript = DropAt(target, {100, 150}, 0);

        DragFromStart(source, {20, 50}, 0);

        const PointF at = target.Paper().DeviceToWorld(target.ToClient({100, 150}));
        CDataCollection& drawing = *target.Paper().GetCollection();
        ASSERT_EQ(drawing.GetCount(), 1u);
        const CDataCollection& members = *drawing.GetAt(0)->GetChildren();
        ASSERT_EQ(members.GetCount(), 2u);
        ExpectEnds(*members.GetAt(0), {at.x, at.y, 40 + at.x, at.y});
        ExpectEnds(*members.GetAt(1), {at.x, 30 + at.y, 40 + at.x, 30 + at.y});
        EXPECT_EQ(source.Paper().GetCollection()->GetCount(), otherFont ? 0u : 1u);
        EXPECT_THAT(source.Violations(), IsEmpty());
        EXPECT_THAT(other.Violations(), IsEmpty());
    }
}

TEST(DragDrop, PassingOverAViewShowsWhereTheNodesWouldLand) {
    ViewHarness h;
    CDataCollection drawing;
    drawing.Add(std::make_unique<CData>(kNodeLine))->CreateLine(0, 0, 10, 0, 0, 0.25f, 0, 1);
    const std::vector<CData*> nodes{drawing.GetAt(0)};
    const std::vector<std::byte> data = StoreClipboardCollection(nodes);
    const DevicePoint d = h.ToClient({40, 60});
    const PointF at = h.Paper().DeviceToWorld(d);

    EXPECT_EQ(h.View().OnDragOver(data, 0, d.x, d.y), DropEffect::Move);
    EXPECT_EQ(h.View().OnDragOver(data, kMkControl, d.x, d.y), DropEffect::Copy);
    char status[64];
    std::snprintf(status, sizeof status, "X = %.1f Y = %.1f", at.x, at.y);
    EXPECT_EQ(h.host.Pane(kPaneToolValues), status);
    const CDataCollection* preview = h.View().GetDragPreview();
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(EndsOf(*preview->GetAt(0)), (Ends{at.x, at.y, at.x + 10, at.y}));
    // The preview goes on the window only: a paint draws it, the drawing does not hold it.
    const DevicePoint from = h.Paper().WorldToDevice(at);
    const DevicePoint to = h.Paper().WorldToDevice({at.x + 10, at.y});
    auto drawsPreview = [&](const RecordingSurface& window) {
        for (const RecordingDrawContext::Call& call : window.Calls()) {
            if (std::find(call.points.begin(), call.points.end(), from) != call.points.end() &&
                std::find(call.points.begin(), call.points.end(), to) != call.points.end()) {
                return true;
            }
        }
        return false;
    };
    h.Paint();
    EXPECT_TRUE(drawsPreview(h.Window()));
    EXPECT_EQ(h.Paper().GetCollection()->GetCount(), 0u);

    h.View().OnDragLeave();
    EXPECT_EQ(h.View().GetDragPreview(), nullptr);
    EXPECT_FALSE(h.host.invalidations.empty());
    h.Paint();
    EXPECT_FALSE(drawsPreview(h.Window()));
    // Without the private format there is nothing to drop.
    EXPECT_EQ(h.View().OnDragOver(std::nullopt, 0, d.x, d.y), DropEffect::None);
    EXPECT_EQ(h.View().OnDrop(std::nullopt, 0, d.x, d.y), DropEffect::None);
    EXPECT_THAT(h.host.messages, IsEmpty());
}

TEST(DragDrop, DataFromElsewhereIsAddedAsCopiesOrRefusedWhole) {
    CDataCollection drawing;
    drawing.Add(std::make_unique<CData>(kNodeLine))->CreateLine(0, 0, 10, 0, 0, 0.25f, 0, 1);
    drawing.Add(std::make_unique<CData>(kNodeLine))->CreateLine(0, 5, 10, 5, 0, 0.25f, 0, 1);
    const std::vector<CData*> nodes{drawing.GetAt(0), drawing.GetAt(1)};
    const std::vector<std::byte> good = StoreClipboardCollection(nodes);
    std::vector<std::byte> cut(good.begin(), good.end() - 3);

    for (const bool damaged : {false, true}) {
        SCOPED_TRACE(damaged ? "damaged" : "whole");
        ViewHarness h;
        const DevicePoint d = h.ToClient({40, 60});
        const PointF at = h.Paper().DeviceToWorld(d);
        const std::span<const std::byte> data = damaged ? std::span(cut) : std::span(good);
        EXPECT_EQ(h.View().OnDragOver(data, 0, d.x, d.y),
                  damaged ? DropEffect::None : DropEffect::Move);
        const DropEffect effect = h.View().OnDrop(data, 0, d.x, d.y);
        h.Pump();
        CDataCollection& added = *h.Paper().GetCollection();
        if (damaged) {
            EXPECT_EQ(effect, DropEffect::None);
            EXPECT_EQ(added.GetCount(), 0u);
            ASSERT_EQ(h.host.messages.size(), 1u);
            EXPECT_EQ(h.host.messages[0].id, MessageId::Fixed(FixedText::DrawingDataDamaged));
        } else {
            // The sender keeps its nodes, so this is a copy whatever the keys said.
            EXPECT_EQ(effect, DropEffect::Copy);
            ASSERT_EQ(added.GetCount(), 2u);
            EXPECT_EQ(EndsOf(*added.GetAt(1)), (Ends{at.x, at.y + 5, at.x + 10, at.y + 5}));
            EXPECT_EQ(added.GetAt(1)->GetMark(), kMarkSelected);
            EXPECT_THAT(h.host.messages, IsEmpty());
        }
        EXPECT_THAT(h.Violations(), IsEmpty());
    }
}

}  // namespace
}  // namespace korvo::test
