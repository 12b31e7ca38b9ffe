// The view's paint pipeline: hints, pending renders, partial renders, the cached background and
// the messages of a failed back buffer.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "model/DataCollection.h"
#include "support/ViewHarness.h"
#include "view/RedrawBatch.h"
#include "view/ViewCommands.h"

namespace korvo::test {
namespace {

using ::testing::IsEmpty;

RecordingSurface& BackBuffer(ViewHarness& h) {
    return dynamic_cast<RecordingSurface&>(*h.View().GetBackBuffer());
}

TEST(ViewPaintTest, HintsSetThePendingRenderAndTheInvalidation) {
    const RectF a{10, 10, 20, 20};
    const RectF b{30, 5, 40, 15};
    const DeviceRect pixels{1, 2, 3, 4};
    struct Step {
        int hint;
        UpdateArea area;
    };
    const struct {
        std::vector<Step> steps;
        Stale pending;
        std::optional<RectF> rect;
        bool forced;
        std::vector<std::optional<DeviceRect>> invalidations;
    } cases[] = {
        {{{kHintUpdateAll, {}}}, Stale::Everything, std::nullopt, false, {std::nullopt}},
        {{{kHintUpdateDrawing, {}}}, Stale::Everything, std::nullopt, true, {std::nullopt}},
        {{{kHintWorldRect, a}}, Stale::Rect, a, false, {}},
        {{{kHintWorldRect, a}, {kHintWorldRect, b}}, Stale::Rect, RectF{10, 5, 40, 20}, false, {}},
        {{{kHintWorldRect, {}}, {kHintWorldRect, a}}, Stale::Everything, std::nullopt, false, {}},
        {{{kHintScreenRect, pixels}}, Stale::Nothing, std::nullopt, false, {pixels}},
        {{{kHintScreenRect, {}}}, Stale::Nothing, std::nullopt, false, {std::nullopt}},
        {{{4711, {}}}, Stale::Everything, std::nullopt, false, {std::nullopt}},
    };
    for (const auto& c : cases) {
        ViewHarness h;
        h.host.invalidations.clear();
        for (const Step& step : c.steps) {
            h.View().OnUpdate(step.hint, step.area);
        }
        EXPECT_EQ(h.View().GetPendingState(), c.pending);
        EXPECT_EQ(h.View().IsForcedFullRender(), c.forced);
        EXPECT_EQ(h.host.invalidations, c.invalidations);
        if (c.rect) {
            const RectF& got = h.View().GetPendingRect();
            EXPECT_EQ((std::array{got.minX, got.minY, got.maxX, got.maxY}),
                      (std::array{c.rect->minX, c.rect->minY, c.rect->maxX, c.rect->maxY}));
        }
    }
}

TEST(ViewPaintTest, NestedBatchesFlushOnceWithTheUnionOfWhatWasMarked) {
    ViewHarness h;
    h.host.invalidations.clear();
    {
        CRedrawBatch outer(h.View());
        outer.AddWorldRect(RectF{10, 10, 20, 20});
        {
            CRedrawBatch inner(h.View());
            inner.AddWorldRect(RectF{50, 60, 70, 80});
        }
        EXPECT_TRUE(h.host.invalidations.empty());
        EXPECT_EQ(h.View().GetPendingState(), Stale::Nothing);
    }
    EXPECT_EQ(h.View().GetPendingState(), Stale::Rect);
    const RectF& pending = h.View().GetPendingRect();
    EXPECT_EQ((std::array{pending.minX, pending.minY, pending.maxX, pending.maxY}),
              (std::array{10.0f, 10.0f, 70.0f, 80.0f}));
    // One invalidation covering both rectangles' pixels (plus the closing pixel).
    ASSERT_EQ(h.host.invalidations.size(), 1u);
    const DeviceRect lowLeft = h.Paper().WorldRectToDevice({10, 10, 20, 20});
    const DeviceRect upRight = h.Paper().WorldRectToDevice({50, 60, 70, 80});
    EXPECT_EQ(h.host.invalidations[0],
              (DeviceRect{lowLeft.left, upRight.top, upRight.right + 1, lowLeft.bottom + 1}));
    EXPECT_EQ(h.View().GetBatchDepth(), 0);
}

TEST(ViewPaintTest, APaintWithNothingPendingOnlyCopiesAndDrawsOverTheCopy) {
    ViewHarness h;
    h.AddLine(10, 10, 190, 190);
    h.Command(kCmdZoomOriginal);
    RecordingSurface& back = BackBuffer(h);
    back.Reset();
    h.Paint();
    RecordingSurface& window = h.Window();
    EXPECT_TRUE(back.Calls().empty());
    EXPECT_TRUE(back.Copies().empty());
    ASSERT_EQ(window.Copies().size(), 1u);
    EXPECT_EQ(window.Copies()[0].source, &back);
    EXPECT_EQ(window.Copies()[0].rect, (DeviceRect{0, 0, 1000, 700}));
    // The drawing goes over the copy once more, directly on the window.
    EXPECT_FALSE(window.CallsOf("line").empty());
}

TEST(ViewPaintTest, APartialRenderIsClippedToTheVisibleAreaAndDrawsOnlyWhatItTouches) {
    ViewHarness h;
    h.Command(kCmdZoomOriginal);
    h.View().ZoomToRect({0, 0}, {100, 100});
    h.Pump();
    h.AddLine(10, 10, 20, 10);    // inside the dirty rectangle
    h.AddLine(10, 80, 20, 80);    // visible, outside it
    h.AddLine(150, 10, 160, 10);  // in the dirty rectangle but outside the view
    RecordingSurface& back = BackBuffer(h);
    back.Reset();
    {
        CRedrawBatch batch(h.View());
        batch.AddWorldRect(RectF{5, 5, 400, 30});
    }
    h.Pump();
    // Clipped on the right only: the view ends before x = 400.
    const RectF client = {5.0f, 5.0f, h.Paper().DeviceToWorld({1000, 0}).x, 30.0f};
    DeviceRect clip = h.Paper().WorldRectToDevice(client);
    ++clip.right;
    ++clip.bottom;
    ASSERT_FALSE(back.Clips().empty());
    EXPECT_EQ(back.Clips().front(), clip);
    EXPECT_EQ(back.Clips().back(), std::nullopt);
    // The background comes from the cached layer, for the clipped pixels only.
    ASSERT_EQ(back.Copies().size(), 1u);
    EXPECT_EQ(back.Copies()[0].rect, clip);
    const auto lines = back.CallsOf("line");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].points.front(), h.ToClient({10, 10}));
}

