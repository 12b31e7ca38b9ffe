#pragma once

#include <array>

#include "edit/EditResult.h"
#include "geometry/PlaneGeometry.h"

namespace korvo {

class CData;

// A point a line or arc may be lengthened to; points that already lie on the element are not
// usable.
struct ExtendTarget {
    PointF point;
    bool usable = false;
};

// Lengthens the end of the line in whose half the click c lies to the nearest usable target
// beyond that end; nothing when there is none.
EditResult ExtendLine(CData& line, ExtendTarget first, ExtendTarget second, PointF c);

// Lengthens the end of the arc on whose side of its middle the click lies to the nearest usable
// target (up to four; unused ones are not usable).
EditResult ExtendArc(CData& ellipse, ExtendTarget first, ExtendTarget second, PointF c);
EditResult ExtendArc4(CData& ellipse, const std::array<ExtendTarget, 4>& targets, PointF c);

// Lengthens `extended` up to its crossing with `boundary` (a boundary line counts as endless, a
// boundary ellipse as whole). Crossings that already lie on the extended element change nothing.
PairEdit ExtendElement(CData& boundary, CData& extended, PointF c, EditResult& result);

}  // namespace korvo
