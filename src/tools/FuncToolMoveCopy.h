#pragma once

#include <cstdint>
#include <string_view>

#include "tools/FuncToolTransform.h"

namespace korvo {

// Moves the selection, or copies it, from a base point to a target point. Between the two clicks
// the keypad turns (+, -) and scales (*, /) the ghost about the mouse, and the final click does
// the same to the selection about the target. Space types the points, Ctrl the target as
// distance and angle from the base point.
class CFuncToolMoveCopy : public CFuncToolTransform {
public:
    enum class Step : std::uint8_t { BasePoint, TargetPoint };

    static constexpr std::string_view kDistanceLabel = "Distance";
    static constexpr std::string_view kAngleLabel = "Angle";

    CFuncToolMoveCopy(CKorvoFEView& view, bool copy);

    void OnLButtonDown(const ToolEvent& e) override;
    std::string_view Prompt() const override;

    Step GetStep() const { return static_cast<Step>(GetStepNumber()); }
    bool IsCopy() const { return copy_ != 0; }

protected:
    void FollowMouse(PointF p) override;
    void StepBack() override;
    void OnToolKey(const KeyEvent& event) override;

private:
    void Apply(PointF target);
    void AskTyped(const InputState& state);
    void AskPolar(const InputState& state);

    std::int32_t copy_;
};

}  // namespace korvo