TEST(ViewPaintTest, TheBackgroundIsDrawnOnceUntilSomethingItShowsChanges) {
    ViewHarness h;
    const auto fullRender = [&h] {
        h.View().OnUpdate(kHintUpdateAll);
        h.Paint();
        return h.View().GetBackgroundRenders();
    };
    const int first = fullRender();
    EXPECT_EQ(fullRender(), first);
    h.AddLine(1, 1, 5, 5);
    EXPECT_EQ(fullRender(), first) << "elements are not part of the background";

    const struct {
        const char* what;
        std::function<void(ViewHarness&)> change;
    } changes[] = {
        {"grid", [](ViewHarness& v) { v.Paper().SetGrid(5.0f, 5.0f); }},
        {"grid shown", [](ViewHarness& v) { v.Paper().SetShowGrid(false); }},
        {"table shown", [](ViewHarness& v) { v.Paper().SetShowTable(false); }},
        {"help line", [](ViewHarness& v) { v.Paper().SetHelpLine(2, 150.0f, true); }},
        {"help line off", [](ViewHarness& v) { v.Paper().SetHelpLine(2, 150.0f, false); }},
        {"grid origin", [](ViewHarness& v) { v.Paper().SetGridOrigin(1.0f, 0.0f); }},
        {"cross grid", [](ViewHarness& v) { v.Paper().SetCrossGrid(10.0f, 10.0f); }},
        {"zoom",
         [](ViewHarness& v) {
             v.View().ZoomToRect({0, 0}, {300, 200});
         }},
        {"size",
         [](ViewHarness& v) {
             v.host.SetClientSize({900, 700});
         }},
        {"table shown again", [](ViewHarness& v) { v.Paper().SetShowTable(true); }},
        {"glyph", [](ViewHarness& v) { v.DefineGlyph(65, 0, 0, 100, 100); }},
        {"glyph changed", [](ViewHarness& v) { v.DefineGlyph(65, 0, 0, 100, 101); }},
    };
    int renders = first;
    for (const auto& c : changes) {
        c.change(h);
        EXPECT_EQ(fullRender(), renders + 1) << c.what;
        EXPECT_EQ(fullRender(), renders + 1) << c.what << ", unchanged";
        ++renders;
    }
    EXPECT_THAT(h.Violations(), IsEmpty());
}

TEST(ViewPaintTest, ABackBufferThatCannotBeMadeIsReportedByItsMessage) {
    const struct {
        FakeViewHost::SurfaceFailure failure;
        FixedText message;
    } cases[] = {
        {FakeViewHost::SurfaceFailure::NoSurface, FixedText::ErrorCreatingDeviceContext},
        {FakeViewHost::SurfaceFailure::WrongSize, FixedText::ErrorStoringBackgroundBitmap},
    };
    for (const auto& c : cases) {
        ViewHarness h;
        IDrawSurface* before = h.View().GetBackBuffer();
        h.host.surfaceFailure = c.failure;
        h.host.messages.clear();
        h.Resize({800, 600});
        ASSERT_FALSE(h.host.messages.empty());
        EXPECT_EQ(h.host.messages[0].id, MessageId::Fixed(c.message));
        EXPECT_EQ(h.host.messages[0].buttons, MessageButtons::Ok);
        EXPECT_EQ(FormatMessageText(h.host.messages[0]), FixedTextOf(c.message));
        // The window keeps what the old buffer held.
        EXPECT_EQ(h.View().GetBackBuffer(), before);
    }
}

}  // namespace
}  // namespace korvo::test
