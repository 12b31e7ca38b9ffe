#pragma once

#include "geometry/PlaneGeometry.h"

namespace korvo {

class CData;
class CDataCollection;
class CDrawObj;

// The two kinds of element that trim, extend, break and join work on. A full circle is neither.
bool IsLineElement(const CDrawObj* element);
bool IsEllipseElement(const CDrawObj* element);

// The polar angle (degrees) of a point seen from the ellipse's centre in the ellipse's own frame,
// shifted into [lower, lower + 360): the one way every edit compares a point with an arc.
double ArcAngleOf(const CDrawObj& ellipse, PointF p, double lower);

// A line node's end points, and both written at once; true when either moved.
PointF LineStart(const CData& line);
PointF LineEnd(const CData& line);
bool SetLineEnds(CData& line, PointF start, PointF end);

// An arc's limits as the edits compare them: the start in [0, 360), the end in
// [start, start + 360), and whether the two meet (a full ellipse).
struct ArcSpan {
    double start = 0.0;
    double end = 0.0;
    bool full = false;
};
ArcSpan SpanOf(const CData& ellipse);
// Write the limits as they are (they may lie beyond 360); true when a value changed.
bool SetArcStart(CData& ellipse, double start);
bool SetArcEnd(CData& ellipse, double end);
bool SetArcEnds(CData& ellipse, double start, double end);

// A copy of the node (element, attributes and node data) put beside it: into the same group, or
// into `drawing` when the node belongs to none. The caller then gives the copy its own geometry.
CData* AddSplitPiece(CData& node, CDataCollection& drawing);

}  // namespace korvo
