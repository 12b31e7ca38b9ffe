#pragma once

#include <cstdint>
#include <string_view>

#include "tools/FuncToolTransform.h"

namespace korvo {

// Scales the selection about a base point. The factors come from the mouse offset: ten drawing
// units right of (or above) the base point mean 1.0 in x (or y). The ghost shows only positive
// factors; the click applies whatever the offset gives.
class CFuncToolScale : public CFuncToolTransform {
public:
    enum class Step : std::uint8_t { BasePoint, TargetPoint };

    // Factor per drawing unit of mouse offset, and the drawing units a typed factor stands for.
    static constexpr float kFactorPerUnit = 0.1f;
    static constexpr float kUnitsPerFactor = 10.0f;

    using CFuncToolTransform::CFuncToolTransform;

    void OnLButtonDown(const ToolEvent& e) override;
    std::string_view Prompt() const override;
    // The factors come from the clicks alone, so the ghost is not turned or scaled otherwise.
    void RotateBy(float) override {}
    void ScaleBy(float, float) override {}

    Step GetStep() const { return static_cast<Step>(GetStepNumber()); }

protected:
    void FollowMouse(PointF p) override;
    void StepBack() override;
    void OnToolKey(const KeyEvent& event) override;

private:
    void SetStep(Step step) { SetStepNumber(static_cast<std::uint8_t>(step)); }
    PointF FactorsAt(PointF p) const;
    void AskTyped(const InputState& state);
};

}  // namespace korvo
