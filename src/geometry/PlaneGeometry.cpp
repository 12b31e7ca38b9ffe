#include "geometry/PlaneGeometry.h"

#include <cmath>
#include <utility>

namespace korvo {

namespace {

constexpr double kFullTurn = 360.0;
// The line-ellipse discriminant is not normalised, so this band is what counts as "touching".
constexpr double kTangentBand = 1e-5;
constexpr double kVanishingNorm = 1e-8;
// How far past either end a tolerant segment intersection may lie, as a line parameter.
constexpr double kSegmentSlack = 1e-6;
// An angle at most this many turns below its bound is lifted a turn at a time.
constexpr double kMaxSteppedTurns = 16.0;

// The angle lifted by whole turns to just below `bound`, or to the bound itself where the
// doubles are too coarse for a turn to show.
double LiftFarBelow(double angle, double bound) {
    const double lifted = bound - std::fmod(bound - angle, kFullTurn);
    return lifted + kFullTurn == lifted ? bound : lifted;
}

// Into the frame of an ellipse: centre at the origin, axes along x and y.
PointD ToLocalFrame(double x, double y, double cx, double cy, double cosR, double sinR) {
    const double tx = x - cx;
    const double ty = y - cy;
    return {tx * cosR + ty * sinR, ty * cosR - tx * sinR};
}

PointD FromLocalFrame(PointD local, double cx, double cy, double cosR, double sinR) {
    return {local.x * cosR - local.y * sinR + cx, local.x * sinR + local.y * cosR + cy};
}

bool InsideOpenRange(double value, double low, double high) {
    return low < value && value < high;
}

bool StrictlyBetween(double value, double a, double b) {
    SortPair(a, b);
    return InsideOpenRange(value, a, b);
}

bool DirectionsEqual(double a, double b) {
    return EqualF(static_cast<float>(a), static_cast<float>(b));
}

}  // namespace

bool IsZeroF(float x) {
    return std::fabs(x) < kZeroF;
}

bool IsZeroD(double x) {
    return std::fabs(x) < kZeroD;
}

bool EqualF(float a, float b) {
    return IsZeroF(b - a);
}

bool EqualD(double a, double b) {
    return IsZeroD(b - a);
}

bool PointsEqualF(float x1, float y1, float x2, float y2) {
    return EqualF(x1, x2) && EqualF(y1, y2);
}

bool IsGreater(double a, double b) {
    return b > a;
}

bool SortPair(double& a, double& b) {
    if (a > b) {
        std::swap(a, b);
        return true;
    }
    return false;
}

double DegToRad(double degrees) {
    return degrees * kPi * 0.005555555555555556;
}

double RadToDeg(double radians) {
    return radians * 180.0 * 0.3183098861837907;
}

double DirectionAngle(double x1, double y1, double x2, double y2) {
    const double dy = y2 - y1;
    const double dx = x2 - x1;
    // The axis directions are answered exactly so that a point a hair below the x axis reads as
    // 0 and not as almost a full turn.
    if (IsZeroD(dy) && dx > 0.0) {
        return 0.0;
    }
    if (dy > 0.0 && IsZeroD(dx)) {
        return kHalfPi;
    }
    if (IsZeroD(dy) && dx < 0.0) {
        return kPi;
    }
    if (dy < 0.0 && IsZeroD(dx)) {
        return kThreeHalfPi;
    }
    const double angle = std::atan2(dy, dx);
    return angle < 0.0 ? angle + kTwoPi : angle;
}

double NormalizeAngle(double angle, double lower) {
    // The bound is compared at single precision: an angle equal to the bound in double may lie
    // just below its float and so gain a turn.
    const double bound = static_cast<float>(lower);
    if (!std::isfinite(angle) || !std::isfinite(bound)) {
        return angle;  // whole turns cannot be taken off an infinity
    }
    // Whole turns come off a positive angle exactly, one at a time or all at once with fmod.
    if (angle >= kFullTurn) {
        angle = std::fmod(angle, kFullTurn);
    }
    // The same for turns added to a negative angle on the way up to (-360, 0]: every value passed
    // lies below such a bound.
    if (angle < -kFullTurn && bound > -kFullTurn) {
        angle = std::fmod(angle, kFullTurn);
    }
    // Angles a few turns below their bound are lifted a turn at a time, which keeps the rounding
    // of every result the drawings have always had. An angle far below (an arc whose start angle
    // is 1e15, loaded from a damaged clipboard) is lifted in one step: turn by turn would take
    // hours, and beyond 2^62 adding 360 no longer changes the value at all.
    if (bound - angle > kMaxSteppedTurns * kFullTurn) {
        angle = LiftFarBelow(angle, bound);
    }
    while (angle < bound) {
        angle += kFullTurn;
    }
    return IsZeroF(static_cast<float>(angle)) ? 0.0 : angle;
}

bool AnglesEqual(double a, double b) {
    const double na = NormalizeAngle(a, 0.0);
    const double nb = NormalizeAngle(b, 0.0);
    return EqualF(static_cast<float>(na), static_cast<float>(nb)) ||
           EqualF(static_cast<float>(na + kFullTurn), static_cast<float>(nb));
}

double Distance(double x1, double y1, double x2, double y2) {
    const double dx = x2 - x1;
    const double dy = y2 - y1;
    return std::sqrt(dx * dx + dy * dy);
}

float Distance(PointF a, PointF b) {
    return static_cast<float>(Distance(a.x, a.y, b.x, b.y));
}

PointD PolarPoint(double cx, double cy, double angle, double radius) {
    return {cx + radius * std::cos(angle), cy + radius * std::sin(angle)};
}

PointD RotatePoint(double x, double y, double cx, double cy, double angle) {
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    const double tx = x - cx;
    const double ty = y - cy;
    return {cx + tx * c - ty * s, cy + tx * s + ty * c};
}

PointD ScalePoint(double x, double y, double cx, double cy, double fx, double fy) {
    return {cx + (x - cx) * fx, cy + (y - cy) * fy};
}

int IntersectSegments(float x1, float y1, float x2, float y2, float x3, float y3, float x4,
                      float y4, PointF& out, int tolerant) {
    // The first segment's differences and the offset between the starts are rounded to float,
    // the precision the points are stored in; products and quotients are double.
    const double dx1 = static_cast<float>(x2 - x1);
    const double dy1 = static_cast<float>(y2 - y1);
    const double ex = static_cast<float>(x1 - x3);
    const double ey = static_cast<float>(y1 - y3);
    const double dx2 = static_cast<double>(x4) - x3;
    const double dy2 = static_cast<double>(y4) - y3;

    const double den = dx1 * dy2 - dy1 * dx2;
    const double numA = dx2 * ey - dy2 * ex;
    if (IsZeroD(den)) {
        out = PointF{};
        return IsZeroD(numA) ? kSegmentsCoincide : kSegmentsParallel;
    }
    const double ua = numA / den;
    out = PointF{static_cast<float>(x1 + dx1 * ua), static_cast<float>(y1 + dy1 * ua)};
    const double ub = (dx1 * ey - dy1 * ex) / den;

    const double low = tolerant != 0 ? -kSegmentSlack : 0.0;
    const double high = tolerant != 0 ? 1.0 + kSegmentSlack : 1.0;
    const bool onFirst = InsideOpenRange(ua, low, high);
    const bool onSecond = InsideOpenRange(ub, low, high);
    if (onFirst && onSecond) {
        return kSegmentsCross;
    }
    if (onFirst) {
        return kCrossOnFirstOnly;
    }
    return onSecond ? kCrossOnSecondOnly : kCrossOnNeither;
}

int ClassifyPointOnSegment(double x1, double y1, double x2, double y2, double px, double py) {
    if (EqualD(px, x1) && EqualD(py, y1)) {
        return 1;
    }
    if (EqualD(px, x2) && EqualD(py, y2)) {
        return 2;
    }
    const double alongSegment = DirectionAngle(x1, y1, x2, y2);
    const double towardPoint = DirectionAngle(x1, y1, px, py);
    if (StrictlyBetween(px, x1, x2) || StrictlyBetween(py, y1, y2)) {
        return DirectionsEqual(towardPoint, alongSegment) ? 3 : 4;
    }
    // Beyond either end: the point is on the line when it is seen from the start in the
    // segment's direction or in the opposite one.
    const double fromPoint = DirectionAngle(px, py, x1, y1);
    if (DirectionsEqual(alongSegment, towardPoint) || DirectionsEqual(alongSegment, fromPoint)) {
        return 5;
    }
    return 6;
}

int IntersectLineEllipse(double x1, double y1, double x2, double y2, double cx, double cy,
                         double rotation, double a, double b, PointD& first, PointD& second) {
    const double cosR = std::cos(rotation);
    const double sinR = std::sin(rotation);
    const PointD p1 = ToLocalFrame(x1, y1, cx, cy, cosR, sinR);
    const PointD p2 = ToLocalFrame(x2, y2, cx, cy, cosR, sinR);

    const double lineA = p2.y - p1.y;
    const double lineB = p1.x - p2.x;
    const double lineC = p1.y * p2.x - p1.x * p2.y;
    const bool vertical = IsZeroD(lineB);

    double disc = 0.0;
    double norm = 0.0;
    double shift = 0.0;
    if (vertical) {
        // A zero-length line or a flat ellipse would divide by zero below; neither meets the
        // ellipse in a usable point.
        if (IsZeroD(lineA * a)) {
            return 0;
        }
        disc = (lineA * a - lineC) * (lineA * a + lineC);
    } else {
        norm = lineB * lineB * b * b + lineA * lineA * a * a;
        if (norm < kVanishingNorm) {
            return 0;
        }
        shift = a * a * lineC * lineA;
        disc = norm - lineC * lineC;
    }

    if (disc < -kTangentBand) {
        return 0;
    }
    const int count = disc >= kTangentBand ? 2 : 1;
    double root = count == 2 ? std::sqrt(disc) : 0.0;

    PointD local1;
    PointD local2;
    if (vertical) {
        const double k = b / (lineA * a);
        local1 = {p1.x, k * root};
        local2 = {p1.x, -k * root};
    } else {
        root *= lineB * a * b;
        local1.x = (root - shift) / norm;
        local2.x = (-shift - root) / norm;
        local1.y = (-lineC - local1.x * lineA) / lineB;
        local2.y = (-lineC - local2.x * lineA) / lineB;
    }

    first = FromLocalFrame(local1, cx, cy, cosR, sinR);
    if (count == 2) {
        second = FromLocalFrame(local2, cx, cy, cosR, sinR);
    }
    return count;
}

int ClassifyPointOnArc(double px, double py, double cx, double cy, double a, double b,
                       double rotation, double start, double end) {
    const double angle = DegToRad(rotation);
    const PointD p = ToLocalFrame(px, py, cx, cy, std::cos(angle), std::sin(angle));
    const double u = p.x / a;
    const double v = p.y / b;
    if (!IsZeroF(static_cast<float>(u * u + v * v - 1.0))) {
        return 0;
    }

    const double s = NormalizeAngle(start, 0.0);
    const double e = NormalizeAngle(end, s);
    if (AnglesEqual(s, e)) {
        return 3;
    }
    const double phi = NormalizeAngle(RadToDeg(DirectionAngle(0.0, 0.0, p.x, p.y)), s);
    // The ends are checked first: a point at the start counts as the start even where the
    // angle comparison below would also call it inside.
    if (AnglesEqual(phi, s)) {
        return 1;
    }
    if (AnglesEqual(phi, e)) {
        return 2;
    }
    return (phi > s && e > phi) ? 3 : 4;
}

void RotatePointF(float& x, float& y, double cx, double cy, double angle) {
    const PointD p = RotatePoint(x, y, cx, cy, angle);
    x = static_cast<float>(p.x);
    y = static_cast<float>(p.y);
}

void ScalePointF(float& x, float& y, double cx, double cy, double fx, double fy) {
    const PointD p = ScalePoint(x, y, cx, cy, fx, fy);
    x = static_cast<float>(p.x);
    y = static_cast<float>(p.y);
}

}  // namespace korvo
