#include <gtest/gtest.h>

#include <cmath>

#include "model/DrawObjEllipse.h"
#include "support/PaperFixture.h"
#include "support/RecordingDrawContext.h"
#include "support/ScopedSwitches.h"

namespace korvo {
namespace {

using test::MakePaper;
using test::RecordingDrawContext;

CDrawObjEllipse Arc(float a, float b, float start, float end, float rotation = 0,
                    PointF c = {0, 0}) {
    return CDrawObjEllipse(c.x, c.y, a, b, start, end, rotation, 0, 250, 0, 1);
}

void ExpectNear(PointF actual, PointF expected, double tolerance = 1e-4) {
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
}

TEST(DrawObjEllipse, ArcEndsMidsAndWrapping) {
    struct Case {
        float a, b, start, end, rotation;
        PointF first, last, mid;
    };
    const double h = std::sqrt(50.0);
    const Case cases[] = {
        {10, 10, 0, 360, 0, {10, 0}, {10, 0}, {-10, 0}},
        {10, 10, 0, 90, 0, {10, 0}, {0, 10}, {float(h), float(h)}},
        // Through 0 degrees: from -90 up to +90.
        {10, 10, 270, 90, 0, {0, -10}, {0, 10}, {10, 0}},
        // From 90 round through 180 to 360.
        {10, 10, 90, 0, 0, {0, 10}, {10, 0}, {-float(h), -float(h)}},
        // A turned ellipse: parameter 0 lies up the y axis.
        {20, 10, 0, 90, 90, {0, 20}, {-10, 0}, {-float(h), 2 * float(h)}},
    };
    for (const Case& c : cases) {
        CDrawObjEllipse arc = Arc(c.a, c.b, c.start, c.end, c.rotation);
        EllipseOutline outline;
        arc.SampleOutline(outline);
        ExpectNear(outline.points[0], c.first);
        ExpectNear(outline.points[outline.count - 1], c.last);
        PointF mid;
        arc.GetMidPoint(mid);
        ExpectNear(mid, c.mid);
        PointF snap = c.last;
        snap.x += 0.1f;
        arc.SnapNearestEndPoint(snap);
        ExpectNear(snap, c.last);
    }
    // The whole circle: 73 steps of 5 degrees closed by the start point, and what it covers.
    auto paper = MakePaper();
    CDrawObjEllipse circle = Arc(10, 10, 0, 360);
    EllipseOutline outline;
    circle.SampleOutline(outline);
    EXPECT_EQ(outline.count, 74);
    const RectF e = circle.GetExtents(*paper, nullptr);
    ExpectNear({e.minX, e.minY}, {-10, -10}, 1e-5);
    ExpectNear({e.maxX, e.maxY}, {10, 10}, 1e-5);
    EXPECT_NEAR(circle.GetDistance(*paper, {10, 0}, nullptr), 0.0, 1e-6);
}

TEST(DrawObjEllipse, RotationKeepsShape) {
    struct Case {
        float a, b, start, end, rotation;
        double turn;
        float a2, b2, start2, end2, rotation2;
    };
    const Case cases[] = {
        {10, 10, 0, 90, 0, kHalfPi, 10, 10, 90, 180, 0},   // circular arc: angles turn
        {20, 10, 0, 360, 0, kHalfPi, 20, 10, 0, 360, 90},  // ellipse: rotation turns
        {10, 10, 0, 360, 0, kPi, 10, 10, 0, 360, 0},       // whole circle: centre only
        {10, 10, 300, 30, 0, kHalfPi, 10, 10, 30, 120, 0},
    };
    for (const Case& c : cases) {
        CDrawObjEllipse e = Arc(c.a, c.b, c.start, c.end, c.rotation, {5, 5});
        e.Rotate(5, 5, c.turn);
        EXPECT_NEAR(e.GetAxisA(), c.a2, 1e-4);
        EXPECT_NEAR(e.GetAxisB(), c.b2, 1e-4);
        EXPECT_NEAR(e.GetStartAngle(), c.start2, 1e-3);
        EXPECT_NEAR(e.GetEndAngle(), c.end2, 1e-3);
        EXPECT_NEAR(e.GetAngle(), c.rotation2, 1e-3);
        EXPECT_NEAR(e.GetX1(), 5, 1e-5);
    }
}

// Every sample of the scaled element must be the image of a point of the original, and the arc's
// ends must be the images of the original ends.
TEST(DrawObjEllipse, ScaleIsTheAffineImage) {
    struct Case {
        CDrawObjEllipse e;
        float ox, oy;
        double fx, fy;
    };
    const Case cases[] = {
        {Arc(20, 10, 0, 360, 30, {5, -3}), 1, 2, 2.0, 0.5},
        {Arc(10, 10, 300, 60, 0, {0, 0}), 0, 0, 1.0, 3.0},
        {Arc(15, 5, 45, 135, 120, {2, 2}), 0, 0, 1.0, -1.0},  // mirror
        {Arc(15, 5, 45, 135, 120, {2, 2}), 3, 1, -2.0, -2.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fx * 10 + c.fy);
        CDrawObjEllipse scaled = c.e;
        scaled.Scale(c.ox, c.oy, c.fx, c.fy);
        // The scaled ellipse's implicit equation holds for mapped points of the original.
        const double r = DegToRad(scaled.GetAngle());
        auto onScaled = [&](PointF p) {
            const double dx = (p.x - c.ox) * c.fx + c.ox - scaled.GetX1();
            const double dy = (p.y - c.oy) * c.fy + c.oy - scaled.GetY1();
            const double u = (dx * std::cos(r) + dy * std::sin(r)) / scaled.GetAxisA();
            const double v = (-dx * std::sin(r) + dy * std::cos(r)) / scaled.GetAxisB();
            return u * u + v * v - 1.0;
        };
        EllipseOutline before;
        c.e.SampleOutline(before);
        for (int i = 0; i < before.count; ++i) {
            EXPECT_NEAR(onScaled(before.points[i]), 0.0, 1e-4) << i;
        }
        // Same arc: the mapped ends are the new ends (swapped by a mirror), and the mid point of
        // the original maps onto the new arc.
        EllipseOutline after;
        scaled.SampleOutline(after);
        auto map = [&](PointF p) {
            return PointF{float((p.x - c.ox) * c.fx + c.ox), float((p.y - c.oy) * c.fy + c.oy)};
        };
        EXPECT_EQ(scaled.IsWholeEllipse(), c.e.IsWholeEllipse());
        if (c.e.IsWholeEllipse()) {
            continue;  // a whole outline has no ends to follow
        }
        const bool mirrored = c.fx * c.fy < 0;
        ExpectNear(after.points[0], map(before.points[mirrored ? before.count - 1 : 0]), 2e-3);
        ExpectNear(after.points[after.count - 1],
                   map(before.points[mirrored ? 0 : before.count - 1]), 2e-3);
    }
}

TEST(DrawObjEllipse, StyledDashesFollowTheOutline) {
    auto paper = MakePaper(4);
    CDrawObjEllipse circle(100, 100, 10, 10, 0, 360, 0, 1, 500, 0xFF, 1);
    RecordingDrawContext dc;
    {
        test::ScopedSwitches switches;
        switches.StyledDrawing(true);
        circle.Draw(*paper, &dc, nullptr);
    }
    // 2*pi*10 units of outline in 16-step (4-unit) dashes: 15.7 patterns, 16 dash runs.
    ASSERT_EQ(dc.Calls().size(), 16u);
    for (const auto& call : dc.Calls()) {
        EXPECT_EQ(call.pen.width, 2);
        EXPECT_LE(call.points.size(), 12u);
        for (const DevicePoint& p : call.points) {
            const PointF w = paper->DeviceToWorld(p);
            EXPECT_NEAR(std::hypot(w.x - 100, w.y - 100), 10.0, 0.3);
        }
    }
}

}  // namespace
}  // namespace korvo
