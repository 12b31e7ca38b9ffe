#pragma once

#include "tools/FuncTool.h"
#include "tools/SelectionMode.h"

namespace korvo {

// Select all (19092) and Deselect all (19067): one shot. Starting sets or clears the selected
// flag of every visible top-level node, redraws the drawing and hands over to the default tool.
class CFuncToolSelectAll final : public CFuncTool {
public:
    CFuncToolSelectAll(CKorvoFEView& view, SelectionMode mode) : CFuncTool(view), mode_(mode) {}

    void Start() override;

private:
    SelectionMode mode_;
};

}  // namespace korvo
