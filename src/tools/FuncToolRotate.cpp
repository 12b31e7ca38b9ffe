#include "tools/FuncToolRotate.h"

#include <algorithm>

#include "model/Data.h"
#include "model/Paper.h"
#include "tools/PickFeedback.h"

namespace korvo {

void CFuncToolRotate::OnLButtonDown(const ToolEvent& e) {
    switch (GetStep()) {
        case Step::Centre:
            centre_ = GetSnapPoint();
            SetStep(Step::Reference);
            break;
        case Step::Reference:
            SetStep(Step::Target);
            reference_ = GetSnapPoint();
            ResetGhost();
            SetLastAngle(0.0);
            break;
        case Step::Target:
            SetStep(Step::Centre);
            Apply(GetSnapPoint(), e.State().control);
            Done();
            break;
    }
}

void CFuncToolRotate::DrawConstruction(IDrawContext& dc, const CPaper& paper) const {
    if (GetStep() == Step::Target) {
        DrawGuideLine(dc, paper, centre_, reference_);
    }
    DrawGuideLine(dc, paper, centre_, GetSnapPoint());
    DrawCrossMark(dc, paper, centre_);
}

double CFuncToolRotate::AngleTo(PointF p) const {
    return DirectionAngle(centre_.x, centre_.y, p.x, p.y) -
           DirectionAngle(centre_.x, centre_.y, reference_.x, reference_.y);
}

void CFuncToolRotate::Apply(PointF target, bool keepOriginals) {
    CPaper* paper = Paper();
    if (paper == nullptr) {
        return;
    }
    const double angle = AngleTo(target);
    Redraw(keepOriginals ? AddRotatedCopies(*paper, centre_, angle)
                         : RotateSelected(*paper, centre_, angle));
}

void CFuncToolRotate::FollowMouse(PointF p) {
    if (GetStep() == Step::Centre) {
        centre_ = p;
        return;
    }
    if (GetStep() != Step::Target || Ghost() == nullptr) {
        return;
    }
    const double angle = AngleTo(p);
    Ghost()->Rotate(centre_.x, centre_.y, angle - GetLastAngle());
    SetLastAngle(angle);
}

void CFuncToolRotate::StepBack() {
    if (GetStep() == Step::Target) {
        // Back to the reference point: the ghost shows the selection unturned again.
        ResetGhost();
        SetLastAngle(0.0);
        SetStep(Step::Reference);
        return;
    }
    SetStep(Step::Centre);
}

void CFuncToolRotate::OnToolKey(const KeyEvent& event) {
    if (event.key == Key::Space) {
        AskTyped(event.state);
    }
}

void CFuncToolRotate::AskTyped(const InputState& state) {
    if (GetStep() == Step::Centre) {
        if (const auto p = AskPoint("X1", "Y1", centre_)) {
            ClickAt(*p, state);
        }
        return;
    }
    if (GetStep() == Step::Reference) {
        if (const auto p = AskPoint("X2", "Y2", GetSnapPoint())) {
            ClickAt(*p, state);
        }
        return;
    }
    auto degrees = static_cast<float>(RadToDeg(GetLastAngle()));
    if (!AskValues("W", degrees)) {
        return;
    }
    // The target lies the typed angle beyond the reference direction; with the reference on the
    // centre any distance gives the same direction.
    const double radius = std::max(1.0, static_cast<double>(Distance(centre_, reference_)));
    const double direction =
        DirectionAngle(centre_.x, centre_.y, reference_.x, reference_.y) + DegToRad(degrees);
    const PointD target = PolarPoint(centre_.x, centre_.y, direction, radius);
    ClickAt({static_cast<float>(target.x), static_cast<float>(target.y)}, state);
}

std::string_view CFuncToolRotate::Prompt() const {
    switch (GetStep()) {
        case Step::Centre:
            return "Centre of the turn";
        case Step::Reference:
            return "Reference point";
        case Step::Target:
            break;
    }
    return "Target point, Ctrl keeps the original";
}

}  // namespace korvo
