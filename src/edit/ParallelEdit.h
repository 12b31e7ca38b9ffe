#pragma once

#include <memory>
#include <optional>

#include "geometry/PlaneGeometry.h"

namespace korvo {

class CData;
class CDrawObj;

// Parallels of strokes. A line is shifted perpendicular to itself; an ellipse (or arc) is scaled
// about its centre, keeping its shape, until it passes through the chosen point. Circles and
// polygons have no parallel here.

// Whether the element is a line or an ellipse, the only elements a parallel is made of.
bool HasParallel(const CDrawObj* element);

// The node's line or ellipse copied through `p`, with its style, width, colour, level and factor,
// in a new node of the same type; null when `p` lies on the line, when the copy would have no
// size, or when the node holds neither.
std::unique_ptr<CData> CreateParallel(const CData& node, PointF p);

// How far `p` lies from the element: perpendicular to a line, along the ray from the centre of
// an ellipse. Never negative; 0 for elements without a parallel.
double ParallelDistance(const CDrawObj& element, PointF p);

// The point at `distance` from the element on the side where `p` lies (a negative distance goes
// to the other side); on the line itself, to its left. Nothing when an ellipse would shrink to
// its centre or beyond, or for elements without a parallel.
std::optional<PointF> ParallelPointAt(const CDrawObj& element, PointF p, double distance);

}  // namespace korvo
