#include "tools/FuncToolZoomWindow.h"

#include "view/KorvoFEView.h"
#include "view/ViewCommands.h"

namespace korvo {

void CFuncToolZoomWindow::Start() {
    SetCursor(CursorShape::Cross);
}

void CFuncToolZoomWindow::OnLButtonDown(const ToolEvent& e) {
    const bool finishing = IsDragging();
    CFuncToolRubberWindow::OnLButtonDown(e);
    if (!finishing) {
        return;
    }
    const PointF a = GetFirstCorner();
    const PointF b = GetSecondCorner();
    // Two clicks on the same spot, or at the same height or width, make no window; the next
    // click starts a new one.
    if (!View().ZoomToRect(a, b)) {
        return;
    }
    View().SetTemporaryTool(kToolSelection, nullptr);
}

void CFuncToolZoomWindow::OnRButtonDown(const ToolEvent& e) {
    CFuncToolRubberWindow::OnRButtonDown(e);
    View().SetTemporaryTool(kToolSelection, nullptr);
}

std::string_view CFuncToolZoomWindow::Prompt() const {
    return IsDragging() ? "Opposite corner of the zoom window" : "First corner of the zoom window";
}

}  // namespace korvo
