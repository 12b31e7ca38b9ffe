#pragma once

#include <cstdint>
#include <string_view>

#include "tools/FuncToolDraw.h"

namespace korvo {

// Draws a circular arc with three clicks: the centre, a point that gives the radius and the start
// direction, and a point that gives the end direction. The arc runs counter-clockwise from the
// start to the end direction.
class CFuncToolArc : public CFuncToolDraw {
public:
    enum class Step : std::uint8_t { Centre, Radius, EndAngle };

    using CFuncToolDraw::CFuncToolDraw;

    void Start() override;
    std::string_view Prompt() const override;
    void End() override;
    void DrawFeedback(IDrawContext& dc) override;
    void OnLButtonDown(const ToolEvent& e) override;
    void OnMouseMove(const ToolEvent& e) override;
    void OnRButtonDown(const ToolEvent& e) override;
    void ResetInput(const ToolEvent&) override { step_ = Step::Centre; }
    void OnKillFocus() override { Suspend(); }
    void OnKeyDown(const KeyEvent& event) override;

    Step GetStep() const { return step_; }

private:
    // The direction of the snap point seen from the centre, in degrees.
    double SnapDirection() const;
    void FixStart(float angle);
    void Cancel();
    bool AskRadiusAndStart();

    Step step_ = Step::Centre;
    PointF centre_;
    float radius_ = 0.0f;
    float start_ = 0.0f;
    float end_ = 360.0f;
};

}  // namespace korvo
