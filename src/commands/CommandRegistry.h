#pragma once

#include <span>

#include "resources/CommandTable.h"
#include "view/CommandInfo.h"

namespace korvo {

// The command registry: one row per command id (what menus, toolbars, keys, the customise
// dialog and the session offer) and one per tool id that no command installs. A new command is
// one row here; a new tool is its class and one row. Where the commands appear (menus, toolbars)
// is resources/CommandTable.h.

// Every command of the editor, in no particular order.
std::span<const CommandInfo> AllCommands();
// The tools that no command installs (the view reaches them by message 1126).
std::span<const CommandInfo> ToolsWithoutCommand();
// The command with that id, or null.
const CommandInfo* FindCommand(int id);
// The row that installs that tool id, or null.
const CommandInfo* FindToolRow(int toolId);

}  // namespace korvo
