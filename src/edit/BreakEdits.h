#pragma once

#include "edit/EditResult.h"
#include "geometry/PlaneGeometry.h"

namespace korvo {

class CData;
class CDataCollection;

// The break point a click picks on a line: the click's foot on the line, with its
// ClassifyPointOnSegment code (1 start, 2 end, 3 inside). False when the foot lies off the line.
bool LineBreakPoint(const CData& line, PointF click, PointF& point, int& code);

// The arc angle (degrees, in [0, 360)) a click picks on an ellipse; false when it lies outside
// the arc. Every angle lies on a full ellipse.
bool ArcBreakAngle(const CData& ellipse, PointF click, double& angle);
// The point of the ellipse at that arc angle.
PointF ArcBreakPoint(const CData& ellipse, double angle);

// Removes the piece of the line between two break points. A break at an end shortens the line;
// both inside splits it, the far piece becoming a new node beside it. Both points at the ends
// would remove the whole line and are refused.
EditResult BreakLine(CData& line, CDataCollection& drawing, PointF b1, int code1, PointF b2,
                     int code2);

// Removes the arc between two break angles (degrees): an arc is shortened at an end or split in
// two, a full ellipse becomes one arc.
EditResult BreakArc(CData& ellipse, CDataCollection& drawing, double angle1, double angle2);

}  // namespace korvo
