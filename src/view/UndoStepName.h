#pragma once

#include <string>

namespace korvo {

// The command that installs `tool` from a menu or toolbar, or 0 when none does.
int CommandForTool(int tool);

// How the Edit menu and the history list name a step: after the command that caused it, else
// after the tool that was active ("Trim element", "Load Char", "Grid 5.00 mm").
std::string UndoStepName(int command, int tool);

}  // namespace korvo
