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
    void OnLButtonDown(unsigned flags, int x, int y) override;
    void OnMouseMove(unsigned flags, int x, int y) override;
    void OnRButtonDown(unsigned flags, int x, int y) override;
    void ResetInput(unsigned flags, int x, int y) override;

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
