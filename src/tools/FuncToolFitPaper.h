#pragma once

#include "tools/FuncTool.h"

namespace korvo {

// Fit paper (19240): one shot. When the drawing reaches outside the drawing area, the drawing is
// moved to the area's origin, the area takes the drawing's size and the view zooms to it; in
// every case the default tool takes over.
class CFuncToolFitPaper final : public CFuncTool {
public:
    using CFuncTool::CFuncTool;

    void Start() override;
};

}  // namespace korvo
