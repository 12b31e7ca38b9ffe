#include "tools/FuncToolRubberWindow.h"

#include <algorithm>

namespace korvo {

void CFuncToolRubberWindow::OnLButtonDown(unsigned, int x, int y) {
    if (dragging_) {
        MarkScreen();
        dragging_ = false;
        return;
    }
    first_ = ToWorld(x, y);
    second_ = first_;
    dragging_ = true;
}

void CFuncToolRubberWindow::OnMouseMove(unsigned flags, int x, int y) {
    CFuncTool::OnMouseMove(flags, x, y);
    if (dragging_) {
        second_ = ToWorld(x, y);
        MarkScreen();
    }
}

void CFuncToolRubberWindow::DrawFeedback(IDrawContext& dc) {
    CFuncTool::DrawFeedback(dc);
    if (!dragging_) {
        return;
    }
    const DevicePoint a = ToDevice({std::min(first_.x, second_.x), std::max(first_.y, second_.y)});
    const DevicePoint b = ToDevice({std::max(first_.x, second_.x), std::min(first_.y, second_.y)});
    dc.FocusRect({a.x, a.y, b.x, b.y});
}

void CFuncToolRubberWindow::OnRButtonDown(unsigned, int, int) {
    if (dragging_) {
        dragging_ = false;
        SetFlag(0);
        MarkScreen();
    }
}

void CFuncToolRubberWindow::End() {
    if (dragging_) {
        MarkScreen();
    }
    CFuncTool::End();
}

void CFuncToolRubberWindow::ResetInput(unsigned, int, int) {
    second_ = first_;
}

}  // namespace korvo
