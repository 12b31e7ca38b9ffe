#include "model/DrawObjCircle.h"

#include <cmath>

#include "model/Data.h"
#include "model/Paper.h"
#include "model/StyledStroke.h"
#include "platform/Archive.h"

namespace korvo {

const CRuntimeClass CDrawObjCircle::kRuntimeClass{
    "CDrawObjCircle", kSchema, true, &CreateInstance<CDrawObjCircle>, &CDrawObj::kRuntimeClass};

namespace {
constexpr double kCircleSampleStep = 0.6283185307179586;  // 36 degrees
}

CDrawObjCircle::CDrawObjCircle(float cx, float cy, float r, std::uint16_t style,
                               std::uint16_t width, std::uint32_t color, std::uint32_t fillStyle,
                               std::uint32_t fillColor, std::uint32_t fillHatch,
                               std::uint16_t level)
    : CFilledElement(style, width, color, fillStyle, fillColor, fillHatch, level),
      cx_(cx),
      cy_(cy),
      r_(r) {}

void CDrawObjCircle::Serialize(CArchive& ar) {
    CDrawObj::Serialize(ar);
    // The geometry comes before the attributes in this element's layout.
    if (ar.IsStoring()) {
        ar.Write(cx_);
        ar.Write(cy_);
        ar.Write(r_);
    } else {
        cx_ = ar.Read<float>();
        cy_ = ar.Read<float>();
        r_ = ar.Read<float>();
    }
    SerializePen(ar);
    SerializeFill(ar);
}

std::array<PointF, CDrawObjCircle::kSampleCount> CDrawObjCircle::SamplePoints() const {
    std::array<PointF, kSampleCount> points;
    for (int i = 0; i < kSampleCount; ++i) {
        const long double a = i * static_cast<long double>(kCircleSampleStep);
        points[i] = {static_cast<float>(cx_ + r_ * std::cos(a)),
                     static_cast<float>(cy_ + r_ * std::sin(a))};
    }
    return points;
}

bool CDrawObjCircle::Draw(CPaper& paper, IDrawContext* dc, const CData* node) {
    EnsurePens(paper);
    if (!IsVisible(node)) {
        return false;
    }
    extents_ = RectF{cx_ - r_, cy_ - r_, cx_ + r_, cy_ + r_};
    // Unlike the other elements a culled circle reports that it drew nothing.
    if (paper.IsOutside(extents_)) {
        return false;
    }
    const int mark = MarkOf(node);
    if (mark > kMarkBackground || dc == nullptr) {
        return true;
    }
    const SheetValues& values = paper.Values();
    if (g_bStyledDrawing) {
        switch (mark) {
            case kMarkNormal:
                DrawStyled(paper, *dc, style_, color_, fillColor_);
                break;
            case kMarkSelected:
                DrawStyled(paper, *dc, style_, values.selectionColor, values.selectionColor);
                break;
            default:
                DrawStyled(paper, *dc, style_, values.backgroundColor, values.backgroundColor);
                break;
        }
        return true;
    }
    switch (mark) {
        case kMarkNormal:
            DrawOutline(paper, *dc, paper.PenAt(penIndex_), paper.BrushAt(brushIndex_));
            break;
        case kMarkSelected:
            DrawOutline(paper, *dc, paper.MarkedPen(), paper.MarkedBrush());
            break;
        default:
            DrawOutline(paper, *dc, paper.BackgroundPen(), paper.BackgroundBrush());
            break;
    }
    return true;
}

void CDrawObjCircle::DrawOutline(CPaper& paper, IDrawContext& dc, const Pen& pen,
                                 const Brush& brush) const {
    std::array<DevicePoint, kSampleCount> device;
    const auto samples = SamplePoints();
    for (int i = 0; i < kSampleCount; ++i) {
        device[i] = paper.WorldToDevice(samples[i]);
    }
    const Pen previousPen = dc.SelectPen(pen);
    const Brush previousBrush = dc.SelectBrush(brush);
    const RasterOp previousOp = dc.SetRasterOp(RasterOp::CopyPen);
    dc.Polygon(device);
    dc.SetRasterOp(previousOp);
    dc.SelectBrush(previousBrush);
    dc.SelectPen(previousPen);
}

void CDrawObjCircle::DrawStyled(CPaper& paper, IDrawContext& dc, std::uint16_t style,
                                ColorRef penColor, ColorRef fillColor) const {
    Pen pen = MakeStyledPen(paper, style, width_, paper.ReplaceColor(penColor));
    pen.style = static_cast<PenStyle>(std::min<std::uint16_t>(style, 4));
    const Brush brush{static_cast<BrushStyle>(std::min<std::uint32_t>(fillStyle_, 2)),
                      paper.ReplaceColor(fillColor), fillHatch_};
    DrawOutline(paper, dc, pen, brush);
}

bool CDrawObjCircle::Print(CPaper& paper, IDrawContext* dc, const CData* node) {
    EnsurePens(paper);
    if (!CDrawObj::Print(paper, dc, node)) {
        return false;
    }
    if (dc != nullptr) {
        DrawStyled(paper, *dc, style_, color_, fillColor_);
    }
    return true;
}

void CDrawObjCircle::MoveBack(float dx, float dy) {
    InvalidateExtents();
    cx_ -= dx;
    cy_ -= dy;
}

void CDrawObjCircle::MoveBy(float dx, float dy) {
    InvalidateExtents();
    cx_ += dx;
    cy_ += dy;
}

void CDrawObjCircle::Rotate(float cx, float cy, double angle) {
    InvalidateExtents();
    RotatePointF(cx_, cy_, cx, cy, angle);
}

void CDrawObjCircle::Scale(float cx, float cy, double fx, double fy) {
    InvalidateExtents();
    ScalePointF(cx_, cy_, cx, cy, fx, fy);
}

double CDrawObjCircle::GetDistance(CPaper&, PointF p, const CData* node) {
    if (!IsVisible(node)) {
        return -1.0;
    }
    double best = 1.0e9;
    for (const PointF& q : SamplePoints()) {
        best = std::min(best, Distance(q.x, q.y, p.x, p.y));
    }
    return best;
}

}  // namespace korvo
