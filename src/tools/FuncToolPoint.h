#pragma once

#include <string_view>

#include "tools/FuncToolDraw.h"

namespace korvo {

// Places a point (a small filled circle) at every click. It has no input under way, so the right
// button always ends drawing.
class CFuncToolPoint : public CFuncToolDraw {
public:
    // The radius of a point, in drawing units.
    static constexpr float kPointRadius = 1.0f;

    using CFuncToolDraw::CFuncToolDraw;

    void End() override;
    std::string_view Prompt() const override;
    void OnLButtonDown(const ToolEvent& e) override;
    void OnMouseMove(const ToolEvent& e) override;
    void OnRButtonDown(const ToolEvent& e) override;
    void OnKillFocus() override { Suspend(); }
};

}  // namespace korvo
