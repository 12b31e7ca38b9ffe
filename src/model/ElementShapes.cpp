#include "model/ElementShapes.h"

#include "model/DrawObj.h"

namespace korvo {

SegmentF SegmentOf(const CDrawObj& line) {
    return {{line.GetX1(), line.GetY1()}, {line.GetX2(), line.GetY2()}};
}

EllipticArc ArcOf(const CDrawObj& ellipse) {
    return {ellipse.GetX1(),    ellipse.GetY1(),         ellipse.GetAxisA(),   ellipse.GetAxisB(),
            ellipse.GetAngle(), ellipse.GetStartAngle(), ellipse.GetEndAngle()};
}

}  // namespace korvo
