#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "geometry/PlaneGeometry.h"

namespace korvo {
namespace {

TEST(PlaneGeometry, DirectionAngleIsExactOnTheAxes) {
    struct Case {
        double dx, dy, expected;
    };
    const Case cases[] = {
        {1, 0, 0},      {0, 1, kHalfPi},      {-1, 0, kPi}, {0, -1, kThreeHalfPi},
        {1, -1e-12, 0}, {1, -1, 7 * kPi / 4}, {0, 0, 0},    {-1, 1, 3 * kPi / 4},
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(DirectionAngle(2, 3, 2 + c.dx, 3 + c.dy), c.expected)
            << c.dx << "," << c.dy;
    }
}

TEST(PlaneGeometry, NormalizeAngleShiftsByWholeTurns) {
    struct Case {
        double angle, lower, expected;
    };
    // 0.1 as a float lies just above 0.1, so the eighth angle gains a turn. Bounds far above the
    // angle are reached at once: 1e15 as a float is 999999986991104, and at 1e19 a turn is below
    // the resolution of a double, so the bound itself is the answer.
    const Case cases[] = {
        {725, 0, 5},
        {-30, 0, 330},
        {10, 90, 370},
        {3600000.5, 0, 0.5},
        {-3600030, 0, 330},
        {0.1, 0.1, 360.1},
        {-30, 1e15, 999999986991450.0},
        {10, 1e19, 9.999999980506448e+18},
        {-1e12, -1e10, -1e10},
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(NormalizeAngle(c.angle, c.lower), c.expected) << c.angle << " " << c.lower;
    }
    EXPECT_TRUE(std::isinf(NormalizeAngle(std::numeric_limits<double>::infinity(), 0)));
}

TEST(PlaneGeometry, AnglesEqualAcrossTheZeroDirection) {
    struct Case {
        double a, b;
        bool equal;
    };
    const Case cases[] = {
        {0, 359.9999, true}, {-90, 270, true},     {720.00005, 0, true},
        {10, 10.001, false}, {359.9999, 0, false},  // only the first angle is lifted by a turn
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AnglesEqual(c.a, c.b), c.equal) << c.a << " " << c.b;
    }
}

TEST(PlaneGeometry, IntersectSegments) {
    struct Case {
        const char* what;
        float s[8];
        int strict, tolerant;
        PointF point;
    };
    const Case cases[] = {
        {"proper crossing", {0, 0, 10, 10, 0, 10, 10, 0}, 2, 2, {5, 5}},
        {"at the start of the second", {0, 0, 10, 0, 5, 0, 5, 5}, 3, 2, {5, 0}},
        {"at the end of the first", {0, 0, 5, 0, 5, -5, 5, 5}, 4, 2, {5, 0}},
        {"at a shared end point", {0, 0, 5, 0, 5, 0, 5, 5}, 5, 2, {5, 0}},
        {"beyond the slack", {0, 0, 1, 0, 1.00001f, -1, 1.00001f, 1}, 4, 4, {1.00001f, 0}},
        {"inside the slack", {0, 0, 10, 0, 5, 5e-6f, 5, 10}, 3, 2, {5, 0}},
        {"short of the slack", {0, 0, 10, 0, 5, 5e-5f, 5, 10}, 3, 3, {5, 0}},
        {"on neither", {0, 0, 1, 0, 5, 1, 5, 2}, 5, 5, {5, 0}},
        {"parallel", {0, 0, 10, 0, 0, 1, 10, 1}, 0, 0, {0, 0}},
        {"collinear", {0, 0, 10, 0, 5, 0, 15, 0}, 1, 1, {0, 0}},
    };
    for (const Case& c : cases) {
        const float* s = c.s;
        for (int tolerant : {0, 1}) {
            PointF out{7, 7};
            EXPECT_EQ(
                IntersectSegments(s[0], s[1], s[2], s[3], s[4], s[5], s[6], s[7], out, tolerant),
                tolerant != 0 ? c.tolerant : c.strict)
                << c.what << " tolerant " << tolerant;
            EXPECT_FLOAT_EQ(out.x, c.point.x) << c.what;
            EXPECT_FLOAT_EQ(out.y, c.point.y) << c.what;
        }
    }
}

TEST(PlaneGeometry, ClassifyPointOnSegment) {
    struct Case {
        double seg[4], px, py;
        int expected;
    };
    const Case cases[] = {
        {{0, 0, 10, 0}, 0, 0, 1},  {{0, 0, 10, 0}, 10, 0, 2}, {{0, 0, 10, 0}, 5, 0, 3},
        {{0, 0, 10, 0}, 5, 1, 4},  {{0, 0, 10, 0}, -5, 0, 5}, {{0, 0, 10, 0}, 15, 3, 6},
        {{0, 0, 0, 10}, 0, -3, 5}, {{0, 0, 4, 2}, 2, 1, 3},   {{0, 0, 4, 2}, 6, 3, 5},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ClassifyPointOnSegment(c.seg[0], c.seg[1], c.seg[2], c.seg[3], c.px, c.py),
                  c.expected)
            << c.seg[2] << "," << c.seg[3] << " point " << c.px << "," << c.py;
    }
}

