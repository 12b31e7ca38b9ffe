#include "tools/FuncToolScale.h"

#include <fmt/printf.h>

#include "model/Data.h"
#include "model/DrawObjTransformation.h"
#include "model/Paper.h"

namespace korvo {

void CFuncToolScale::OnLButtonDown(const ToolEvent&) {
    if (GetStep() == Step::BasePoint) {
        SetStep(Step::TargetPoint);
        ResetGhost();
        SetBasePoint(GetSnapPoint());
        return;
    }
    SetStep(Step::BasePoint);
    const PointF target = GetSnapPoint();
    const PointF f = FactorsAt(target);
    if (CPaper* paper = Paper()) {
        Redraw(ScaleSelected(*paper, GetBasePoint(), f.x, f.y));
    }
    SetBasePoint(target);
    Done();
}

PointF CFuncToolScale::FactorsAt(PointF p) const {
    const PointF base = GetBasePoint();
    return {(p.x - base.x) * kFactorPerUnit, (p.y - base.y) * kFactorPerUnit};
}

void CFuncToolScale::FollowMouse(PointF p) {
    if (GetStep() != Step::TargetPoint) {
        return;
    }
    const PointF f = FactorsAt(p);
    SetStatusText(
        fmt::sprintf("ZX=%.2lf ZY=%.2lf", static_cast<double>(f.x), static_cast<double>(f.y)));
    CDrawObjTransformation* frame = GhostFrame();
    // A ghost scaled by zero could not be scaled back, and a negative factor would mirror it.
    if (frame == nullptr || f.x <= 0.0f || f.y <= 0.0f) {
        return;
    }
    const PointF base = GetBasePoint();
    Ghost()->Scale(base.x, base.y, f.x / frame->GetAxisA(), f.y / frame->GetAxisB());
    frame->SetAxisA(f.x);
    frame->SetAxisB(f.y);
}

void CFuncToolScale::StepBack() {
    SetStep(Step::BasePoint);
    SetStatusText("");
}

void CFuncToolScale::OnToolKey(const KeyEvent& event) {
    if (event.key == Key::Space) {
        AskTyped(event.state);
    }
}

void CFuncToolScale::AskTyped(const InputState& state) {
    if (GetStep() == Step::BasePoint) {
        if (const auto p = AskPoint("X", "Y", GetSnapPoint())) {
            ClickAt(*p, state);
        }
        return;
    }
    const GhostPose pose = GetGhostPose();
    float fx = pose.fx;
    float fy = pose.fy;
    if (!AskValues("dX", fx, "dY", fy)) {
        return;
    }
    const PointF base = GetBasePoint();
    ClickAt({base.x + fx * kUnitsPerFactor, base.y + fy * kUnitsPerFactor}, state);
}

std::string_view CFuncToolScale::Prompt() const {
    return GetStep() == Step::BasePoint ? "Base point" : "Target point, 10 units make 1.0";
}

}  // namespace korvo
