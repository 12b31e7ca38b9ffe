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

// The stale area of the back buffer: rectangles gather into their bounds, and once everything is
// stale no rectangle narrows it again.
TEST(ViewPaintTest, HintsSetThePendingRenderAndTheInvalidation) {
    const RectF a{10, 10, 20, 20};
    const RectF b{30, 5, 40, 15};
    const DeviceRect pixels{1, 2, 3, 4};
    const struct {
        std::vector<std::pair<int, UpdateArea>> steps;
        Stale pending;
        std::vector<std::optional<DeviceRect>> invalidations;
    } cases[] = {
        {{{kHintWorldRect, a}, {kHintWorldRect, b}}, Stale::Rect, {}},
        {{{kHintWorldRect, {}}, {kHintWorldRect, a}}, Stale::Everything, {}},
        {{{kHintScreenRect, pixels}}, Stale::Nothing, {pixels}},
        {{{4711, {}}}, Stale::Everything, {std::nullopt}},
    };
    for (const auto& c : cases) {
        ViewHarness h;
        h.host.invalidations.clear();
        for (const auto& [hint, area] : c.steps) {
            h.View().OnUpdate(hint, area);
        }
        EXPECT_EQ(h.View().GetPendingState(), c.pending);
        EXPECT_EQ(h.host.invalidations, c.invalidations);
    }
    ViewHarness h;
    h.View().OnUpdate(kHintWorldRect, a);
    h.View().OnUpdate(kHintWorldRect, b);
    const RectF& got = h.View().GetPendingRect();
    EXPECT_EQ((std::array{got.minX, got.minY, got.maxX, got.maxY}),
              (std::array{10.0f, 5.0f, 40.0f, 20.0f}));
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

    // Whether each change shows at all is ViewImageTest's differential; here only how often the
    // background is drawn again.
    const struct {
        const char* what;
        std::function<void(ViewHarness&)> change;
    } changes[] = {
        {"grid", [](ViewHarness& v) { v.Paper().SetGrid(5.0f, 5.0f); }},
        {"help line", [](ViewHarness& v) { v.Paper().SetHelpLine(2, 150.0f, true); }},
        {"help line off", [](ViewHarness& v) { v.Paper().SetHelpLine(2, 150.0f, false); }},
        {"grid origin", [](ViewHarness& v) { v.Paper().SetGridOrigin(1.0f, 0.0f); }},
        {"cross grid", [](ViewHarness& v) { v.Paper().SetCrossGrid(10.0f, 10.0f); }},
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
