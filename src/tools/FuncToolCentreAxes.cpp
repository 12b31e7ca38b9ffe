#include "tools/FuncToolCentreAxes.h"

#include "model/Data.h"

namespace korvo {

void CFuncToolCentreAxes::Start() {
    CFuncToolDraw::Start();
    step_ = Step::Centre;
    centre_ = {};
    a_ = 0.0f;
    b_ = 0.0f;
    start_ = 0.0f;
    end_ = 360.0f;
}

void CFuncToolCentreAxes::DrawFeedback(IDrawContext& dc) {
    CFuncToolDraw::DrawFeedback(dc);
    if (step_ == Step::Axes) {
        DrawRubberCurve(dc, centre_, a_, b_, start_, end_);
    }
}

void CFuncToolCentreAxes::OnLButtonDown(const ToolEvent&) {
    if (step_ == Step::Centre) {
        centre_ = GetSnapPoint();
        a_ = 0.0f;
        b_ = 0.0f;
        start_ = 0.0f;
        end_ = 360.0f;
        step_ = Step::Axes;
        return;
    }
    step_ = Step::Centre;
    // A curve with a zero axis would be an invisible line: the input is dropped.
    if (a_ != 0.0f && b_ != 0.0f) {
        AddNode(MakeCurveNode(centre_, a_, b_, start_, end_));
    } else {
        RemoveRubberBand();
    }
}

void CFuncToolCentreAxes::OnMouseMove(const ToolEvent& e) {
    CFuncToolDraw::OnMouseMove(e);
    const PointF snap = GetSnapPoint();
    if (step_ == Step::Centre) {
        ShowStatus(IDS_STATUS_CENTRE, snap.x * GetFactor(), snap.y * GetFactor());
        return;
    }
    if (TrackAxes(snap)) {
        ReadRubberPen();
        ShowAxesStatus();
    }
}

void CFuncToolCentreAxes::Cancel() {
    step_ = Step::Centre;
    RemoveRubberBand();
}

void CFuncToolCentreAxes::OnRButtonDown(const ToolEvent&) {
    if (step_ == Step::Axes) {
        Cancel();
        return;
    }
    SwitchToSelectionTool();
}

void CFuncToolCentreAxes::OnKeyDown(const KeyEvent& event) {
    if (event.key == Key::Escape && step_ == Step::Axes) {
        Cancel();
        return;
    }
    if (event.key != Key::Space) {
        return;
    }
    if (step_ == Step::Centre) {
        // The centre is typed in sheet units, as the circle tools always took it.
        PointF at = GetSnapPoint();
        if (AskValues("CX", at.x, "CY", at.y)) {
            SetSnapPoint(at);
            ClickAtSnapPoint(event.state);
        }
        return;
    }
    if (AskAxes()) {
        ClickAtSnapPoint(event.state);
    }
}

}  // namespace korvo
