#pragma once

#include "tools/FuncTool.h"

namespace korvo {

// Erase selected (19074): one shot. Starting deletes the selected nodes at any depth, redraws
// where they were and hands over to the default tool.
class CFuncToolErase final : public CFuncTool {
public:
    using CFuncTool::CFuncTool;

    void Start() override;
};

}  // namespace korvo
