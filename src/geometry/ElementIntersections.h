#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "geometry/PlaneGeometry.h"

// Intersections between the shapes of drawing elements: a line element is a segment, an ellipse
// element (including its arcs) an elliptic arc. The model turns its elements into these values
// (model/ElementShapes.h); here they are plain numbers handed to the routines of PlaneGeometry.
// Arc angles are degrees, as the elements keep them; the ellipse approximation works in radians.

namespace korvo {

struct SegmentF {
    PointF from;
    PointF to;
};

// An ellipse or an arc of it: centre, semi-axes along its own x and y axes, rotation, and the
// arc counter-clockwise from start to end, all in degrees as an ellipse element holds them. Start
// and end are polar angles in the ellipse's own frame; equal directions mean the whole ellipse.
struct EllipticArc {
    float cx = 0.0f;
    float cy = 0.0f;
    float a = 0.0f;
    float b = 0.0f;
    float rotation = 0.0f;
    float start = 0.0f;
    float end = 0.0f;
};

// Replaces p by its perpendicular foot on the infinite line through the segment.
void ProjectPointOnLine(const SegmentF& line, PointD& p);

// Appends the 5-degree chords of the arc (centre, semi-axes, rotation, start, end — angles in
// radians) to `out`. Start and end are polar angles in the ellipse's own frame; the chords follow
// the ellipse parameter counter-clockwise, so the last one ends exactly on the arc's end point.
void ApproximateEllipse(std::vector<SegmentF>& out, double cx, double cy, double a, double b,
                        double rotation, double start, double end);

// IntersectSegments on the two segments (a first), crossings at an end point not counted.
int IntersectLineElements(const SegmentF& a, const SegmentF& b, PointF& out);

// Crossings of the infinite line through the segment with the whole ellipse: 0, 1 or 2.
// With one crossing `second` is a copy of `first`.
int LineEllipseElements(const SegmentF& line, const EllipticArc& ellipse, PointF& first,
                        PointF& second);

// 1 when a crossing lies on the segment and on the arc (either test can be skipped), else 0.
// When only one crossing qualifies both out points hold it.
int LineEllipseOnElements(const SegmentF& line, const EllipticArc& ellipse, PointF& first,
                          PointF& second, bool skipSegmentTest, bool skipArcTest);

// Flag bits of LineEllipseFlags and EllipseEllipseFlags.
inline constexpr std::uint32_t kFirstOnSegment = 0x01;
inline constexpr std::uint32_t kFirstOnArc = 0x02;
inline constexpr std::uint32_t kSecondOnSegment = 0x04;
inline constexpr std::uint32_t kSecondOnArc = 0x08;
inline constexpr std::uint32_t kOneCrossing = 0x40;
inline constexpr std::uint32_t kTwoCrossings = 0x80;

// Where the line-ellipse crossings lie: segment and arc bits for each point plus kOneCrossing or
// kTwoCrossings; 0 when the line misses the ellipse.
std::uint32_t LineEllipseFlags(const SegmentF& line, const EllipticArc& ellipse, PointF& first,
                               PointF& second);

// Up to four distinct crossings of the two ellipses, found on their 5-degree chords; each ellipse
// is taken whole when its flag is set, else over its arc. Unused out points repeat the last one.
// Returns 2 when there is a crossing, else 0.
int IntersectEllipseElements(const EllipticArc& a, const EllipticArc& b, std::array<PointF, 4>& out,
                             bool fullA, bool fullB);

// The crossings of the two whole ellipses with, for point i (0-based), bit 1 << 2i when it lies
// on the arc of a and bit 2 << 2i when on the arc of b, plus 0x100 << (count - 1); 0 when the
// ellipses do not cross.
std::uint32_t EllipseEllipseFlags(const EllipticArc& a, const EllipticArc& b,
                                  std::array<PointF, 4>& out);

}  // namespace korvo
