#pragma once

#include "geometry/PlaneGeometry.h"
#include "platform/DrawContext.h"

namespace korvo {

class CData;
class CPaper;
class CRedrawBatch;
struct EditResult;

// The feedback of the editing tools, and the repainting of what an edit touched.

// The picked element drawn over the drawing in the highlight colour: a line as it is, an ellipse
// with its arc, its centre and its two axes (which show the rotation).
void DrawPickedElement(IDrawContext& dc, const CPaper& paper, const CData& node);

// A small square in the highlight colour around a break point.
void DrawBreakMark(IDrawContext& dc, const CPaper& paper, PointF at);

// The construction lines of the transform tools, in the highlight colour one pixel wide: a guide
// from one point to another (a rotation's arms, a mirror axis) and a cross on a fixed point.
void DrawGuideLine(IDrawContext& dc, const CPaper& paper, PointF from, PointF to);
void DrawCrossMark(IDrawContext& dc, const CPaper& paper, PointF at);

// Marks where the node lies now for re-rendering: called before an edit for its old place and
// after it (with the edit's result) for the new places.
void MarkNode(CRedrawBatch& batch, CPaper& paper, CData& node);
void MarkEdited(CRedrawBatch& batch, CPaper& paper, CData& node, const EditResult& result);

}  // namespace korvo
