#pragma once

#include "tools/FuncTool.h"

namespace korvo {

// Zoom drawing extents (19076): the whole drawing area fills the view; then the tool removes
// itself and the main tool carries on.
class CFuncToolZoomExtents final : public CFuncTool {
public:
    using CFuncTool::CFuncTool;
    void Start() override;
};

}  // namespace korvo
