#pragma once

#include <cstdint>
#include <string_view>

#include "tools/FuncToolDraw.h"

namespace korvo {

// Draws a chain of connected lines: every click after the first ends one segment and starts the
// next where it ended, until the right button (or Escape) ends the chain. Space types the next
// point (absolute, then relative), Ctrl types it too, as angle and length from the last point.
class CFuncToolLine : public CFuncToolDraw {
public:
    enum class Step : std::uint8_t { FirstPoint, NextPoint };

    // The labels of the polar entry's two fields.
    static constexpr std::string_view kAngleLabel = "Angle";
    static constexpr std::string_view kLengthLabel = "Length";

    using CFuncToolDraw::CFuncToolDraw;

    void Start() override;
    std::string_view Prompt() const override;
    void End() override;
    void DrawFeedback(IDrawContext& dc) override;
    void OnLButtonDown(const ToolEvent& e) override;
    void OnMouseMove(const ToolEvent& e) override;
    void OnRButtonDown(const ToolEvent& e) override;
    void ResetInput(const ToolEvent& e) override;
    void OnKillFocus() override { Suspend(); }
    void OnKeyDown(const KeyEvent& event) override;

    Step GetStep() const { return step_; }

private:
    void EndChain();
    bool AskPoint();
    bool AskOffset();
    bool AskPolar();

    Step step_ = Step::FirstPoint;
    PointF start_;
    PointF end_;
};

}  // namespace korvo
