#pragma once

#include <memory>

#include "view/CommandInfo.h"
#include "view/ViewTool.h"

namespace korvo {

class CKorvoFEView;

// The view's way into the command registry, which lives above it (commands/CommandRegistry.h):
// the rows of command and tool ids, and the tools they make. The view installs what it gets
// (CreateTool) and runs and greys its commands by their rows.
class IToolFactory {
public:
    enum class Kind {
        Main,       // install with SetTool (a null tool when it could not be made)
        Temporary,  // install with SetTemporaryTool
        NoTool,     // an id accepted without any tool change
        Unknown     // an id the factory does not know: the view drops both tools
    };
    struct Made {
        Kind kind = Kind::Unknown;
        std::unique_ptr<IViewTool> tool;
    };

    virtual ~IToolFactory() = default;
    virtual Made Make(int toolId, CKorvoFEView& view) = 0;
    // The row of a command id, or null.
    virtual const CommandInfo* Command(int id) const = 0;
    // The row that installs a tool id, or null.
    virtual const CommandInfo* Tool(int toolId) const = 0;
};

}  // namespace korvo
