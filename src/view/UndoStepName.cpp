#include "view/UndoStepName.h"

#include <string_view>

#include "resources/StringTable.h"
#include "view/ToolFactory.h"

namespace korvo {

namespace {

// A menu text as words: without its mnemonic marks and the dots of an entry that opens a dialog.
std::string Plain(std::string_view text) {
    std::string plain;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) {
            ++i;
        }
        plain.push_back(text[i]);
    }
    while (!plain.empty() && (plain.back() == '.' || plain.back() == ' ')) {
        plain.pop_back();
    }
    return plain;
}

}  // namespace

std::string UndoNameOf(const CommandInfo& command) {
    if (!command.undoName.empty()) {
        return std::string(command.undoName);
    }
    return Plain(command.menuText.empty() ? TooltipOf(command) : command.menuText);
}

std::string UndoStepName(const IToolFactory& registry, int command, int tool) {
    std::string name;
    if (const CommandInfo* row = registry.Command(command)) {
        name = UndoNameOf(*row);
    }
    if (const CommandInfo* row = registry.Tool(tool); name.empty() && row != nullptr) {
        name = UndoNameOf(*row);
    }
    if (name.empty()) {
        name = Plain(LoadString(tool));
    }
    return name.empty() ? std::string("Edit") : name;
}

}  // namespace korvo
