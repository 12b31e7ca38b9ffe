#pragma once

#include <string_view>

#include "tools/FuncToolRubberWindow.h"
#include "tools/SelectionMode.h"

namespace korvo {

// Select window (19072) and Deselect window (19073): two left clicks span a window; every
// top-level node that lies entirely inside it gets its selected flag set or cleared. The tool
// stays for further windows until a right click returns to the default tool.
class CFuncToolSelectWindow final : public CFuncToolRubberWindow {
public:
    CFuncToolSelectWindow(CKorvoFEView& view, SelectionMode mode)
        : CFuncToolRubberWindow(view), mode_(mode) {}

    void Start() override;
    std::string_view Prompt() const override;
    void OnLButtonDown(const ToolEvent& e) override;
    void OnRButtonDown(const ToolEvent& e) override;

private:
    void ApplyWindow();

    SelectionMode mode_;
};

}  // namespace korvo
