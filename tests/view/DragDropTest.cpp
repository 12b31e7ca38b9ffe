// Dragging the selection with the mouse, driven through the view harness: the fake window plays
// the user's mouse during the drag, moving it over a view and dropping there.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "model/ClipboardCollection.h"
#include "model/DataCollection.h"
#include "platform/KeyCodes.h"
#include "support/ViewHarness.h"
#include "view/ViewCommands.h"
#include "view/ViewSwitches.h"

namespace korvo::test {
namespace {

using ::testing::IsEmpty;

// Moving by a vector, or to the origin and then to the drop point, may differ in a float's last
// bit; nothing more.
void ExpectLine(const CData& node, float x1, float y1, float x2, float y2) {
    const CDrawObj& e = *node.GetElement();
    EXPECT_FLOAT_EQ(e.GetX1(), x1);
    EXPECT_FLOAT_EQ(e.GetY1(), y1);
    EXPECT_FLOAT_EQ(e.GetX2(), x2);
    EXPECT_FLOAT_EQ(e.GetY2(), y2);
}

// The user's hand during a drag: over `target` at the world point `at` with `flags`, then
// released there (without `drop`, released outside every view); the drop answers the effect.
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

// Presses beside (20, 50), snapping to it exactly, and drags away with the button held.
void DragFrom20_50(ViewHarness& source, unsigned flags) {
    g_nSnapMode = kSnapEndPoint;
    source.LDown({24, 50}, flags);
    source.Move({50, 75}, flags | kMkLButton);
    source.LUp({50, 75}, flags);
}

TEST(DragDrop, MovesCopiesAndHandsOverTheSelection) {
    struct Case {
        const char* name;
        bool otherFont;
        unsigned flags;
        bool dropped;
        std::size_t sourceNodes;
        std::size_t targetNodes;  // in the other font
        bool originalMoves;
    };
    const Case cases[] = {
        {"move within the view", false, 0, true, 1, 0, true},
        {"Ctrl copies within the view", false, kMkControl, true, 2, 0, false},
        {"move onto another font", true, 0, true, 0, 1, false},
        {"Ctrl copies onto another font", true, kMkControl, true, 1, 1, false},
        {"released outside every view", true, 0, false, 1, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ViewHarness source;
        ViewHarness other;
        CData* line = source.AddLine(20, 50, 180, 50);
        ViewHarness& target = c.otherFont ? other : source;
        source.host.dragScript = DropAt(target, {70, 120}, c.flags, c.dropped);

        DragFrom20_50(source, 0);

        ASSERT_EQ(source.host.drags.size(), 1u);
        EXPECT_EQ(source.host.drags[0].format, kClipboardFormat);
        // The drop is on the pixel under the pointer; the drag vector runs from (20, 50) to it.
        const PointF at = target.Paper().DeviceToWorld(target.ToClient({70, 120}));
        CDataCollection& here = *source.Paper().GetCollection();
        ASSERT_EQ(here.GetCount(), c.sourceNodes);
        if (c.sourceNodes > 0) {
            const float d = c.originalMoves ? 1.0f : 0.0f;
            ExpectLine(*line, 20 + d * (at.x - 20), 50 + d * (at.y - 50), 180 + d * (at.x - 20),
                       50 + d * (at.y - 50));
        }
        CDataCollection& there = *other.Paper().GetCollection();
        ASSERT_EQ(there.GetCount(), c.targetNodes);
        CDataCollection& added = c.otherFont ? there : here;
        for (std::size_t i = c.otherFont ? 0 : 1; i < added.GetCount(); ++i) {
            ExpectLine(*added.GetAt(i), at.x, at.y, at.x + 160, at.y);
            EXPECT_EQ(added.GetAt(i)->GetMark(), kMarkSelected);
        }
        EXPECT_EQ(source.View().GetToolId(), kToolSelection);
        EXPECT_EQ(target.View().GetDragPreview(), nullptr);
        EXPECT_THAT(source.Violations(), IsEmpty());
        EXPECT_THAT(other.Violations(), IsEmpty());
    }
}

TEST(DragDrop, DataFromElsewhereIsShownThenAddedAsCopiesOrRefusedWhole) {
    CDataCollection drawing;
    drawing.Add(std::make_unique<CData>(kNodeLine))->CreateLine(0, 0, 10, 0, 0, 0.25f, 0, 1);
    const std::vector<CData*> nodes{drawing.GetAt(0)};
    const std::vector<std::byte> good = StoreClipboardCollection(nodes);
    const std::vector<std::byte> cut(good.begin(), good.end() - 3);
    ViewHarness h;
    const DevicePoint d = h.ToClient({40, 60});
    const PointF at = h.Paper().DeviceToWorld(d);

    // Passing over: where it would land, with its coordinates, on the window only.
    EXPECT_EQ(h.View().OnDragOver(good, kMkControl, d.x, d.y), DropEffect::Copy);
    char status[64];
    std::snprintf(status, sizeof status, "X = %.1f Y = %.1f", at.x, at.y);
    EXPECT_EQ(h.host.Pane(kPaneToolValues), status);
    ASSERT_NE(h.View().GetDragPreview(), nullptr);
    ExpectLine(*h.View().GetDragPreview()->GetAt(0), at.x, at.y, at.x + 10, at.y);
    h.Paint();
    const std::size_t withPreview = h.Window().Calls().size();
    h.View().OnDragLeave();
    EXPECT_EQ(h.View().GetDragPreview(), nullptr);
    h.Paint();
    EXPECT_LT(h.Window().Calls().size(), withPreview);

    // Damaged data cannot be dropped, and a drop of it adds nothing and says so.
    EXPECT_EQ(h.View().OnDragOver(cut, 0, d.x, d.y), DropEffect::None);
    EXPECT_EQ(h.View().OnDrop(cut, 0, d.x, d.y), DropEffect::None);
    EXPECT_EQ(h.View().OnDrop(std::nullopt, 0, d.x, d.y), DropEffect::None);
    EXPECT_EQ(h.Paper().GetCollection()->GetCount(), 0u);
    ASSERT_EQ(h.host.messages.size(), 1u);
    EXPECT_EQ(h.host.messages[0].id, MessageId::Fixed(FixedText::DrawingDataDamaged));

    // The sender keeps its nodes, so a drop from elsewhere is a copy whatever the keys said.
    EXPECT_EQ(h.View().OnDrop(good, 0, d.x, d.y), DropEffect::Copy);
    ASSERT_EQ(h.Paper().GetCollection()->GetCount(), 1u);
    ExpectLine(*h.Paper().GetCollection()->GetAt(0), at.x, at.y, at.x + 10, at.y);
    EXPECT_THAT(h.Violations(), IsEmpty());
}

}  // namespace
}  // namespace korvo::test
