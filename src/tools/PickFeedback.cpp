#include "tools/PickFeedback.h"

#include <array>

#include "edit/EditResult.h"
#include "model/Data.h"
#include "model/DrawObjEllipse.h"
#include "model/DrawObjLine.h"
#include "model/Paper.h"
#include "view/RedrawBatch.h"

namespace korvo {

namespace {

constexpr int kHighlightWidth = 2;
constexpr int kCentreMark = 4;
constexpr int kBreakMark = 4;

void DrawEllipse(IDrawContext& dc, const CPaper& paper, const CDrawObjEllipse& ellipse) {
    EllipseOutline outline;
    ellipse.SampleOutline(outline);
    std::array<DevicePoint, EllipseOutline::kCapacity> points{};
    for (int i = 0; i < outline.count; ++i) {
        points[static_cast<std::size_t>(i)] =
            paper.WorldToDevice(outline.points[static_cast<std::size_t>(i)]);
    }
    dc.Polyline(
        std::span<const DevicePoint>(points.data(), static_cast<std::size_t>(outline.count)));
    const DevicePoint centre = paper.WorldToDevice({ellipse.GetX1(), ellipse.GetY1()});
    dc.MoveTo({centre.x - kCentreMark, centre.y});
    dc.LineTo({centre.x + kCentreMark + 1, centre.y});
    dc.MoveTo({centre.x, centre.y - kCentreMark});
    dc.LineTo({centre.x, centre.y + kCentreMark + 1});
    // The semi-axes at parameters 0 and 90 degrees turn with the ellipse.
    dc.MoveTo(centre);
    dc.LineTo(paper.WorldToDevice(ellipse.PointAt(0.0)));
    dc.MoveTo(centre);
    dc.LineTo(paper.WorldToDevice(ellipse.PointAt(kHalfPi)));
}

}  // namespace

void DrawPickedElement(IDrawContext& dc, const CPaper& paper, const CData& node) {
    const Pen previous = dc.SelectPen(
        Pen{PenStyle::Solid, paper.Values().highlightColor, true, kHighlightWidth, PenCap::Round});
    if (const auto* line = dynamic_cast<const CDrawObjLine*>(node.GetElement())) {
        dc.MoveTo(paper.WorldToDevice({line->GetX1(), line->GetY1()}));
        dc.LineTo(paper.WorldToDevice({line->GetX2(), line->GetY2()}));
    } else if (const auto* ellipse = dynamic_cast<const CDrawObjEllipse*>(node.GetElement())) {
        DrawEllipse(dc, paper, *ellipse);
    }
    dc.SelectPen(previous);
}

void DrawBreakMark(IDrawContext& dc, const CPaper& paper, PointF point) {
    const DevicePoint at = paper.WorldToDevice(point);
    const Pen previous = dc.SelectPen(
        Pen{PenStyle::Solid, paper.Values().highlightColor, true, kHighlightWidth, PenCap::Round});
    const DevicePoint square[] = {{at.x - kBreakMark, at.y - kBreakMark},
                                  {at.x + kBreakMark, at.y - kBreakMark},
                                  {at.x + kBreakMark, at.y + kBreakMark},
                                  {at.x - kBreakMark, at.y + kBreakMark},
                                  {at.x - kBreakMark, at.y - kBreakMark}};
    dc.Polyline(square);
    dc.SelectPen(previous);
}

void DrawGuideLine(IDrawContext& dc, const CPaper& paper, PointF from, PointF to) {
    const Pen previous =
        dc.SelectPen(Pen{PenStyle::Solid, paper.Values().highlightColor, false, 0, PenCap::Round});
    dc.MoveTo(paper.WorldToDevice(from));
    dc.LineTo(paper.WorldToDevice(to));
    dc.SelectPen(previous);
}

void DrawCrossMark(IDrawContext& dc, const CPaper& paper, PointF at) {
    const DevicePoint p = paper.WorldToDevice(at);
    const Pen previous = dc.SelectPen(
        Pen{PenStyle::Solid, paper.Values().highlightColor, true, kHighlightWidth, PenCap::Round});
    dc.MoveTo({p.x - kCentreMark, p.y - kCentreMark});
    dc.LineTo({p.x + kCentreMark + 1, p.y + kCentreMark + 1});
    dc.MoveTo({p.x + kCentreMark, p.y - kCentreMark});
    dc.LineTo({p.x - kCentreMark - 1, p.y + kCentreMark + 1});
    dc.SelectPen(previous);
}

void MarkNode(CRedrawBatch& batch, CPaper& paper, CData& node) {
    const RectF extents = node.GetExtents(paper);
    if (extents.IsValid()) {
        batch.AddWorldRect(extents);
    }
}

void MarkEdited(CRedrawBatch& batch, CPaper& paper, CData& node, const EditResult& result) {
    if (result.changed) {
        MarkNode(batch, paper, node);
    }
    if (result.created != nullptr) {
        MarkNode(batch, paper, *result.created);
    }
}

}  // namespace korvo
