// Mapping, zoom, scrolling and the middle button of the drawing view.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>

#include "platform/KeyCodes.h"
#include "support/ViewHarness.h"
#include "view/ViewCommands.h"
#include "view/ViewSwitches.h"

namespace korvo::test {
namespace {

using ::testing::IsEmpty;

TEST(ViewMappingTest, InitialUpdateShowsTheSheetWithTheDefaultToolAndNoScrollBars) {
    ViewHarness h;
    // 620 x 350 plus the 5 unit margin on a 1000 x 700 client: the width decides the zoom.
    EXPECT_DOUBLE_EQ(h.Paper().GetZoom(), 990.0 / 630.0);
    // The document's window has margins, so it is not the drawing area: the bars show.
    EXPECT_TRUE(h.host.Scroll(ScrollBar::Horizontal).visible);
    h.Command(kCmdZoomOriginal);
    EXPECT_FALSE(h.host.Scroll(ScrollBar::Horizontal).visible);
    EXPECT_FALSE(h.host.Scroll(ScrollBar::Vertical).visible);
    EXPECT_THAT(h.Violations(), IsEmpty());
}

TEST(ViewMappingTest, WheelZoomKeepsThePointUnderThePointerAndOneNotchEachWayReturns) {
    ViewHarness h({1001, 701});
    h.Command(kCmdZoomOriginal);
    const PointF before = h.Paper().GetWindowSize();
    const PointF target{100.0f, 50.0f};
    const PointF under = h.Paper().DeviceToWorld(h.ToClient(target));

    h.Wheel(target, 120, kMkControl);
    const PointF in = h.Paper().GetWindowSize();
    EXPECT_FLOAT_EQ(in.x, static_cast<float>(before.x / 1.2));
    EXPECT_FLOAT_EQ(h.Paper().GetWindowOrigin().x, under.x - in.x / 2);
    EXPECT_FLOAT_EQ(h.Paper().GetWindowOrigin().y, under.y - in.y / 2);
    // The pointer goes to the middle of the client: 1001 / 2 and 701 - 701 / 2.
    ASSERT_FALSE(h.host.warps.empty());
    EXPECT_EQ(h.host.warps.back(), (DevicePoint{500, 351}));

    h.Wheel(h.Paper().DeviceToWorld(h.host.warps.back()), -120, kMkControl);
    const PointF out = h.Paper().GetWindowSize();
    EXPECT_NEAR(out.x, before.x, 1e-3);
    EXPECT_NEAR(out.y, before.y, 1e-3);

    // Without Ctrl the wheel leaves the zoom alone.
    h.Wheel(target, 120, 0);
    EXPECT_EQ(h.Paper().GetWindowSize(), out);

    // Where the pointer cannot move (Wayland), or with the option, the point stays under it.
    const std::size_t warps = h.host.warps.size();
    for (const bool refuse : {true, false}) {
        h.host.refuseWarps = refuse;
        g_bZoomAboutPointer = !refuse;
        const DevicePoint at = h.host.pointer;
        const PointF point = h.Paper().DeviceToWorld(at);
        h.View().OnMouseWheel(kMkControl, 120, at.x, at.y);
        EXPECT_LT(Distance(h.Paper().DeviceToWorld(at), point), 0.01f);
    }
    EXPECT_EQ(h.host.warps.size(), warps);
    EXPECT_NEAR(h.Paper().GetWindowSize().x, out.x / 1.44, 1e-3);
    EXPECT_THAT(h.Violations(), IsEmpty());
}

TEST(ViewMappingTest, WheelGoesByWholeNotchesAndScrollsThreeLinesWithoutCtrl) {
    ViewHarness h({1001, 701});
    h.Command(kCmdZoomOriginal);
    const PointF whole = h.Paper().GetWindowSize();
    // Zooming about the middle keeps the window inside the drawing area, clear of both ends.
    const PointF target{whole.x / 2, whole.y / 2};

    // At zoom original there is nothing to scroll to.
    h.Wheel(target, -120, 0);
    EXPECT_EQ(h.Paper().GetWindowOrigin(), (PointF{0.0f, 0.0f}));

    // Two half notches of a fine wheel make one zoom step; a double notch makes two.
    h.Wheel(target, 60, kMkControl);
    EXPECT_EQ(h.Paper().GetWindowSize(), whole);
    h.Wheel(target, 60, kMkControl);
    EXPECT_FLOAT_EQ(h.Paper().GetWindowSize().x, static_cast<float>(whole.x / 1.2));
    h.Wheel(target, 240, kMkControl);
    const PointF zoomed = h.Paper().GetWindowSize();
    EXPECT_NEAR(zoomed.x, whole.x / (1.2 * 1.2 * 1.2), 1e-3);

    // Towards the user: three line steps down (1 % of the height each), or right with Shift.
    const PointF origin = h.Paper().GetWindowOrigin();
    h.Wheel(target, -120, 0);
    EXPECT_NEAR(h.Paper().GetWindowOrigin().y, origin.y - 3 * 0.01f * whole.y, 1e-3);
    EXPECT_FLOAT_EQ(h.Paper().GetWindowOrigin().x, origin.x);
    h.Wheel(target, -120, kMkShift);
    EXPECT_NEAR(h.Paper().GetWindowOrigin().x, origin.x + 3 * 0.01f * whole.x, 1e-3);
    EXPECT_EQ(h.Paper().GetWindowSize(), zoomed);
    EXPECT_THAT(h.Violations(), IsEmpty());
}

TEST(ViewMappingTest, ZoomWindowGivesTheSameWindowWhicheverWayItIsDragged) {
    const PointF lowLeft{20.0f, 30.0f};
    const PointF upRight{120.0f, 90.0f};
    const struct {
        PointF first;
        PointF second;
    } cases[] = {{lowLeft, upRight},
                 {upRight, lowLeft},
                 {{lowLeft.x, upRight.y}, {upRight.x, lowLeft.y}},
                 {{upRight.x, lowLeft.y}, {lowLeft.x, upRight.y}}};
    for (const auto& c : cases) {
        ViewHarness h;
        h.Command(kCmdZoomOriginal);
        h.Command(kCmdZoomWindow);
        const PointF a = h.Paper().DeviceToWorld(h.ToClient(c.first));
        const PointF b = h.Paper().DeviceToWorld(h.ToClient(c.second));
        h.Click(c.first);
        h.Move(c.second);
        h.Click(c.second);
        EXPECT_FLOAT_EQ(h.Paper().GetWindowOrigin().x, std::min(a.x, b.x));
        EXPECT_FLOAT_EQ(h.Paper().GetWindowOrigin().y, std::min(a.y, b.y));
        EXPECT_FLOAT_EQ(h.Paper().GetWindowSize().x, std::fabs(a.x - b.x));
        EXPECT_FLOAT_EQ(h.Paper().GetWindowSize().y, std::fabs(a.y - b.y));
        EXPECT_THAT(h.Violations(), IsEmpty());
    }
}

TEST(ViewMappingTest, ZoomWindowOnOneSpotOrFlatDoesNotZoomAndTheRightButtonGivesUp) {
    ViewHarness h;
    const PointF window = h.Paper().GetWindowSize();
    h.Command(kCmdZoomWindow);
    // The same spot, the same height, the same width: no window, and no zoom out either.
    for (const PointF second : {PointF{50, 50}, PointF{150, 50}, PointF{50, 120}}) {
        h.Click({50, 50});
        h.Move(second);
        h.Click(second);
        EXPECT_EQ(h.Paper().GetWindowSize(), window) << second.x << " " << second.y;
        ASSERT_NE(h.View().GetTempTool(), nullptr);
    }
    // The next click starts a new window, and a right click ends the tool without zooming.
    h.Click({10, 10});
    h.Move({60, 70});
    h.RClick({60, 70});
    EXPECT_EQ(h.View().GetTempTool(), nullptr);
    EXPECT_EQ(h.Paper().GetWindowSize(), window);
    EXPECT_THAT(h.Violations(), IsEmpty());
}

TEST(ViewMappingTest, ScrollingFollowsTheTableOfCodesAndStopsAtTheEnds) {
    struct Case {
        ScrollBar bar;
        int code;
        int thumb;
        int startPos;
        int wantPos;
        PointF wantOrigin;
        PointF at = {100.0f, 150.0f};  // where the window starts
    };
    // Zoomed to a 100 x 50 window at (100, 150) of the 620 x 350 area: ranges 0..520 and 0..300.
    const PointF origin{100.0f, 150.0f};
    // The thumb where the view put it: the vertical one runs from the top of the sheet.
    constexpr int kAsShown = -1;
    const Case cases[] = {
        {ScrollBar::Horizontal, kSbLineDown, 0, 100, 106, {106.2f, 150.0f}},
        {ScrollBar::Horizontal, kSbPageDown, 0, 100, 162, {162.0f, 150.0f}},
        {ScrollBar::Horizontal, kSbLineDown, 0, 520, 520, origin},  // at the maximum
        {ScrollBar::Horizontal, kSbLineUp, 0, 0, 0, origin},        // at the minimum
        {ScrollBar::Horizontal, kSbThumbTrack, 37, 100, 37, {37.0f, 150.0f}},
        {ScrollBar::Horizontal, kSbTop, 0, 100, 0, {0.0f, 150.0f}},
        {ScrollBar::Horizontal, kSbBottom, 0, 100, 520, {520.0f, 150.0f}},
        {ScrollBar::Vertical, kSbLineDown, 0, 150, 153, {100.0f, 146.5f}},
        {ScrollBar::Vertical, kSbPageUp, 0, 150, 115, {100.0f, 185.0f}},
        {ScrollBar::Vertical, kSbThumbTrack, 40, 150, 40, {100.0f, 260.0f}},
        {ScrollBar::Vertical, kSbTop, 0, 150, 0, {100.0f, 300.0f}},
        {ScrollBar::Vertical, kSbLineDown, 0, kAsShown, 300, {100.0f, 0.0f}, {100.0f, 0.0f}},
        {ScrollBar::Vertical, kSbLineUp, 0, kAsShown, 0, {100.0f, 300.0f}, {100.0f, 300.0f}},
    };
    for (const Case& c : cases) {
        ViewHarness h;
        h.View().ZoomToRect(c.at, {c.at.x + 100.0f, c.at.y + 50.0f});
        h.Pump();
        EXPECT_EQ(h.host.Scroll(ScrollBar::Horizontal).maximum, 520);
        EXPECT_EQ(h.host.Scroll(ScrollBar::Vertical).maximum, 300);
        if (c.startPos != kAsShown) {
            h.host.SetScrollPos(c.bar, c.startPos);
        }
        if (c.bar == ScrollBar::Horizontal) {
            h.View().OnHScroll(c.code, c.thumb);
        } else {
            h.View().OnVScroll(c.code, c.thumb);
        }
        EXPECT_EQ(h.host.GetScrollPos(c.bar), c.wantPos) << "code " << c.code;
        EXPECT_NEAR(h.Paper().GetWindowOrigin().x, c.wantOrigin.x, 1e-4) << "code " << c.code;
        EXPECT_NEAR(h.Paper().GetWindowOrigin().y, c.wantOrigin.y, 1e-4) << "code " << c.code;
    }
}

TEST(ViewMappingTest, TheMiddleButtonZoomsOriginalWithShiftAndElseStartsAutoScroll) {
    ViewHarness h;
    h.View().ZoomToRect({0, 0}, {50, 50});
    h.View().OnMButtonDown(kMkShift, 40, 40);
    ASSERT_EQ(h.host.postedCommands.size(), 1u);
    EXPECT_EQ(h.host.postedCommands.front(), kCmdZoomOriginal);
    h.Pump();
    EXPECT_EQ(h.Paper().GetWindowSize(), h.Paper().GetExtension());
    EXPECT_TRUE(h.host.autoScrollStarts.empty());

    h.View().OnMButtonDown(0, 40, 41);
    EXPECT_EQ(h.host.autoScrollStarts, (std::vector<DevicePoint>{{40, 41}}));
    EXPECT_TRUE(h.host.postedCommands.empty());
}

TEST(ViewMappingTest, ATinyClientOrAnEmptyWindowLeavesAUsableMapping) {
    ViewHarness h;
    const double zoom = h.Paper().GetZoom();
    h.Resize({10, 8});
    h.Paint();
    // Nothing is handed to the paper that it would have to divide by.
    EXPECT_DOUBLE_EQ(h.Paper().GetZoom(), zoom);

    h.Resize({1000, 700});
    h.Paper().SetWindowSize(0.0f, 0.0f);
    h.Paint();
    EXPECT_EQ(h.Paper().GetWindowSize(), h.Paper().GetExtension());
    EXPECT_TRUE(std::isfinite(h.Paper().GetZoom()));
    EXPECT_GT(h.Paper().GetZoom(), 1.0);
    EXPECT_THAT(h.Violations(), IsEmpty());
}

}  // namespace
}  // namespace korvo::test
