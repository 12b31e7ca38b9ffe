#pragma once

#include <cstdint>

#include "tools/FuncToolDraw.h"

namespace korvo {

// The circle and ellipse tools: a click on the centre, then the mouse (or typed values) sets the
// semi-axes and a second click adds the whole curve. Subclasses say how the cursor and the
// keyboard give the axes.
class CFuncToolCentreAxes : public CFuncToolDraw {
public:
    enum class Step : std::uint8_t { Centre, Axes };

    using CFuncToolDraw::CFuncToolDraw;

    void Start() override;
    void DrawFeedback(IDrawContext& dc) override;
    void OnLButtonDown(const ToolEvent& e) override;
    void OnMouseMove(const ToolEvent& e) override;
    void OnRButtonDown(const ToolEvent& e) override;
    void OnKeyDown(const KeyEvent& event) override;

    Step GetStep() const { return step_; }

protected:
    // The axes for the cursor at `snap`; false when they are the ones already shown.
    virtual bool TrackAxes(PointF snap) = 0;
    // The values of the live status text once the axes changed.
    virtual void ShowAxesStatus() const = 0;
    // The typed axes; false when the user cancels.
    virtual bool AskAxes() = 0;

    void SetStep(Step step) { step_ = step; }
    PointF Centre() const { return centre_; }
    float AxisA() const { return a_; }
    float AxisB() const { return b_; }
    void SetAxes(float a, float b) {
        a_ = a;
        b_ = b;
    }

private:
    void Cancel();

    Step step_ = Step::Centre;
    PointF centre_;
    float a_ = 0.0f;
    float b_ = 0.0f;
    float start_ = 0.0f;
    float end_ = 360.0f;
};

}  // namespace korvo
