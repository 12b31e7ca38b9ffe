#pragma once

#include <memory>

#include "view/ViewTool.h"

namespace korvo {

class CKorvoFEView;

// Turns a tool id into a tool for a view. The view installs what it gets (CreateTool); the tool
// layer implements the table of ids (tools/ToolFactory.h).
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
};

}  // namespace korvo
