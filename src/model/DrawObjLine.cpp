#include "model/DrawObjLine.h"

#include <algorithm>
#include <cmath>

#include "model/Paper.h"
#include "model/StyledStroke.h"
#include "platform/Archive.h"

namespace korvo {

const CRuntimeClass CDrawObjLine::kRuntimeClass{
    "CDrawObjLine", kSchema, true, &CreateInstance<CDrawObjLine>, &CDrawObj::kRuntimeClass};

CDrawObjLine::CDrawObjLine(float x1, float y1, float x2, float y2, std::uint16_t style,
                           std::uint16_t width, std::uint32_t color, std::uint16_t level)
    : CPenElement(style, width, color, level), x1_(x1), y1_(y1), x2_(x2), y2_(y2) {}

void CDrawObjLine::Serialize(CArchive& ar) {
    CDrawObj::Serialize(ar);
    SerializePen(ar);
    if (ar.IsStoring()) {
        ar.Write(x1_);
        ar.Write(y1_);
        ar.Write(x2_);
        ar.Write(y2_);
    } else {
        x1_ = ar.Read<float>();
        y1_ = ar.Read<float>();
        x2_ = ar.Read<float>();
        y2_ = ar.Read<float>();
    }
}

bool CDrawObjLine::Draw(CPaper& paper, IDrawContext* dc, const CData* node) {
    EnsurePens(paper);
    if (!IsVisible(node)) {
        return false;
    }
    const MarkPen choice = ChooseMarkPen(paper, MarkOf(node), penIndex_, color_);
    if (!choice.draw) {
        return true;
    }
    extents_ =
        RectF{std::min(x1_, x2_), std::min(y1_, y2_), std::max(x1_, x2_), std::max(y1_, y2_)};
    if (dc == nullptr || paper.IsOutside(extents_)) {
        return true;
    }
    if (g_bStyledDrawing) {
        DrawStyledLine(paper, *dc, {x1_, y1_}, {x2_, y2_}, style_, width_, choice.color);
        return true;
    }
    const Pen previousPen = dc->SelectPen(choice.pen);
    const RasterOp previousOp = dc->SetRasterOp(RasterOp::CopyPen);
    dc->MoveTo(paper.WorldToDevice({x1_, y1_}));
    dc->LineTo(paper.WorldToDevice({x2_, y2_}));
    dc->SetRasterOp(previousOp);
    dc->SelectPen(previousPen);
    return true;
}

bool CDrawObjLine::Print(CPaper& paper, IDrawContext* dc, const CData* node) {
    EnsurePens(paper);
    if (!CDrawObj::Print(paper, dc, node)) {
        return false;
    }
    if (dc != nullptr) {
        DrawStyledLine(paper, *dc, {x1_, y1_}, {x2_, y2_}, style_, width_, color_);
    }
    return true;
}

void CDrawObjLine::MoveBack(float dx, float dy) {
    InvalidateExtents();
    x1_ -= dx;
    x2_ -= dx;
    y1_ -= dy;
    y2_ -= dy;
}

void CDrawObjLine::MoveBy(float dx, float dy) {
    InvalidateExtents();
    x1_ += dx;
    x2_ += dx;
    y1_ += dy;
    y2_ += dy;
}

void CDrawObjLine::Rotate(float cx, float cy, double angle) {
    InvalidateExtents();
    RotatePointF(x1_, y1_, cx, cy, angle);
    RotatePointF(x2_, y2_, cx, cy, angle);
}

void CDrawObjLine::Scale(float cx, float cy, double fx, double fy) {
    InvalidateExtents();
    ScalePointF(x1_, y1_, cx, cy, fx, fy);
    ScalePointF(x2_, y2_, cx, cy, fx, fy);
}

PointF CDrawObjLine::GetNearestEndPoint(PointF p) const {
    const double d1 = Distance(x1_, y1_, p.x, p.y);
    const double d2 = Distance(x2_, y2_, p.x, p.y);
    return d2 < d1 ? PointF{x2_, y2_} : PointF{x1_, y1_};
}

double CDrawObjLine::GetDistance(CPaper&, PointF p, const CData* node) {
    if (!IsVisible(node)) {
        return -1.0;
    }
    const int where = ClassifyPointOnSegment(x1_, y1_, x2_, y2_, p.x, p.y);
    if (where > 4) {
        return -1.0;
    }
    const long double dx = static_cast<long double>(x2_) - x1_;
    const long double dy = static_cast<long double>(y2_) - y1_;
    const long double length = std::sqrt(dy * dy + dx * dx);
    if (length == 0.0L) {
        // A point line: the only sound answer is the distance to the point itself.
        return Distance(x1_, y1_, p.x, p.y);
    }
    const long double cross =
        (static_cast<long double>(p.x) - x1_) * dy - (static_cast<long double>(p.y) - y1_) * dx;
    return static_cast<double>(std::fabs(cross) / length);
}

bool CDrawObjLine::SnapNearestEndPoint(PointF& p) const {
    p = GetNearestEndPoint(p);
    return true;
}

bool CDrawObjLine::GetMidPoint(PointF& p) const {
    p = {(x1_ + x2_) * 0.5f, (y1_ + y2_) * 0.5f};
    return true;
}

}  // namespace korvo