TEST(PlaneGeometry, IntersectLineEllipseCountsAndOrder) {
    // Horizontal lines at height y across the ellipse a = 2, b = 1 at the origin; the band on
    // the discriminant counts a near miss and a near touch as one point.
    const struct {
        double y;
        int count;
    } cases[] = {{0, 2}, {1, 1}, {1 - 1e-8, 1}, {1 + 1e-8, 1}, {1 + 1e-6, 0}};
    PointD first;
    PointD second;
    for (const auto& c : cases) {
        ASSERT_EQ(IntersectLineEllipse(-5, c.y, 5, c.y, 0, 0, 0, 2, 1, first, second), c.count)
            << c.y;
        if (c.count == 1) {
            EXPECT_NEAR(first.x, 0, 1e-6);
            EXPECT_NEAR(first.y, 1, 1e-6);
        }
    }
    ASSERT_EQ(IntersectLineEllipse(0, -5, 0, 5, 0, 0, 0, 2, 1, first, second), 2);
    EXPECT_TRUE(first.x == 0 && first.y == 1 && second.x == 0 && second.y == -1);
    // A zero-length line and a vanished ellipse meet nothing.
    EXPECT_EQ(IntersectLineEllipse(1, 1, 1, 1, 0, 0, 0, 2, 1, first, second), 0);
    EXPECT_EQ(IntersectLineEllipse(-5, 0, 5, 0, 0, 0, 0, 0, 0, first, second), 0);
}

// The points found must lie on the ellipse and on the line, whatever the rotation.
TEST(PlaneGeometry, IntersectLineEllipsePointsLieOnBoth) {
    struct Case {
        double line[4], cx, cy, rotation, a, b;
    };
    const Case cases[] = {
        {{-10, 1, 10, 2}, 0, 0, 0.3, 4, 2},       {{3, -8, 3.5, 9}, 3, 1, 1.2, 3, 1},
        {{0, 0, 7, 7}, 2, 2, -2.5, 5, 0.5},       {{-4, 3, -4, 3.5}, -3, 3, 0, 3, 2},
        {{100, 50, 101, 50}, 100, 49, 4.0, 1, 3},
    };
    for (const Case& c : cases) {
        PointD found[2];
        ASSERT_EQ(IntersectLineEllipse(c.line[0], c.line[1], c.line[2], c.line[3], c.cx, c.cy,
                                       c.rotation, c.a, c.b, found[0], found[1]),
                  2);
        for (const PointD& p : found) {
            const double tx = p.x - c.cx;
            const double ty = p.y - c.cy;
            const double u = (tx * std::cos(c.rotation) + ty * std::sin(c.rotation)) / c.a;
            const double v = (ty * std::cos(c.rotation) - tx * std::sin(c.rotation)) / c.b;
            EXPECT_NEAR(u * u + v * v, 1, 1e-9) << c.cx << "," << c.cy;
            EXPECT_NEAR((c.line[2] - c.line[0]) * (p.y - c.line[1]) -
                            (c.line[3] - c.line[1]) * (p.x - c.line[0]),
                        0, 1e-9);
        }
        EXPECT_GT(std::hypot(found[0].x - found[1].x, found[0].y - found[1].y), 1e-3);
    }
}

TEST(PlaneGeometry, ClassifyPointOnArc) {
    // Ellipse a = 2, b = 1 turned by 90 degrees about (5, 5); points are given in its own frame,
    // d is where the polar angle 45 degrees meets it.
    const double d = 1 / std::sqrt(1.25);
    struct Case {
        double x, y, start, end;
        int expected;
    };
    const Case cases[] = {
        {2, 0.5, 0, 90, 0}, {2, 0, 0, 90, 1},   {0, 1, 0, 90, 2},
        {d, d, 0, 90, 3},   {-2, 0, 0, 90, 4},  {-2, 0, 0, 360, 3},
        {0, 1, 10, 10, 3},  {2, 0, 300, 60, 3}, {d, d, 300, 45, 2},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ClassifyPointOnArc(5 - c.y, 5 + c.x, 5, 5, 2, 1, 90, c.start, c.end), c.expected)
            << c.x << "," << c.y << " on " << c.start << ".." << c.end;
    }
}

}  // namespace
}  // namespace korvo
