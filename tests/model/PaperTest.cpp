#include <gtest/gtest.h>

#include "model/Paper.h"

namespace korvo {
namespace {

TEST(Paper, ScreenMapping) {
    CPaper paper;
    paper.SetClientRect({0, 0, 630, 360});
    EXPECT_DOUBLE_EQ(paper.GetScale(), 1.0);
    EXPECT_EQ(paper.WorldToDevice({0, 0}), (DevicePoint{5, 355}));
    EXPECT_EQ(paper.WorldToDevice({620, 350}), (DevicePoint{625, 5}));
    EXPECT_EQ(paper.DeviceRectToWorld({5, 5, 625, 355}), (RectF{0, 0, 620, 350}));
    // Round trip of device points through drawing units at several zooms.
    for (const int width : {630, 1250, 1920, 333}) {
        paper.SetClientRect({0, 0, width, width * 9 / 16});
        for (const DevicePoint p : {DevicePoint{0, 0}, DevicePoint{17, 200}, DevicePoint{301, 9}}) {
            EXPECT_EQ(paper.WorldToDevice(paper.DeviceToWorld(p)), p) << width;
        }
    }
    // Far away drawing points clamp instead of overflowing.
    const DevicePoint far = paper.WorldToDevice({3.0e38f, -3.0e38f});
    EXPECT_GT(far.x, 0);
    EXPECT_GT(far.y, 0);
}

TEST(Paper, CullingTouchingCountsAsVisible) {
    CPaper paper;
    paper.SetClientRect({0, 0, 630, 360});
    const RectF window = paper.GetVisibleWindow();
    EXPECT_FALSE(paper.IsOutside({window.maxX, 0, window.maxX + 5, 1}));
    EXPECT_TRUE(paper.IsOutside({window.maxX + 0.01f, 0, window.maxX + 5, 1}));
    EXPECT_TRUE(paper.IsOutside({0, window.minY - 2, 1, window.minY - 1}));
}

TEST(Paper, PenTableFindsAgainAndReplacesWhite) {
    CPaper paper;
    const int before = paper.PenCount();
    const int a = paper.FindPen(1, 500, 0x123456);
    EXPECT_EQ(paper.FindPen(1, 500, 0x123456), a);
    EXPECT_NE(paper.FindPen(1, 250, 0x123456), a);  // width is part of the key
    EXPECT_EQ(paper.PenCount(), before + 2);
    EXPECT_FALSE(paper.PenAt(a).geometric);
    EXPECT_EQ(paper.PenAt(a).style, PenStyle::Dash);
    // White means the background; the background pen already is that pen.
    EXPECT_EQ(paper.PenAt(paper.FindPen(0, 250, 0xFFFFFF)), paper.BackgroundPen());
    EXPECT_EQ(paper.MarkedPen().color, 0x0000FFu);
}

TEST(Paper, PrinterMapping) {
    CPaper paper;
    paper.SetupPrinter(6200, 7000);
    EXPECT_TRUE(paper.IsPrintMode());
    EXPECT_DOUBLE_EQ(paper.GetPrintScale(), 10.0);
    EXPECT_EQ(paper.WorldToDevice({0, 0}), (DevicePoint{0, 5250}));
    EXPECT_EQ(paper.LengthToDevice(2.5), 25);
    paper.SetClientRect({0, 0, 630, 360});
    EXPECT_FALSE(paper.IsPrintMode());
}

}  // namespace
}  // namespace korvo
