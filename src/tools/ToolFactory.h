#pragma once

#include "view/ToolFactory.h"

namespace korvo {

// The command registry as the views see it. Implemented with the registry's table
// (commands/CommandRegistry.cpp), so a new tool is one class and one row there.
class CToolFactory final : public IToolFactory {
public:
    Made Make(int toolId, CKorvoFEView& view) override;
    const CommandInfo* Command(int id) const override;
    const CommandInfo* Tool(int toolId) const override;
};

}  // namespace korvo
