#include "edit/JoinEdits.h"

#include "edit/ExtendEdits.h"
#include "edit/TrimEdits.h"
#include "geometry/ElementIntersections.h"
#include "model/Data.h"
#include "model/ElementShapes.h"

namespace korvo {

namespace {

EditResult MeetAt(CData& line, PointF p, PointF click, bool crossesLine, CDataCollection& drawing) {
    if (crossesLine) {
        return TrimLine(line, drawing, p, p, click, TrimKeep::KeepClicked);
    }
    return ExtendLine(line, {p, true}, {p, false}, click);
}

}  // namespace

JoinResult JoinLines(CData& first, PointF click1, CData& second, PointF click2,
                     CDataCollection& drawing) {
    PointF p;
    const int code =
        IntersectLineElements(SegmentOf(*first.GetElement()), SegmentOf(*second.GetElement()), p);
    if (code == kSegmentsParallel || code == kSegmentsCoincide) {
        return {};
    }
    const bool onFirst = code == kSegmentsCross || code == kCrossOnFirstOnly;
    const bool onSecond = code == kSegmentsCross || code == kCrossOnSecondOnly;
    JoinResult result;
    result.first = MeetAt(first, p, click1, onFirst, drawing);
    result.second = MeetAt(second, p, click2, onSecond, drawing);
    return result;
}

}  // namespace korvo
