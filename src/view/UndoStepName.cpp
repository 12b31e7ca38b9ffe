#include "view/UndoStepName.h"

#include <string_view>

#include "resources/CommandTable.h"
#include "resources/StringTable.h"

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

std::string CommandName(int command) {
    const CommandInfo* info = FindCommand(command);
    if (info == nullptr) {
        return {};
    }
    std::string name = Plain(info->menuText.empty() ? TooltipOf(*info) : info->menuText);
    // The grid entries are "0.10 mm" ... "Other" and "On / Off" inside the Grid menu.
    const bool grid =
        command == ID_GRID_ON_OFF || (command >= ID_GRID_FIRST && command <= ID_GRID_OTHER);
    if (grid && !name.starts_with("Grid")) {
        name.insert(0, "Grid ");
    }
    return name;
}

}  // namespace

std::string UndoStepName(int command, int tool) {
    std::string name = CommandName(command);
    if (name.empty()) {
        name = CommandName(CommandForTool(tool));
    }
    if (name.empty()) {
        name = Plain(LoadString(tool));
    }
    return name.empty() ? std::string("Edit") : name;
}

}  // namespace korvo
