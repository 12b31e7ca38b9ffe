#pragma once

#include <string_view>

#include "tools/FuncToolRubberWindow.h"

namespace korvo {

// Zoom window (19077): the window dragged with two left clicks fills the view; a right click
// gives up. Either way the tool removes itself and the main tool carries on.
class CFuncToolZoomWindow final : public CFuncToolRubberWindow {
public:
    using CFuncToolRubberWindow::CFuncToolRubberWindow;

    void Start() override;
    std::string_view Prompt() const override;
    void OnLButtonDown(const ToolEvent& e) override;
    void OnRButtonDown(const ToolEvent& e) override;
};

}  // namespace korvo
