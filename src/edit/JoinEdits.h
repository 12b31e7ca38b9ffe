#pragma once

#include "edit/EditResult.h"
#include "geometry/PlaneGeometry.h"

namespace korvo {

class CData;
class CDataCollection;

// What a join did to each of its two lines.
struct JoinResult {
    EditResult first;
    EditResult second;
};

// Makes a corner of two lines at the crossing of their extensions: each line is cut back to it
// (keeping the side of its own click) or lengthened to it (at the end in whose half its click
// lies). Parallel and collinear lines change nothing.
JoinResult JoinLines(CData& first, PointF click1, CData& second, PointF click2,
                     CDataCollection& drawing);

}  // namespace korvo
