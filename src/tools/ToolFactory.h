#pragma once

#include "view/ToolFactory.h"

namespace korvo {

// The table of tool ids: which tool each id makes and whether it is a main or a temporary tool,
// which ids are accepted without a tool, and that every other id is unknown. Tools that later
// work brings are added here.
class CToolFactory final : public IToolFactory {
public:
    Made Make(int toolId, CKorvoFEView& view) override;

    // Ids the view accepts without changing its tools (only the status is refreshed).
    static bool IsAcceptedWithoutTool(int toolId);
};

}  // namespace korvo
