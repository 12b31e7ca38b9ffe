#pragma once

#include <string>

#include "view/CommandInfo.h"

namespace korvo {

class IToolFactory;

// The name the undo history gives a step of `command`: its row's undo name, else its menu text
// (or tooltip) as words, without mnemonic marks and the dots of an entry that opens a dialog.
std::string UndoNameOf(const CommandInfo& command);

// How the Edit menu and the history list name a step: after the command that caused it, else
// after the command that installs the tool that was active ("Trim element", "Load Char",
// "Grid 5.00 mm"), else after the tool's own text.
std::string UndoStepName(const IToolFactory& registry, int command, int tool);

}  // namespace korvo
