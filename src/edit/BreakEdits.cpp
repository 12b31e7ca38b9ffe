#include "edit/BreakEdits.h"

#include "edit/EditSupport.h"
#include "geometry/ElementIntersections.h"
#include "model/Data.h"
#include "model/DrawObjEllipse.h"
#include "model/ElementShapes.h"

namespace korvo {

namespace {

constexpr int kAtStart = 1;
constexpr int kAtEnd = 2;

bool Inside(int code) {
    return code == 3 || code == 4;
}

}  // namespace

bool LineBreakPoint(const CData& line, PointF click, PointF& point, int& code) {
    PointD foot{click.x, click.y};
    ProjectPointOnLine(SegmentOf(*line.GetElement()), foot);
    const PointF s = LineStart(line);
    const PointF e = LineEnd(line);
    const int where = ClassifyPointOnSegment(s.x, s.y, e.x, e.y, foot.x, foot.y);
    if (where < kAtStart || where > 4) {
        return false;
    }
    // An end point is stored exactly, so that the break keeps the other end where it was.
    point = where == kAtStart ? s
            : where == kAtEnd ? e
                              : PointF{static_cast<float>(foot.x), static_cast<float>(foot.y)};
    code = where;
    return true;
}

bool ArcBreakAngle(const CData& ellipse, PointF click, double& angle) {
    const ArcSpan span = SpanOf(ellipse);
    const double onArc = ArcAngleOf(*ellipse.GetElement(), click, span.start);
    if (!span.full && onArc > span.end && !AnglesEqual(onArc, span.end)) {
        return false;
    }
    angle = NormalizeAngle(onArc, 0.0);
    return true;
}

PointF ArcBreakPoint(const CData& ellipse, double angle) {
    const auto* element = dynamic_cast<const CDrawObjEllipse*>(ellipse.GetElement());
    return element != nullptr ? element->PointAt(element->ParameterOf(angle)) : PointF{};
}

EditResult BreakLine(CData& line, CDataCollection& drawing, PointF b1, int code1, PointF b2,
                     int code2) {
    if (!Inside(code1) && !Inside(code2)) {
        return {};
    }
    const PointF s = LineStart(line);
    const PointF e = LineEnd(line);
    if (code1 == kAtStart || code1 == kAtEnd) {
        return {code1 == kAtStart ? SetLineEnds(line, b2, e) : SetLineEnds(line, s, b2), nullptr};
    }
    if (code2 == kAtStart || code2 == kAtEnd) {
        return {code2 == kAtStart ? SetLineEnds(line, b1, e) : SetLineEnds(line, s, b1), nullptr};
    }
    const bool inOrder = Distance(s, b1) <= Distance(s, b2);
    const PointF nearS = inOrder ? b1 : b2;
    const PointF nearE = inOrder ? b2 : b1;
    CData* piece = AddSplitPiece(line, drawing);
    if (piece != nullptr) {
        SetLineEnds(*piece, nearE, e);
    }
    return {SetLineEnds(line, s, nearS), piece};
}

EditResult BreakArc(CData& ellipse, CDataCollection& drawing, double angle1, double angle2) {
    const ArcSpan span = SpanOf(ellipse);
    double b1 = NormalizeAngle(angle1, span.start);
    double b2 = NormalizeAngle(angle2, span.start);
    SortPair(b1, b2);
    // The angles come back from trigonometry, so an end picked with the snap may differ from the
    // stored limit in its last bits.
    if (AnglesEqual(b1, span.start)) {
        return {SetArcStart(ellipse, b2), nullptr};
    }
    if (AnglesEqual(b2, span.end)) {
        return {SetArcEnd(ellipse, b1), nullptr};
    }
    if (span.full) {
        return {SetArcEnds(ellipse, b2, b1), nullptr};
    }
    CData* piece = AddSplitPiece(ellipse, drawing);
    if (piece != nullptr) {
        SetArcStart(*piece, b2);
    }
    return {SetArcEnd(ellipse, b1), piece};
}

}  // namespace korvo
