#include "tools/FuncToolRubberWindow.h"

#include <algorithm>

namespace korvo {

void CFuncToolRubberWindow::OnLButtonDown(const ToolEvent& e) {
    if (dragging_) {
        MarkScreen();
        dragging_ = false;
        return;
    }
    first_ = e.world;
    second_ = first_;
    dragging_ = true;
}

void CFuncToolRubberWindow::OnMouseMove(const ToolEvent& e) {
    CFuncTool::OnMouseMove(e);
    if (dragging_) {
        second_ = e.world;
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

void CFuncToolRubberWindow::OnRButtonDown(const ToolEvent&) {
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

void CFuncToolRubberWindow::ResetInput(const ToolEvent&) {
    second_ = first_;
}

}  // namespace korvo
