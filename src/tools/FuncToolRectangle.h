#pragma once

#include <cstdint>
#include <string_view>

#include "tools/FuncToolDraw.h"

namespace korvo {

// Draws an axis-parallel rectangle as four lines between two clicked (or typed) corners.
class CFuncToolRectangle : public CFuncToolDraw {
public:
    enum class Step : std::uint8_t { FirstCorner, SecondCorner };

    using CFuncToolDraw::CFuncToolDraw;

    void Start() override;
    std::string_view Prompt() const override;
    void DrawFeedback(IDrawContext& dc) override;
    void OnLButtonDown(const ToolEvent& e) override;
    void OnMouseMove(const ToolEvent& e) override;
    void OnRButtonDown(const ToolEvent& e) override;
    void OnKeyDown(const KeyEvent& event) override;

    Step GetStep() const { return step_; }

private:
    void AddRectangle();
    void Cancel();

    Step step_ = Step::FirstCorner;
    PointF first_;
    PointF second_;
};

}  // namespace korvo
