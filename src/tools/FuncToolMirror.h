#pragma once

#include <cstdint>
#include <string_view>

#include "tools/FuncToolTransform.h"

namespace korvo {

// Mirrors the selection about the axis through two points. Until the second click the ghost
// shows the selection mirrored about the axis through the first point and the mouse. With Ctrl
// at the second click the selection stays and a mirrored copy is added.
class CFuncToolMirror : public CFuncToolTransform {
public:
    enum class Step : std::uint8_t { FirstPoint, SecondPoint };

    using CFuncToolTransform::CFuncToolTransform;

    void OnLButtonDown(const ToolEvent& e) override;
    std::string_view Prompt() const override;
    // The axis comes from the clicks alone, so the ghost is not turned or scaled otherwise.
    void RotateBy(float) override {}
    void ScaleBy(float, float) override {}

    Step GetStep() const { return static_cast<Step>(GetStepNumber()); }

protected:
    void FollowMouse(PointF p) override;
    void StepBack() override;

private:
    void SetStep(Step step) { SetStepNumber(static_cast<std::uint8_t>(step)); }
    double AxisAngleTo(PointF p) const;
};

}  // namespace korvo
