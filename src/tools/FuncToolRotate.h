#pragma once

#include <cstdint>
#include <string_view>

#include "tools/FuncToolTransform.h"

namespace korvo {

// Turns the selection about a centre: the angle is the one between the reference point and the
// target point as seen from the centre. With Ctrl at the last click the selection stays and a
// turned copy is added.
class CFuncToolRotate : public CFuncToolTransform {
public:
    enum class Step : std::uint8_t { Centre, Reference, Target };

    using CFuncToolTransform::CFuncToolTransform;

    void OnLButtonDown(const ToolEvent& e) override;
    std::string_view Prompt() const override;
    // The turn comes from the clicks alone, so the ghost is not turned or scaled otherwise.
    void RotateBy(float) override {}
    void ScaleBy(float, float) override {}

    Step GetStep() const { return static_cast<Step>(GetStepNumber()); }
    PointF GetCentre() const { return centre_; }

protected:
    void FollowMouse(PointF p) override;
    // The centre and the arms from it to the reference point and to the mouse, so the turn can
    // be read before the last click.
    void DrawConstruction(IDrawContext& dc, const CPaper& paper) const override;
    void StepBack() override;
    void OnToolKey(const KeyEvent& event) override;

private:
    void SetStep(Step step) { SetStepNumber(static_cast<std::uint8_t>(step)); }
    // Radians from the reference direction to the direction of `p`, both seen from the centre.
    double AngleTo(PointF p) const;
    void Apply(PointF target, bool keepOriginals);
    void AskTyped(const InputState& state);

    PointF centre_;
    PointF reference_;
};

}  // namespace korvo
