#include "geometry/ElementIntersections.h"

#include <cmath>

namespace korvo {

namespace {

constexpr double kChordStep = 0.08726646259971647;  // 5 degrees
// Five-degree steps summed over a whole turn fall a few ulps short of 2*pi; without this slack a
// whole ellipse would end in a 73rd chord of no length.
constexpr double kChordSlack = 1e-9;
constexpr double kFullTurnDegrees = 360.0;
// How far (degrees) a chord crossing may lie outside an arc and still count as on it: the chords
// place the point only roughly, and a crossing at an arc's end must not be lost.
constexpr double kArcSlack = 0.005;
constexpr int kMaxEllipseCrossings = 4;

PointF ToFloat(PointD p) {
    return {static_cast<float>(p.x), static_cast<float>(p.y)};
}

// The ellipse parameter of a polar angle in the ellipse's own frame.
double ParameterOf(double polar, double a, double b) {
    return std::atan2(std::sin(polar) * std::fabs(a), std::cos(polar) * std::fabs(b));
}

struct EllipseShape {
    double cx;
    double cy;
    double a;
    double b;
    double cosR;
    double sinR;

    PointF At(double t) const {
        const double x = a * std::cos(t);
        const double y = b * std::sin(t);
        return ToFloat({cx + x * cosR - y * sinR, cy + x * sinR + y * cosR});
    }
};

bool IsFullArc(const EllipticArc& ellipse) {
    return AnglesEqual(ellipse.start, ellipse.end);
}

// A point's polar angle (degrees) in the ellipse's own frame, not yet normalised.
double RawArcAngle(const EllipticArc& ellipse, PointF p) {
    const double direction = DirectionAngle(ellipse.cx, ellipse.cy, p.x, p.y);
    return RadToDeg(direction - DegToRad(ellipse.rotation));
}

// AnglesEqual lifts only its first argument by a turn, so 0 and 359.9999 match one way round.
bool SameDirection(double a, double b) {
    return AnglesEqual(a, b) || AnglesEqual(b, a);
}

// The arc test of the line-ellipse flags: from the start counter-clockwise to the end, both ends
// included within the angle tolerance.
bool ArcAngleOnArc(const EllipticArc& ellipse, PointF p) {
    if (IsFullArc(ellipse)) {
        return true;
    }
    const double start = NormalizeAngle(ellipse.start, 0.0);
    const double end = NormalizeAngle(ellipse.end, start);
    const double phi = NormalizeAngle(RawArcAngle(ellipse, p), start);
    return end > phi || SameDirection(phi, end) || SameDirection(phi, start);
}

// The arc test of the ellipse-ellipse flags. Only the exact 0-360 arc counts as whole here; the
// slack keeps crossings found on the chords near an arc end.
bool ChordPointOnArc(const EllipticArc& ellipse, PointF p) {
    const double start = ellipse.start;
    double end = ellipse.end;
    if (start == 0.0 && end == kFullTurnDegrees) {
        return true;
    }
    if (end < start) {
        end += kFullTurnDegrees;
    }
    const double phi = NormalizeAngle(RawArcAngle(ellipse, p), start - kArcSlack);
    return phi < end + kArcSlack;
}

bool OnLineSegment(const SegmentF& line, PointF p) {
    const int code =
        ClassifyPointOnSegment(line.from.x, line.from.y, line.to.x, line.to.y, p.x, p.y);
    return code >= 1 && code <= 3;
}

bool OnEllipseArc(const EllipticArc& ellipse, PointF p) {
    const int code = ClassifyPointOnArc(p.x, p.y, ellipse.cx, ellipse.cy, ellipse.a, ellipse.b,
                                        ellipse.rotation, ellipse.start, ellipse.end);
    return code >= 1 && code <= 3;
}

std::vector<SegmentF> ChordsOf(const EllipticArc& ellipse, bool whole) {
    double start = DegToRad(ellipse.start);
    double end = DegToRad(ellipse.end);
    // An arc whose ends coincide is the whole ellipse, not an empty one.
    if (whole || IsFullArc(ellipse)) {
        start = 0.0;
        end = kTwoPi;
    }
    std::vector<SegmentF> chords;
    ApproximateEllipse(chords, ellipse.cx, ellipse.cy, ellipse.a, ellipse.b,
                       DegToRad(ellipse.rotation), start, end);
    return chords;
}

bool AlreadyFound(const std::array<PointF, 4>& out, int count, PointF p) {
    for (int i = 0; i < count; ++i) {
        if (PointsEqualF(out[i].x, out[i].y, p.x, p.y)) {
            return true;
        }
    }
    return false;
}

// Collects up to four distinct chord crossings and repeats the last one into the unused out
// points. Where the ellipses cross at a chord vertex, as equal circles one radius apart or a
// circle through another's quadrant point do, a strict test would reject the crossing on both
// chords that meet there; the tolerant one reports it on each of them, in coordinates that differ
// by rounding only, so it is kept once.
int CrossChords(const std::vector<SegmentF>& a, const std::vector<SegmentF>& b,
                std::array<PointF, 4>& out) {
    int count = 0;
    for (const SegmentF& sa : a) {
        for (const SegmentF& sb : b) {
            PointF p;
            const int code = IntersectSegments(sa.from.x, sa.from.y, sa.to.x, sa.to.y, sb.from.x,
                                               sb.from.y, sb.to.x, sb.to.y, p, 1);
            if (code != kSegmentsCross || AlreadyFound(out, count, p)) {
                continue;
            }
            out[count++] = p;
            if (count == kMaxEllipseCrossings) {
                return count;
            }
        }
    }
    for (int i = count; count > 0 && i < kMaxEllipseCrossings; ++i) {
        out[i] = out[count - 1];
    }
    return count;
}

}  // namespace

void ProjectPointOnLine(const SegmentF& line, PointD& p) {
    const double x1 = line.from.x;
    const double y1 = line.from.y;
    const double dx = line.to.x - x1;
    const double dy = line.to.y - y1;
    const double lengthSquared = dx * dx + dy * dy;
    // A line of no length has no direction; its one point is the nearest.
    const double t = lengthSquared > 0.0 ? ((p.x - x1) * dx + (p.y - y1) * dy) / lengthSquared : 0;
    p = {x1 + t * dx, y1 + t * dy};
}

void ApproximateEllipse(std::vector<SegmentF>& out, double cx, double cy, double a, double b,
                        double rotation, double start, double end) {
    const double t0 = ParameterOf(start, a, b);
    double t1 = ParameterOf(end, a, b);
    if (t1 < t0) {
        t1 += kTwoPi;
    }
    if (!(t0 < t1)) {
        return;
    }
    const EllipseShape shape{cx, cy, a, b, std::cos(rotation), std::sin(rotation)};
    PointF previous = shape.At(t0);
    // Stepping by repeated addition keeps every chord exactly 5 degrees of parameter long; only
    // the last one is shortened to end on the arc's end point.
    for (double t = t0; t < t1;) {
        t += kChordStep;
        if (t >= t1 - kChordSlack) {
            t = t1;
        }
        const PointF next = shape.At(t);
        out.push_back({previous, next});
        previous = next;
    }
}

int IntersectLineElements(const SegmentF& a, const SegmentF& b, PointF& out) {
    return IntersectSegments(a.from.x, a.from.y, a.to.x, a.to.y, b.from.x, b.from.y, b.to.x, b.to.y,
                             out, 0);
}

int LineEllipseElements(const SegmentF& line, const EllipticArc& ellipse, PointF& first,
                        PointF& second) {
    PointD p1;
    PointD p2;
    const int count =
        IntersectLineEllipse(line.from.x, line.from.y, line.to.x, line.to.y, ellipse.cx, ellipse.cy,
                             DegToRad(ellipse.rotation), ellipse.a, ellipse.b, p1, p2);
    if (count == 0) {
        return 0;
    }
    first = ToFloat(p1);
    second = count == 2 ? ToFloat(p2) : first;
    return count;
}

int LineEllipseOnElements(const SegmentF& line, const EllipticArc& ellipse, PointF& first,
                          PointF& second, bool skipSegmentTest, bool skipArcTest) {
    const int count = LineEllipseElements(line, ellipse, first, second);
    if (count == 0) {
        return 0;
    }
    const auto valid = [&](PointF p) {
        return (skipArcTest || OnEllipseArc(ellipse, p)) &&
               (skipSegmentTest || OnLineSegment(line, p));
    };
    const bool firstValid = valid(first);
    const bool secondValid = count == 2 ? valid(second) : firstValid;
    if (!firstValid && !secondValid) {
        return 0;
    }
    // Callers read the first point; the second only differs when both crossings qualify.
    if (!firstValid) {
        first = second;
    } else if (!secondValid) {
        second = first;
    }
    return 1;
}

std::uint32_t LineEllipseFlags(const SegmentF& line, const EllipticArc& ellipse, PointF& first,
                               PointF& second) {
    const int count = LineEllipseElements(line, ellipse, first, second);
    if (count == 0) {
        return 0;
    }
    std::uint32_t flags = count == 1 ? kOneCrossing : kTwoCrossings;
    if (OnLineSegment(line, first)) {
        flags |= kFirstOnSegment;
    }
    if (ArcAngleOnArc(ellipse, first)) {
        flags |= kFirstOnArc;
    }
    if (count == 2 && OnLineSegment(line, second)) {
        flags |= kSecondOnSegment;
    }
    if (count == 2 && ArcAngleOnArc(ellipse, second)) {
        flags |= kSecondOnArc;
    }
    return flags;
}

int IntersectEllipseElements(const EllipticArc& a, const EllipticArc& b, std::array<PointF, 4>& out,
                             bool fullA, bool fullB) {
    return CrossChords(ChordsOf(a, fullA), ChordsOf(b, fullB), out) > 0 ? 2 : 0;
}

std::uint32_t EllipseEllipseFlags(const EllipticArc& a, const EllipticArc& b,
                                  std::array<PointF, 4>& out) {
    const int count = CrossChords(ChordsOf(a, true), ChordsOf(b, true), out);
    if (count == 0) {
        return 0;
    }
    std::uint32_t flags = 0x100u << (count - 1);
    for (int i = 0; i < count; ++i) {
        if (ChordPointOnArc(a, out[i])) {
            flags |= 1u << (2 * i);
        }
        if (ChordPointOnArc(b, out[i])) {
            flags |= 2u << (2 * i);
        }
    }
    return flags;
}

}  // namespace korvo
