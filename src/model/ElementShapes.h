#pragma once

#include "geometry/ElementIntersections.h"

namespace korvo {

class CDrawObj;

// The shapes the intersection routines work on, read from an element through its accessors:
// a line element's end points, an ellipse element's centre, axes, rotation and arc.
SegmentF SegmentOf(const CDrawObj& line);
EllipticArc ArcOf(const CDrawObj& ellipse);

}  // namespace korvo
