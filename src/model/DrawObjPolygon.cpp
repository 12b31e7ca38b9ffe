#include "model/DrawObjPolygon.h"

#include <algorithm>

#include "model/Data.h"
#include "model/Paper.h"
#include "model/StyledStroke.h"
#include "platform/Archive.h"

namespace korvo {

const CRuntimeClass CDrawObjPolygon::kRuntimeClass{
    "CDrawObjPolygon", kSchema, true, &CreateInstance<CDrawObjPolygon>, &CDrawObj::kRuntimeClass};

CDrawObjPolygon::CDrawObjPolygon(const std::vector<PointF>& points, std::uint16_t style,
                                 std::uint16_t width, std::uint32_t color, std::uint32_t fillStyle,
                                 std::uint32_t fillColor, std::uint32_t fillHatch,
                                 std::uint16_t level)
    : CFilledElement(style, width, color, fillStyle, fillColor, fillHatch, level),
      points_(points) {}

void CDrawObjPolygon::Serialize(CArchive& ar) {
    CDrawObj::Serialize(ar);
    SerializePen(ar);
    SerializeFill(ar);
    if (ar.IsStoring()) {
        ar.WriteCount(static_cast<std::uint32_t>(points_.size()));
        for (const PointF& p : points_) {
            ar.Write(p.x);
            ar.Write(p.y);
        }
        return;
    }
    const std::uint32_t count = ar.ReadCount();
    points_.clear();
    // A hostile count must not allocate more than the stream could possibly hold.
    if (count > ar.Remaining() / 8) {
        ar.Fail("polygon vertex count exceeds the data");
        return;
    }
    points_.resize(count);
    for (PointF& p : points_) {
        p.x = ar.Read<float>();
        p.y = ar.Read<float>();
    }
}

bool CDrawObjPolygon::Draw(CPaper& paper, IDrawContext* dc, const CData* node) {
    EnsurePens(paper);
    if (!IsVisible(node)) {
        return false;
    }
    const int mark = MarkOf(node);
    if (mark > kMarkBackground) {
        return true;
    }
    extents_ = RectF::Empty();
    for (const PointF& p : points_) {
        extents_.Include(p.x, p.y);
    }
    if (dc == nullptr || paper.IsOutside(extents_)) {
        return true;
    }
    const SheetValues& values = paper.Values();
    if (g_bStyledDrawing) {
        switch (mark) {
            case kMarkNormal:
                DrawStyled(paper, *dc, color_, fillColor_);
                break;
            case kMarkSelected:
                DrawStyled(paper, *dc, values.selectionColor, values.selectionColor);
                break;
            default:
                DrawStyled(paper, *dc, values.backgroundColor, values.backgroundColor);
                break;
        }
        return true;
    }
    switch (mark) {
        case kMarkNormal:
            DrawShape(paper, *dc, paper.PenAt(penIndex_), paper.BrushAt(brushIndex_));
            break;
        case kMarkSelected: {
            const int brush = paper.FindBrush(fillStyle_, values.selectionColor, fillHatch_);
            DrawShape(paper, *dc, paper.MarkedPen(), paper.BrushAt(brush));
            break;
        }
        default:
            DrawShape(paper, *dc, paper.BackgroundPen(), paper.BackgroundBrush());
            break;
    }
    return true;
}

void CDrawObjPolygon::DrawShape(CPaper& paper, IDrawContext& dc, const Pen& pen,
                                const Brush& brush) const {
    std::vector<DevicePoint> device;
    device.reserve(points_.size());
    for (const PointF& p : points_) {
        device.push_back(paper.WorldToDevice(p));
    }
    const bool previousTransparent = dc.SetTransparentBackground(true);
    const RasterOp previousOp = dc.SetRasterOp(RasterOp::CopyPen);
    const Pen previousPen = dc.SelectPen(pen);
    const Brush previousBrush = dc.SelectBrush(brush);
    if (device.size() == 2) {
        dc.MoveTo(device[0]);
        dc.LineTo(device[1]);
    } else {
        dc.Polygon(device);
    }
    dc.SelectBrush(previousBrush);
    dc.SelectPen(previousPen);
    dc.SetRasterOp(previousOp);
    dc.SetTransparentBackground(previousTransparent);
}

void CDrawObjPolygon::DrawStyled(CPaper& paper, IDrawContext& dc, ColorRef penColor,
                                 ColorRef fillColor) const {
    Pen pen = MakeStyledPen(paper, style_, width_, paper.ReplaceColor(penColor));
    pen.style = static_cast<PenStyle>(std::min<std::uint16_t>(style_, 4));
    const Brush brush{static_cast<BrushStyle>(std::min<std::uint32_t>(fillStyle_, 2)),
                      paper.ReplaceColor(fillColor), fillHatch_};
    DrawShape(paper, dc, pen, brush);
}

bool CDrawObjPolygon::Print(CPaper& paper, IDrawContext* dc, const CData* node) {
    if (!CDrawObj::Print(paper, dc, node)) {
        return false;
    }
    if (dc != nullptr) {
        DrawStyled(paper, *dc, color_, fillColor_);
    }
    return true;
}

void CDrawObjPolygon::AddPoints(const std::vector<PointF>* points) {
    if (points != nullptr) {
        points_.insert(points_.end(), points->begin(), points->end());
    }
}

void CDrawObjPolygon::MoveBack(float dx, float dy) {
    InvalidateExtents();
    for (PointF& p : points_) {
        p.x -= dx;
        p.y -= dy;
    }
}

void CDrawObjPolygon::MoveBy(float dx, float dy) {
    InvalidateExtents();
    for (PointF& p : points_) {
        p.x += dx;
        p.y += dy;
    }
}

void CDrawObjPolygon::Rotate(float cx, float cy, double angle) {
    InvalidateExtents();
    for (PointF& p : points_) {
        RotatePointF(p.x, p.y, cx, cy, angle);
    }
}

void CDrawObjPolygon::Scale(float cx, float cy, double fx, double fy) {
    InvalidateExtents();
    for (PointF& p : points_) {
        ScalePointF(p.x, p.y, cx, cy, fx, fy);
    }
}

bool CDrawObjPolygon::Contains(PointF p) const {
    if (points_.empty()) {
        return false;
    }
    bool inside = false;
    PointF prev = points_.back();
    for (const PointF& q : points_) {
        if ((prev.y < p.y && p.y <= q.y) || (q.y < p.y && p.y <= prev.y)) {
            // The edge is not horizontal here, so it meets the horizontal through p once.
            const double x = prev.x + (static_cast<double>(p.y) - prev.y) *
                                          (static_cast<double>(q.x) - prev.x) /
                                          (static_cast<double>(q.y) - prev.y);
            if (EqualF(static_cast<float>(x), p.x)) {
                return true;
            }
            if (x < p.x) {
                inside = !inside;
            }
        }
        prev = q;
    }
    return inside;
}

double CDrawObjPolygon::GetDistance(CPaper&, PointF p, const CData* node) {
    if (!IsVisible(node)) {
        return -1.0;
    }
    return Contains(p) ? 1.0 : -1.0;
}

}  // namespace korvo
