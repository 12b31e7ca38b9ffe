#pragma once

// Tolerant comparisons, angles and the basic intersections that the elements and the editing
// tools share. Everything is a stateless free function on plain numbers. Angles of elements are
// stored in degrees; the trigonometry works in radians.

namespace korvo {

struct PointF {
    float x = 0.0f;
    float y = 0.0f;
    friend bool operator==(const PointF&, const PointF&) = default;
};

struct PointD {
    double x = 0.0;
    double y = 0.0;
};

inline constexpr double kPi = 3.141592653589793;
inline constexpr double kTwoPi = 6.283185307179586;
inline constexpr double kHalfPi = 1.5707963267948966;
inline constexpr double kThreeHalfPi = 4.71238898038469;

// 1000 float epsilons and one million double epsilons.
inline constexpr float kZeroF = 1.1920928955078125e-4f;
inline constexpr double kZeroD = 2.220446049250313e-10;

bool IsZeroF(float x);
bool IsZeroD(double x);
bool EqualF(float a, float b);
bool EqualD(double a, double b);
bool PointsEqualF(float x1, float y1, float x2, float y2);
// True when b > a.
bool IsGreater(double a, double b);
// Orders a <= b; reports whether it had to swap.
bool SortPair(double& a, double& b);

double DegToRad(double degrees);
double RadToDeg(double radians);

// Angle of the vector from point 1 to point 2 in [0, 2*pi); exact on the axes.
double DirectionAngle(double x1, double y1, double x2, double y2);
// The angle (degrees) shifted by whole turns into [lower, lower + 360).
double NormalizeAngle(double angle, double lower);
// Whether two angles (degrees) point the same way.
bool AnglesEqual(double a, double b);

double Distance(double x1, double y1, double x2, double y2);
float Distance(PointF a, PointF b);

PointD PolarPoint(double cx, double cy, double angle, double radius);
// Counter-clockwise about the centre, angle in radians.
PointD RotatePoint(double x, double y, double cx, double cy, double angle);
PointD ScalePoint(double x, double y, double cx, double cy, double fx, double fy);
// The same on a stored float point, in place: the arithmetic is double, the result float.
void RotatePointF(float& x, float& y, double cx, double cy, double angle);
void ScalePointF(float& x, float& y, double cx, double cy, double fx, double fy);

// Result codes of IntersectSegments.
enum SegmentIntersection {
    kSegmentsParallel = 0,
    kSegmentsCoincide = 1,
    kSegmentsCross = 2,
    kCrossOnFirstOnly = 3,
    kCrossOnSecondOnly = 4,
    kCrossOnNeither = 5,
};

// Intersection of the lines through two segments. `tolerant` widens the accepted parameter range
// slightly past both ends. Parallel and coincident lines set `out` to (0, 0).
int IntersectSegments(float x1, float y1, float x2, float y2, float x3, float y3, float x4,
                      float y4, PointF& out, int tolerant);

// Result codes of ClassifyPointOnSegment: 1 start, 2 end, 3 on the segment, 4 beside it,
// 5 on the extension, 6 elsewhere.
int ClassifyPointOnSegment(double x1, double y1, double x2, double y2, double px, double py);

// Intersections of the line through (x1, y1)-(x2, y2) with the ellipse (centre, rotation in
// radians, semi-axes a and b); returns 0, 1 or 2 and writes that many points.
int IntersectLineEllipse(double x1, double y1, double x2, double y2, double cx, double cy,
                         double rotation, double a, double b, PointD& first, PointD& second);

// Where a point lies against an elliptic arc (rotation, start and end in degrees): 0 off the
// ellipse, 1 at the start, 2 at the end, 3 inside the arc (every point of a whole ellipse),
// 4 on the ellipse outside the arc.
int ClassifyPointOnArc(double px, double py, double cx, double cy, double a, double b,
                       double rotation, double start, double end);

}  // namespace korvo
