#include "tools/FuncToolArc.h"

#include "geometry/PlaneGeometry.h"
#include "model/Data.h"
#include "view/KorvoFEView.h"
#include "view/RedrawBatch.h"

namespace korvo {

void CFuncToolArc::Start() {
    CFuncToolDraw::Start();
    step_ = Step::Centre;
}

void CFuncToolArc::End() {
    Suspend();
    CFuncToolDraw::End();
}

double CFuncToolArc::SnapDirection() const {
    const PointF snap = GetSnapPoint();
    return RadToDeg(DirectionAngle(centre_.x, centre_.y, snap.x, snap.y));
}

void CFuncToolArc::DrawFeedback(IDrawContext& dc) {
    CFuncToolDraw::DrawFeedback(dc);
    if (step_ != Step::Centre) {
        DrawRubberCurve(dc, centre_, radius_, radius_, start_, end_);
    }
}

void CFuncToolArc::FixStart(float angle) {
    step_ = Step::EndAngle;
    start_ = angle;
    end_ = angle;
}

void CFuncToolArc::OnLButtonDown(const ToolEvent&) {
    switch (step_) {
        case Step::Centre:
            centre_ = GetSnapPoint();
            radius_ = 0.0f;
            start_ = 0.0f;
            end_ = 360.0f;
            step_ = Step::Radius;
            return;
        case Step::Radius:
            FixStart(static_cast<float>(SnapDirection()));
            return;
        case Step::EndAngle:
            step_ = Step::Centre;
            // No radius or no sweep: there is no arc to add.
            if (radius_ != 0.0f && end_ != start_) {
                AddNode(MakeCurveNode(centre_, radius_, radius_, start_, end_));
            } else {
                RemoveRubberBand();
            }
            return;
    }
}

void CFuncToolArc::OnMouseMove(const ToolEvent& e) {
    CRedrawBatch batch(View());
    CFuncToolDraw::OnMouseMove(e);
    const PointF snap = GetSnapPoint();
    const float factor = GetFactor();
    const float d = Distance(centre_, snap);
    const double phi = SnapDirection();
    switch (step_) {
        case Step::Centre:
            ShowStatus(IDS_STATUS_CENTRE, snap.x * factor, snap.y * factor);
            return;
        case Step::Radius:
            if (d == radius_) {
                return;
            }
            radius_ = d;
            ReadRubberPen();
            ShowStatus(IDS_STATUS_ARC_START, centre_.x * factor, centre_.y * factor,
                       radius_ * factor, phi);
            batch.AddScreenRect();
            return;
        case Step::EndAngle:
            if (static_cast<float>(phi) == end_) {
                return;
            }
            end_ = static_cast<float>(phi);
            ReadRubberPen();
            ShowStatus(IDS_STATUS_ARC, centre_.x * factor, centre_.y * factor, radius_ * factor,
                       start_, end_);
            batch.AddScreenRect();
            return;
    }
}

void CFuncToolArc::Cancel() {
    // Equal start and end angles still show a band (the whole circle), so it always goes.
    step_ = Step::Centre;
    RemoveRubberBand();
}

void CFuncToolArc::OnRButtonDown(const ToolEvent&) {
    if (step_ != Step::Centre) {
        Cancel();
        return;
    }
    SwitchToSelectionTool();
}

bool CFuncToolArc::AskRadiusAndStart() {
    const float factor = GetFactor();
    float r = radius_ * factor;
    float start = start_;
    if (!AskValues("R", r, "StartAngle", start)) {
        return false;
    }
    radius_ = r / factor;
    // The typed start angle is what the user asked for: it is kept, not replaced by the
    // direction of wherever the mouse happens to be.
    FixStart(start);
    MarkScreen();
    return true;
}

void CFuncToolArc::OnKeyDown(const KeyEvent& event) {
    if (event.key == Key::Escape && step_ != Step::Centre) {
        Cancel();
        return;
    }
    if (event.key != Key::Space) {
        return;
    }
    switch (step_) {
        case Step::Centre: {
            PointF at = GetSnapPoint();
            if (AskValues("CX", at.x, "CY", at.y)) {
                SetSnapPoint(at);
                ClickAtSnapPoint(event.state);
            }
            return;
        }
        case Step::Radius:
            AskRadiusAndStart();
            return;
        case Step::EndAngle: {
            float end = end_;
            if (AskValues("EndAngle", end)) {
                end_ = end;
                ClickAtSnapPoint(event.state);
            }
            return;
        }
    }
}

std::string_view CFuncToolArc::Prompt() const {
    switch (step_) {
        case Step::Centre:
            return "Centre of the arc";
        case Step::Radius:
            return "Radius and start angle";
        case Step::EndAngle:
            break;
    }
    return "End angle";
}

}  // namespace korvo
