#pragma once

#include "tools/FuncTool.h"

namespace korvo {

// Stands in for the default selection tool (19055, 19082) until that tool exists: it shows the
// arrow cursor like the selection tool and otherwise does only what every tool does. The
// selection tool replaces it in the factory.
class CFuncToolPlaceholder final : public CFuncTool {
public:
    using CFuncTool::CFuncTool;
    void Start() override;
};

}  // namespace korvo
