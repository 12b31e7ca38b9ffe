#pragma once

#include "tools/FuncTool.h"

namespace korvo {

// The window rubber band that window selection and Zoom window share: a first left click fixes a
// corner, the mouse drags the other one (raw, never snapped), a second left click finishes the
// window, which subclasses then act on. The right button cancels a window under way.
class CFuncToolRubberWindow : public CFuncTool {
public:
    using CFuncTool::CFuncTool;

    void End() override;
    void DrawFeedback(IDrawContext& dc) override;
    void OnLButtonDown(const ToolEvent& e) override;
    void OnMouseMove(const ToolEvent& e) override;
    void OnRButtonDown(const ToolEvent& e) override;
    void ResetInput(const ToolEvent& e) override;

    bool IsDragging() const { return dragging_; }
    PointF GetFirstCorner() const { return first_; }
    PointF GetSecondCorner() const { return second_; }

protected:
    void SetDragging(bool dragging) { dragging_ = dragging; }

private:
    bool dragging_ = false;
    PointF first_;
    PointF second_;
};

}  // namespace korvo
