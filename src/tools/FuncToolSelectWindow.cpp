#include "tools/FuncToolSelectWindow.h"

#include <algorithm>

#include "model/DataCollection.h"
#include "model/Paper.h"
#include "view/KorvoFEView.h"
#include "view/RedrawBatch.h"
#include "view/ViewCommands.h"

namespace korvo {

void CFuncToolSelectWindow::Start() {
    SetCursor(CursorShape::Cross);
}

void CFuncToolSelectWindow::OnLButtonDown(const ToolEvent& e) {
    const bool finishing = IsDragging();
    CFuncToolRubberWindow::OnLButtonDown(e);
    if (finishing) {
        ApplyWindow();
    }
}

void CFuncToolSelectWindow::ApplyWindow() {
    CPaper* paper = Paper();
    const PointF a = GetFirstCorner();
    const PointF b = GetSecondCorner();
    if (paper == nullptr || PointsEqualF(a.x, a.y, b.x, b.y)) {
        return;
    }
    // Compared in pixels, as the user saw the window and the elements.
    const DevicePoint pa = paper->WorldToDevice(a);
    const DevicePoint pb = paper->WorldToDevice(b);
    const DeviceRect window{std::min(pa.x, pb.x), std::min(pa.y, pb.y), std::max(pa.x, pb.x),
                            std::max(pa.y, pb.y)};
    CRedrawBatch batch(View());
    CDataCollection& nodes = *paper->GetCollection();
    for (CData* node : nodes) {
        const RectF extents = node->GetExtents(*paper);
        if (!extents.IsValid()) {
            continue;
        }
        const DeviceRect r = paper->WorldRectToDevice(extents);
        if (r.left >= window.left && r.right <= window.right && r.top >= window.top &&
            r.bottom <= window.bottom) {
            node->SetMark(MarkFor(mode_));
            batch.DrawNode(*node);
        }
    }
    if (!nodes.IsEmpty()) {
        batch.AddScreenRect();
    }
}

void CFuncToolSelectWindow::OnRButtonDown(const ToolEvent& e) {
    CFuncToolRubberWindow::OnRButtonDown(e);
    View().CreateTool(kToolSelection);
}

std::string_view CFuncToolSelectWindow::Prompt() const {
    if (IsDragging()) {
        return "Opposite corner of the window";
    }
    return mode_ == SelectionMode::Select ? "First corner of the window to select"
                                          : "First corner of the window to deselect";
}

}  // namespace korvo
