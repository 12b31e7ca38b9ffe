#include "tools/FuncToolMoveCopy.h"

#include "model/Data.h"
#include "model/Paper.h"

namespace korvo {

CFuncToolMoveCopy::CFuncToolMoveCopy(CKorvoFEView& view, bool copy)
    : CFuncToolTransform(view), copy_(copy ? 1 : 0) {}

void CFuncToolMoveCopy::OnLButtonDown(const ToolEvent&) {
    if (GetStep() == Step::BasePoint) {
        SetStepNumber(static_cast<std::uint8_t>(Step::TargetPoint));
        SetBasePoint(GetSnapPoint());
        SetLastPoint(GetSnapPoint());
        ResetGhost();
        return;
    }
    SetStepNumber(static_cast<std::uint8_t>(Step::BasePoint));
    Apply(GetSnapPoint());
    Done();
}

void CFuncToolMoveCopy::Apply(PointF target) {
    CPaper* paper = Paper();
    if (paper == nullptr) {
        return;
    }
    const GhostPose pose = GetGhostPose();
    const RectF touched = copy_ != 0 ? CopySelected(*paper, GetBasePoint(), target, pose)
                                     : MoveSelected(*paper, GetBasePoint(), target, pose);
    Redraw(touched);
    SetBasePoint(target);
}

void CFuncToolMoveCopy::FollowMouse(PointF p) {
    if (GetStep() != Step::TargetPoint || Ghost() == nullptr) {
        return;
    }
    const PointF last = GetLastPoint();
    Ghost()->MoveBy(p.x - last.x, p.y - last.y);
    SetLastPoint(p);
}

void CFuncToolMoveCopy::StepBack() {
    // The ghost is made afresh at the next base point, so its offset needs no undoing here.
    SetStepNumber(static_cast<std::uint8_t>(Step::BasePoint));
}

void CFuncToolMoveCopy::OnToolKey(const KeyEvent& event) {
    switch (event.key) {
        case Key::Space:
            AskTyped(event.state);
            break;
        case Key::Control:
            if (GetStep() == Step::TargetPoint) {
                AskPolar(event.state);
            }
            break;
        default:
            TurnOrScaleByKeypad(event.key);
            break;
    }
}

void CFuncToolMoveCopy::AskTyped(const InputState& state) {
    if (GetStep() == Step::BasePoint) {
        if (const auto p = AskPoint("X", "Y", GetSnapPoint())) {
            ClickAt(*p, state);
        }
        return;
    }
    const PointF base = GetBasePoint();
    const PointF mouse = GetSnapPoint();
    if (const auto d = AskPoint("dX", "dY", {mouse.x - base.x, mouse.y - base.y})) {
        ClickAt({base.x + d->x, base.y + d->y}, state);
    }
}

void CFuncToolMoveCopy::AskPolar(const InputState& state) {
    const PointF base = GetBasePoint();
    const PointF mouse = GetSnapPoint();
    const float factor = GetFactor();
    float distance = Distance(base, mouse) * factor;
    auto angle = static_cast<float>(RadToDeg(DirectionAngle(base.x, base.y, mouse.x, mouse.y)));
    if (!AskValues(kDistanceLabel, distance, kAngleLabel, angle)) {
        return;
    }
    const PointD target = PolarPoint(base.x, base.y, DegToRad(angle), distance / factor);
    ClickAt({static_cast<float>(target.x), static_cast<float>(target.y)}, state);
}

std::string_view CFuncToolMoveCopy::Prompt() const {
    return GetStep() == Step::BasePoint ? "Base point" : "Target point";
}

}  // namespace korvo
