#include "tools/FuncToolMirror.h"

#include "model/Data.h"
#include "model/Paper.h"

namespace korvo {

void CFuncToolMirror::OnLButtonDown(const ToolEvent& e) {
    if (GetStep() == Step::FirstPoint) {
        SetStep(Step::SecondPoint);
        ResetGhost();
        SetBasePoint(GetSnapPoint());
        // The ghost always shows the mirror about the last axis, at first the horizontal one,
        // so that each mouse move can undo it before it mirrors anew.
        SetLastAngle(0.0);
        if (Ghost() != nullptr) {
            MirrorNode(*Ghost(), GetBasePoint(), 0.0);
        }
        return;
    }
    SetStep(Step::FirstPoint);
    const PointF second = GetSnapPoint();
    const double angle = AxisAngleTo(second);
    if (CPaper* paper = Paper()) {
        Redraw(e.State().control ? AddMirroredCopies(*paper, GetBasePoint(), angle)
                                 : MirrorSelected(*paper, GetBasePoint(), angle));
    }
    SetBasePoint(second);
    Done();
}

double CFuncToolMirror::AxisAngleTo(PointF p) const {
    const PointF base = GetBasePoint();
    return DirectionAngle(base.x, base.y, p.x, p.y);
}

void CFuncToolMirror::FollowMouse(PointF p) {
    if (GetStep() != Step::SecondPoint || Ghost() == nullptr) {
        return;
    }
    const double angle = AxisAngleTo(p);
    if (angle == GetLastAngle()) {
        return;
    }
    MirrorNode(*Ghost(), GetBasePoint(), GetLastAngle());
    MirrorNode(*Ghost(), GetBasePoint(), angle);
    SetLastAngle(angle);
}

void CFuncToolMirror::StepBack() {
    SetStep(Step::FirstPoint);
}

std::string_view CFuncToolMirror::Prompt() const {
    return GetStep() == Step::FirstPoint
               ? "First point of the mirror axis"
               : "Second point of the mirror axis, Ctrl keeps the original";
}

}  // namespace korvo
