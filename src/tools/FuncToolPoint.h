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
    void OnLButtonDown(unsigned flags, int x, int y) override;
    void OnMouseMove(unsigned flags, int x, int y) override;
    void OnRButtonDown(unsigned flags, int x, int y) override;
    void OnKillFocus() override { Suspend(); }
};

}  // namespace korvo
