#pragma once

#include <string_view>

#include "tools/FuncTool.h"
#include "tools/SelectionMode.h"

namespace korvo {

// Select single (19068) and Deselect single (19069): each left click picks one element. In
// select mode Shift toggles it, Ctrl adds it, a plain click makes it the only selected one; in
// deselect mode a click clears the flag of the element picked. The tool stays until a right
// click returns to the default tool.
class CFuncToolSelectSingle final : public CFuncTool {
public:
    CFuncToolSelectSingle(CKorvoFEView& view, SelectionMode mode) : CFuncTool(view), mode_(mode) {}

    void Start() override;
    std::string_view Prompt() const override;
    void OnLButtonDown(const ToolEvent& e) override;
    void OnRButtonDown(const ToolEvent& e) override;

private:
    void Select(CData& node, const InputState& state);

    SelectionMode mode_;
};

}  // namespace korvo
