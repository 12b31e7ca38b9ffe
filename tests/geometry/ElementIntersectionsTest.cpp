#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "geometry/ElementIntersections.h"

namespace korvo {
namespace {

SegmentF Line(const float (&v)[4]) {
    return {{v[0], v[1]}, {v[2], v[3]}};
}

struct Ell {
    float cx, cy, a, b, rotation, start, end;  // degrees
    EllipticArc Make() const { return {cx, cy, a, b, rotation, start, end}; }
};

// The point at a polar angle (radians, own frame), from the polar equation of the ellipse.
PointD PolarPointOn(const Ell& e, double polar) {
    const double c = std::cos(polar), s = std::sin(polar);
    const double r = e.a * e.b / std::hypot(e.b * c, e.a * s);
    return RotatePoint(e.cx + r * c, e.cy + r * s, e.cx, e.cy, DegToRad(e.rotation));
}

double Gap(PointF p, PointD q) {
    return Distance(p.x, p.y, q.x, q.y);
}

// Distance to the true ellipse: a coarse sampling, refined about the nearest sample.
double DistanceToEllipse(const Ell& e, PointF p) {
    const auto at = [&](double step) { return Gap(p, PolarPointOn(e, step * kTwoPi / 720)); };
    int nearest = 0;
    for (int i = 1; i < 720; ++i) {
        nearest = at(i) < at(nearest) ? i : nearest;
    }
    double best = 1e300;
    for (int i = -1000; i <= 1000; ++i) {
        best = std::min(best, at(nearest + i / 1000.0));
    }
    return best;
}

TEST(ElementIntersections, ApproximateEllipseChainsChordsToTheExactEnd) {
    const std::pair<Ell, size_t> cases[] = {{{1, 2, 6, 3, 30, 0, 360}, 72},
                                            {{0, 0, 6, 3, 0, 0, 90}, 18},
                                            {{0, 0, 5, 5, 0, 0, 92}, 19},
                                            {{0, 0, 6, 3, 45, 300, 60}, 30},
                                            {{0, 0, 6, 3, 0, 40, 40}, 0}};
    for (const auto& [e, chords] : cases) {
        std::vector<SegmentF> out(1);  // chords are appended after what is there
        ApproximateEllipse(out, e.cx, e.cy, e.a, e.b, DegToRad(e.rotation), DegToRad(e.start),
                           DegToRad(e.end));
        ASSERT_EQ(out.size(), chords + 1) << e.start << ".." << e.end;
        for (size_t i = 2; i < out.size(); ++i) {
            EXPECT_EQ(out[i].from, out[i - 1].to);
        }
        if (chords > 0) {
            EXPECT_LT(Gap(out[1].from, PolarPointOn(e, DegToRad(e.start))), 1e-5);
            EXPECT_LT(Gap(out.back().to, PolarPointOn(e, DegToRad(e.end))), 1e-5);
        }
    }
}

TEST(ElementIntersections, ProjectPointOnLineUsesTheInfiniteLine) {
    struct Case {
        float line[4];
        PointD p, foot;
    };  // beyond the end; a line without direction keeps its one point
    const Case cases[] = {{{0, 0, 10, 0}, {3, 4}, {3, 0}},
                          {{0, 0, 2, 2}, {0, 2}, {1, 1}},
                          {{1, 1, 3, 3}, {6, 4}, {5, 5}},
                          {{2, 3, 2, 3}, {7, 7}, {2, 3}}};
    for (const Case& c : cases) {
        PointD p = c.p;
        ProjectPointOnLine(Line(c.line), p);
        EXPECT_NEAR(Distance(p.x, p.y, c.foot.x, c.foot.y), 0, 1e-12);
    }
}

// A circle of radius 5 about the origin, met by the y axis at (0, 5) first and (0, -5) second.
constexpr Ell kUpper{0, 0, 5, 5, 0, 0, 180};
constexpr Ell kLower{0, 0, 5, 5, 0, 180, 360};
constexpr Ell kCircle{0, 0, 5, 5, 0, 0, 360};

TEST(ElementIntersections, LineEllipseOnElementsKeepsTheValidPointFirst) {
    struct Case {
        Ell e;
        float y1, y2;
        bool skipSegment, skipArc;
        int result;
        float firstY, secondY;
    };
    const Case cases[] = {
        {kUpper, -10, 10, false, false, 1, 5, 5},   {kLower, -10, 10, false, false, 1, -5, -5},
        {kCircle, -10, 10, false, false, 1, 5, -5}, {kUpper, -10, 0, false, false, 0, 0, 0},
        {kUpper, -10, 0, false, true, 1, -5, -5},   {kUpper, -10, 0, true, false, 1, 5, 5},
        {kUpper, -10, 0, true, true, 1, 5, -5},     {kCircle, 6, 7, false, false, 0, 0, 0}};
    for (const Case& c : cases) {
        PointF first, second;
        ASSERT_EQ(LineEllipseOnElements(Line({0, c.y1, 0, c.y2}), c.e.Make(), first, second,
                                        c.skipSegment, c.skipArc),
                  c.result)
            << c.e.start << " " << c.y1 << ".." << c.y2 << " " << c.skipSegment << c.skipArc;
        if (c.result == 1) {
            EXPECT_EQ(first, (PointF{0, c.firstY}));
            EXPECT_EQ(second, (PointF{0, c.secondY}));
        }
    }
}

TEST(ElementIntersections, LineEllipseFlagsMarkSegmentAndArc) {
    struct Case {
        Ell e;
        float line[4];
        std::uint32_t flags;
    };  // rows 5 and 6 end or start on a crossing, row 7 runs across 0 degrees, then tangents
    const Case cases[] = {{kCircle, {0, -10, 0, 10}, 0x8F},
                          {kCircle, {0, 0, 0, 10}, 0x8B},
                          {kUpper, {0, -10, 0, 10}, 0x87},
                          {kLower, {0, -10, 0, 10}, 0x8D},
                          {{0, 0, 5, 5, 0, 0, 90}, {0, -10, 0, 10}, 0x87},
                          {{0, 0, 5, 5, 0, 53.130104f, 180}, {3, -10, 3, 10}, 0x87},
                          {{0, 0, 5, 5, 0, 270, 90}, {0, -10, 0, 10}, 0x8F},
                          {kUpper, {-10, 5, 10, 5}, 0x43},
                          {kLower, {1, 5, 10, 5}, 0x40},
                          {kCircle, {-10, 6, 10, 6}, 0}};
    for (const Case& c : cases) {
        PointF first, second{-1, -1};
        EXPECT_EQ(LineEllipseFlags(Line(c.line), c.e.Make(), first, second), c.flags)
            << c.e.start << ".." << c.e.end << " line y " << c.line[1];
        if (c.flags & kOneCrossing) {
            EXPECT_EQ(second, first);
        }
    }
    // Turned by 90 degrees the upper half of the ellipse lies left of its centre.
    PointF first, second;
    const Ell turned{0, 0, 4, 2, 90, 0, 180};
    const std::uint32_t flags =
        LineEllipseFlags(Line({-10, 1, 10, 1}), turned.Make(), first, second);
    EXPECT_EQ(flags, 0x85u | (first.x < 0 ? 0x2u : 0x8u));
    for (const PointF& p : {first, second}) {
        EXPECT_NEAR(p.y, 1, 1e-5);
        EXPECT_LT(DistanceToEllipse(turned, p), 1e-4);
    }
}

constexpr Ell kWide{0, 0, 6, 3, 0, 0, 360};
constexpr Ell kTall{0, 0, 6, 3, 90, 0, 360};
constexpr Ell kShifted{6, 0, 5, 5, 0, 0, 360};

// The points found are distinct and lie on both true ellipses within chord accuracy (a chord
// over 5 degrees of parameter departs by at most step^2/8 * max(a, b)); unused slots repeat.
void ExpectCrossings(const Ell& a, const Ell& b, const std::array<PointF, 4>& out, int distinct) {
    for (int i = 0; i < 4; ++i) {
        const auto previous = std::find(out.begin(), out.begin() + i, out[i]);
        EXPECT_EQ(previous - out.begin(), std::min(i, distinct - 1)) << a.rotation << b.rotation;
        for (const Ell& e : {a, b}) {
            EXPECT_LT(DistanceToEllipse(e, out[i]), 0.001 + std::max(e.a, e.b) * 0.00095);
        }
    }
}

TEST(ElementIntersections, IntersectEllipseElementsOnTheChords) {
    struct Case {
        Ell a, b;
        bool fullA, fullB;
        int distinct;
    };  // concentric; apart; at chord vertices of both; an arc closed on itself; partial arcs
    const Case cases[] = {{kCircle, {0, 0, 3, 3, 0, 0, 360}, false, false, 0},
                          {kCircle, {10, 0, 1, 1, 0, 0, 360}, false, false, 0},
                          {kCircle, kShifted, false, false, 2},
                          {kCircle, {5, 0, 5, 5, 0, 0, 360}, false, false, 2},
                          {kCircle, {5, 5, 5, 5, 0, 0, 360}, false, false, 2},
                          {{0, 0, 5, 5, 0, 40, 40}, kShifted, false, false, 2},
                          {kUpper, kShifted, false, false, 1},
                          {kUpper, kShifted, true, false, 2},
                          {kWide, kTall, false, false, 4},
                          {{0, 0, 6, 3, 0, 0, 180}, {0, 0, 6, 3, 90, 180, 0}, false, true, 2}};
    for (const Case& c : cases) {
        std::array<PointF, 4> out{};
        ASSERT_EQ(IntersectEllipseElements(c.a.Make(), c.b.Make(), out, c.fullA, c.fullB),
                  c.distinct > 0 ? 2 : 0);
        if (c.distinct > 0) {
            ExpectCrossings(c.a, c.b, out, c.distinct);
        }
    }
    // Two equal ellipses about one centre cross four times unless they coincide.
    for (float turn = 7; turn < 180; turn += 11) {
        const Ell turned{0, 0, 6, 3, turn, 0, 360};
        std::array<PointF, 4> out{};
        ASSERT_EQ(IntersectEllipseElements(kWide.Make(), turned.Make(), out, true, true), 2);
        ExpectCrossings(kWide, turned, out, 4);
    }
}

TEST(ElementIntersections, EllipseEllipseFlagsTestEachPointOnEachArc) {
    using OnArc = bool (*)(PointF);
    const OnArc all = [](PointF) { return true; };
    const OnArc none = [](PointF) { return false; };
    const OnArc above = [](PointF p) { return p.y > 0; };
    const OnArc left = [](PointF p) { return p.x < 0; };
    struct Case {
        Ell a, b;
        int count;
        OnArc onA, onB;
    };  // the first is 0x8FF: 0x55 for a, 0xAA for b
    const Case cases[] = {{kWide, kTall, 4, all, all},
                          {{0, 0, 6, 3, 0, 0, 180}, kTall, 4, above, all},
                          {kWide, {0, 0, 6, 3, 90, 0, 180}, 4, all, left},
                          {{0, 0, 5, 5, 0, 300, 60}, {6, 0, 5, 5, 0, 300, 60}, 2, all, none},
                          {kUpper, {6, 0, 5, 5, 0, 90, 270}, 2, above, all},
                          {kCircle, {0, 0, 3, 3, 0, 0, 360}, 0, all, all}};
    for (const Case& c : cases) {
        std::array<PointF, 4> out{};
        std::uint32_t expected = c.count > 0 ? 0x100u << (c.count - 1) : 0;
        const std::uint32_t flags = EllipseEllipseFlags(c.a.Make(), c.b.Make(), out);
        for (int i = 0; i < c.count; ++i) {
            expected |= (c.onA(out[i]) ? 1u : 0u) << (2 * i);
            expected |= (c.onB(out[i]) ? 2u : 0u) << (2 * i);
        }
        EXPECT_EQ(flags, expected) << std::hex << flags << " " << c.a.start << " " << c.b.start;
    }
    // A crossing a hair past either end of an arc still counts as on it.
    std::array<PointF, 4> out{};
    ASSERT_EQ(EllipseEllipseFlags(kCircle.Make(), kShifted.Make(), out), 0x20Fu);
    const int upper = out[0].y > 0 ? 0 : 1;
    const double phi = RadToDeg(DirectionAngle(0, 0, out[upper].x, out[upper].y));
    for (const double past : {-0.003, 0.003, 0.01}) {
        const Ell endsBefore{0, 0, 5, 5, 0, 0, static_cast<float>(phi - past)};
        const Ell startsAfter{0, 0, 5, 5, 0, static_cast<float>(phi + past), 180};
        for (const Ell& arc : {endsBefore, startsAfter}) {
            const std::uint32_t flags = EllipseEllipseFlags(arc.Make(), kShifted.Make(), out);
            EXPECT_EQ((flags >> (2 * upper)) & 1u, past < 0.005 ? 1u : 0u)
                << past << " start " << arc.start;
        }
    }
}

// Arcs from damaged clipboard data may carry any angle; the answers must come at once and stay
// what the angle means modulo whole turns.
TEST(ElementIntersections, HugeArcAnglesAreAnsweredAtOnce) {
    std::array<PointF, 4> out{};
    const std::uint32_t whole = EllipseEllipseFlags(kCircle.Make(), kShifted.Make(), out);
    for (const float huge : {1e15f, 4.7e18f, 3e38f}) {
        const Ell arc{0, 0, 5, 5, 0, huge, huge};
        // Equal ends: the whole ellipse for every test but the exact 0-360 one of the flags.
        const std::uint32_t flags = EllipseEllipseFlags(arc.Make(), kShifted.Make(), out);
        EXPECT_EQ(flags & 0xAAu, whole & 0xAAu) << huge;
        EXPECT_EQ(flags & 0xF00u, whole & 0xF00u) << huge;
        PointF first, second;
        EXPECT_EQ(LineEllipseFlags(Line({0, -10, 0, 10}), arc.Make(), first, second), 0x8Fu)
            << huge;
    }
}

}  // namespace
}  // namespace korvo
