#pragma once

#include "tools/FuncTool.h"

namespace korvo {

// Redraw (19056): re-renders the whole drawing and removes itself; the main tool and its input
// stay as they were.
class CFuncToolRedraw final : public CFuncTool {
public:
    using CFuncTool::CFuncTool;
    void Start() override;
};

}  // namespace korvo
