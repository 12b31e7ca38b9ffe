#include "edit/EditSupport.h"

#include <memory>
#include <utility>

#include "model/Data.h"
#include "model/DataCollection.h"
#include "model/DrawObjEllipse.h"
#include "model/DrawObjLine.h"

namespace korvo {

bool IsLineElement(const CDrawObj* element) {
    return dynamic_cast<const CDrawObjLine*>(element) != nullptr;
}

bool IsEllipseElement(const CDrawObj* element) {
    return dynamic_cast<const CDrawObjEllipse*>(element) != nullptr;
}

double ArcAngleOf(const CDrawObj& ellipse, PointF p, double lower) {
    const double direction = DirectionAngle(ellipse.GetX1(), ellipse.GetY1(), p.x, p.y);
    return NormalizeAngle(RadToDeg(direction - DegToRad(ellipse.GetAngle())), lower);
}

PointF LineStart(const CData& line) {
    return {static_cast<float>(line.GetX1()), static_cast<float>(line.GetY1())};
}

PointF LineEnd(const CData& line) {
    return {static_cast<float>(line.GetX2()), static_cast<float>(line.GetY2())};
}

bool SetLineEnds(CData& line, PointF start, PointF end) {
    const bool changed = !(LineStart(line) == start) || !(LineEnd(line) == end);
    line.SetX1(start.x);
    line.SetY1(start.y);
    line.SetX2(end.x);
    line.SetY2(end.y);
    return changed;
}

ArcSpan SpanOf(const CData& ellipse) {
    ArcSpan span;
    span.start = NormalizeAngle(ellipse.GetStartAngle(), 0.0);
    span.end = NormalizeAngle(ellipse.GetEndAngle(), span.start);
    span.full = AnglesEqual(span.start, span.end);
    return span;
}

bool SetArcStart(CData& ellipse, double start) {
    const auto s = static_cast<float>(start);
    const bool changed = static_cast<float>(ellipse.GetStartAngle()) != s;
    ellipse.SetStartAngle(s);
    return changed;
}

bool SetArcEnd(CData& ellipse, double end) {
    const auto e = static_cast<float>(end);
    const bool changed = static_cast<float>(ellipse.GetEndAngle()) != e;
    ellipse.SetEndAngle(e);
    return changed;
}

bool SetArcEnds(CData& ellipse, double start, double end) {
    const bool startChanged = SetArcStart(ellipse, start);
    return SetArcEnd(ellipse, end) || startChanged;
}

CData* AddSplitPiece(CData& node, CDataCollection& drawing) {
    std::unique_ptr<CData> piece = node.Clone();
    if (piece == nullptr) {
        return nullptr;
    }
    CData* parent = node.GetParent();
    if (parent != nullptr && parent->GetChildren() != nullptr) {
        return parent->GetChildren()->Add(std::move(piece));
    }
    return drawing.Add(std::move(piece));
}

}  // namespace korvo
