#include "tools/FuncToolZoomWindow.h"

#include <cmath>

#include "view/KorvoFEView.h"
#include "view/ViewCommands.h"

namespace korvo {

void CFuncToolZoomWindow::Start() {
    SetCursor(CursorShape::Cross);
}

void CFuncToolZoomWindow::OnLButtonDown(unsigned flags, int x, int y) {
    const bool finishing = IsDragging();
    CFuncToolRubberWindow::OnLButtonDown(flags, x, y);
    if (!finishing) {
        return;
    }
    const PointF a = GetFirstCorner();
    const PointF b = GetSecondCorner();
    // Two clicks on the same spot make no window; the next click starts a new one.
    if (std::fabs(a.x - b.x) < kZeroF && std::fabs(a.y - b.y) < kZeroF) {
        return;
    }
    View().ZoomToRect(a, b);
    View().SetTemporaryTool(kToolSelection, nullptr);
}

void CFuncToolZoomWindow::OnRButtonDown(unsigned flags, int x, int y) {
    CFuncToolRubberWindow::OnRButtonDown(flags, x, y);
    View().SetTemporaryTool(kToolSelection, nullptr);
}

}  // namespace korvo
