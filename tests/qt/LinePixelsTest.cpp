#include <gtest/gtest.h>

#include <cstdlib>

#include "LinePixels.h"

namespace korvo {
namespace {

bool Inside(const TracedPixel& p, const DeviceRect& r) {
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

// Clipping only leaves pixels out: what remains is exactly what the whole line has there, with
// the same step numbers, so dashes do not shift where a line leaves the window.
TEST(TraceLine, ClippingKeepsThePixelsOfTheWholeLine) {
    const DeviceRect window{3, 2, 11, 9};
    for (const DevicePoint to : {DevicePoint{15, 7}, DevicePoint{-4, 13}, DevicePoint{13, 14},
                                 DevicePoint{7, -30}, DevicePoint{1, 0}}) {
        SCOPED_TRACE(testing::Message() << "to " << to.x << "," << to.y);
        std::vector<TracedPixel> whole;
        std::vector<TracedPixel> clipped;
        const auto steps = TraceLine({1, 0}, to, {-50, -50, 50, 50}, whole);
        EXPECT_EQ(steps, std::max(std::abs(to.x - 1), std::abs(to.y)));
        EXPECT_EQ(TraceLine({1, 0}, to, window, clipped), steps);
        std::erase_if(whole, [&](const TracedPixel& p) { return !Inside(p, window); });
        ASSERT_EQ(clipped.size(), whole.size());
        for (std::size_t i = 0; i < whole.size(); ++i) {
            EXPECT_EQ(clipped[i].step, whole[i].step);
            EXPECT_EQ(clipped[i].x, whole[i].x);
            EXPECT_EQ(clipped[i].y, whole[i].y);
        }
    }
}

// Deep zooms hand over lines billions of pixels long; only the crossing may cost anything.
TEST(TraceLine, WalksOnlyTheCrossingOfAHugeLine) {
    std::vector<TracedPixel> pixels;
    const DeviceRect device{0, 0, 100, 100};
    TraceLine({-2000000000, -1000000000}, {2000000000, 1000000000}, device, pixels);
    ASSERT_EQ(pixels.size(), 100U);
    for (const TracedPixel& p : pixels) {
        EXPECT_EQ(p.y, (p.x + 1) / 2);  // halves round away from the start
        EXPECT_EQ(p.step, 2000000000LL + p.x);
    }
}

}  // namespace
}  // namespace korvo
