#include <gtest/gtest.h>

#include "model/DrawObjLine.h"
#include "support/PaperFixture.h"
#include "support/RecordingDrawContext.h"
#include "support/ScopedSwitches.h"

namespace korvo {
namespace {

using test::MakeNode;
using test::MakePaper;
using test::RecordingDrawContext;

TEST(DrawObjLine, DistanceMeasuresOnlyBesideTheSegment) {
    struct Case {
        PointF from, to, p;
        double expected;
    };
    const Case cases[] = {
        {{0, 0}, {10, 0}, {5, 2}, 2.0},
        {{0, 0}, {10, 0}, {12, 2}, -1.0},  // beside neither range
        {{0, 0}, {10, 0}, {10, 3}, -1.0},  // x at the maximum is not strictly inside
        {{0, 0}, {10, 0}, {10, 0}, 0.0},
        {{0, 0}, {10, 10}, {20, 5}, 10.606601717798213},  // beside the y range only
        {{0, 0}, {0, 10}, {-3, 4}, 3.0},
        {{5, 5}, {5, 5}, {5, 5}, 0.0},  // a point line hits only on its point
        {{5, 5}, {5, 5}, {8, 9}, -1.0},
    };
    auto paper = MakePaper();
    for (const Case& c : cases) {
        CDrawObjLine line(c.from.x, c.from.y, c.to.x, c.to.y, 0, 250, 0, 1);
        EXPECT_NEAR(line.GetDistance(*paper, c.p, nullptr), c.expected, 1e-9)
            << c.p.x << "," << c.p.y;
    }
}

// Turns and scales of lines: DataCollection.MarksExtentsAndTransformsReachEveryLevel.
TEST(DrawObjLine, EndPoints) {
    CDrawObjLine mid(0, 0, 10, 0, 0, 250, 0, 1);
    EXPECT_EQ(mid.GetNearestEndPoint({5, 0}), (PointF{0, 0}));  // a tie goes to the start
    EXPECT_EQ(mid.GetNearestEndPoint({6, 1}), (PointF{10, 0}));
    PointF m;
    ASSERT_TRUE(mid.GetMidPoint(m));
    EXPECT_EQ(m, (PointF{5, 0}));
}

TEST(DrawObjLine, DrawMarksChooseThePen) {
    auto paper = MakePaper();
    struct Case {
        std::uint16_t mark;
        std::size_t calls;
        ColorRef color;
    };
    const Case cases[] = {
        {kMarkNormal, 1, 0x123456},
        {kMarkSelected, 1, paper->Values().selectionColor},
        {kMarkBackground, 1, paper->Values().backgroundColor},
        {3, 0, 0},
    };
    for (const Case& c : cases) {
        auto node = MakeNode(std::make_unique<CDrawObjLine>(0, 0, 10, 0, 2, 250, 0x123456, 1),
                             kNodeLine, c.mark);
        RecordingDrawContext dc;
        EXPECT_TRUE(node->Draw(*paper, &dc)) << c.mark;
        ASSERT_EQ(dc.Calls().size(), c.calls) << c.mark;
        if (c.calls == 1) {
            const auto& call = dc.Calls()[0];
            EXPECT_EQ(call.op, "line");
            EXPECT_EQ(call.pen.color, c.color);
            EXPECT_FALSE(call.pen.geometric);  // plain mode pens are one pixel wide
            EXPECT_EQ(call.points[0], (DevicePoint{5, 355}));
            EXPECT_EQ(call.points[1], (DevicePoint{15, 355}));
        }
        EXPECT_EQ(dc.CurrentPen(), Pen{});  // the previous pen is back
    }
}

TEST(DrawObjLine, InvisibleLevelsAndCulling) {
    auto paper = MakePaper();
    for (const std::uint16_t level : {999, 1000}) {
        CDrawObjLine line(0, 0, 10, 0, 0, 250, 0, level);
        RecordingDrawContext dc;
        const bool visible = level <= 999;
        EXPECT_EQ(line.Draw(*paper, &dc, nullptr), visible);
        EXPECT_EQ(dc.Calls().size(), visible ? 1u : 0u);
        EXPECT_EQ(line.GetDistance(*paper, {5, 0}, nullptr), visible ? 0.0 : -1.0);
        EXPECT_EQ(line.Print(*paper, nullptr, nullptr), visible);
    }
    CDrawObjLine far(1000, 1000, 1010, 1000, 0, 250, 0, 1);
    RecordingDrawContext dc;
    EXPECT_TRUE(far.Draw(*paper, &dc, nullptr));  // culled, yet a line reports success
    EXPECT_TRUE(dc.Calls().empty());
    EXPECT_EQ(far.GetExtents(*paper, nullptr), (RectF{1000, 1000, 1010, 1000}));
}

TEST(DrawObjLine, StyledStrokeWidthAndDotPattern) {
    auto paper = MakePaper(4);
    ASSERT_DOUBLE_EQ(paper->GetScale(), 4.0);
    CDrawObjLine line(10, 10, 14, 10, 2, 500, 0xFF, 1);
    RecordingDrawContext dc;
    {
        test::ScopedSwitches switches;
        switches.StyledDrawing(true);
        line.Draw(*paper, &dc, nullptr);
    }

    // Two dashes: steps 0..3 and 8..11, each drawn as one polyline of four step points.
    ASSERT_EQ(dc.Calls().size(), 2u);
    const DevicePoint origin = paper->WorldToDevice({10, 10});
    for (int dash = 0; dash < 2; ++dash) {
        const auto& call = dc.Calls()[dash];
        EXPECT_EQ(call.op, "polyline");
        EXPECT_EQ(call.pen, (Pen{PenStyle::Solid, 0xFF, true, 2, PenCap::Flat}));
        ASSERT_EQ(call.points.size(), 4u);
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(call.points[i].x, origin.x + (dash * 8 + i))  // 0.25 units = 1 pixel
                << dash << " " << i;
        }
    }
    // Below four pixels a unit steps share pixels: a dash leaves out the repeats, and one that
    // never leaves its pixel keeps it twice so a round pen would still leave a dot.
    auto small = MakePaper(1);
    ASSERT_DOUBLE_EQ(small->GetScale(), 1.0);
    bool collapsed = false;
    bool moved = false;
    for (const float x0 : {10.0f, 10.6f}) {  // dashes crossing a pixel edge, and not
        RecordingDrawContext fine;
        {
            test::ScopedSwitches switches;
            switches.StyledDrawing(true);
            CDrawObjLine(x0, 10, x0 + 20, 10, 2, 500, 0xFF, 1).Draw(*small, &fine, nullptr);
        }
        ASSERT_EQ(fine.Calls().size(), 10u);
        for (int dash = 0; dash < 10; ++dash) {
            std::vector<DevicePoint> expected;
            for (int i = dash * 8; i < dash * 8 + 4; ++i) {
                const DevicePoint p = small->WorldToDevice({x0 + 0.25f * i, 10.0f});
                if (expected.empty() || expected.back() != p) {
                    expected.push_back(p);
                }
            }
            collapsed |= expected.size() == 1;
            moved |= expected.size() > 1;
            if (expected.size() == 1) {
                expected.push_back(expected.front());
            }
            EXPECT_EQ(fine.Calls()[dash].points, expected) << x0 << " " << dash;
        }
    }
    EXPECT_TRUE(collapsed && moved);  // both kinds of dash were met
    // Printing strokes the same way whatever the mark, solid lines with round ends.
    CDrawObjLine solid(10, 10, 14, 10, 0, 500, 0xFF, 1);
    auto node = MakeNode(std::make_unique<CDrawObjLine>(solid), kNodeLine, kMarkSelected);
    RecordingDrawContext printer(true);
    EXPECT_TRUE(node->GetElement()->Print(*paper, &printer, node.get()));
    ASSERT_EQ(printer.Calls().size(), 1u);
    EXPECT_EQ(printer.Calls()[0].pen, (Pen{PenStyle::Solid, 0xFF, true, 2, PenCap::Round}));
    RecordingDrawContext screen;
    EXPECT_FALSE(solid.Print(*paper, &screen, nullptr));  // not a printer
}

}  // namespace
}  // namespace korvo
