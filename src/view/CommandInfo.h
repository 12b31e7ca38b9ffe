#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

namespace korvo {

class CKorvoFEView;
class IViewTool;

// What a command is to the user and to the view.
enum class CommandKind : std::uint8_t {
    Command,        // runs once
    Tool,           // installs a main tool
    TemporaryTool,  // installs a tool that hands back to the main tool when it is done
    Toggle,         // runs once and shows a check mark (a pressed button) while on
};

// Which commands the main window answers rather than a font's view.
enum class FrameCommand : std::uint8_t {
    No,            // the view answers it, or nothing does (the entry stays greyed)
    Always,        // with or without an open font
    WithDocument,  // only while a font is open
};

// What a command does, and the rules of its menu item. The id is the command's (a grid entry
// learns which size it is); null pointers mean "nothing special": always enabled, never checked.
using ViewAction = void (*)(CKorvoFEView& view, int id);
using ViewTest = bool (*)(const CKorvoFEView& view, int id);
// Creates a tool for a view; null only when memory runs out.
using ToolMaker = std::unique_ptr<IViewTool> (*)(CKorvoFEView& view);

// One row of the command registry (commands/CommandRegistry.h): everything menus, toolbars,
// keys, the customise dialog, the session and the undo history know of a command or a tool.
struct CommandInfo {
    // The command id; 0 for a tool that no menu, toolbar or key installs.
    int id = 0;
    CommandKind kind = CommandKind::Command;
    // The menu entry with its '&' mnemonic; empty when no menu shows the command.
    std::string_view menuText;
    // "status-bar prompt\ntooltip"; a text without a line break is both.
    std::string_view prompt;
    // Key sequences in portable text form ("Shift+C", "Ctrl+Ins"), separated by "; ".
    std::string_view keys;
    // The name of its image in the editor's icon bundle; empty for none.
    std::string_view icon;
    // The desktop icon theme's name for a standard action; empty when the command has none.
    std::string_view themeIcon;
    // The tool the row installs; 0 for none.
    int tool = 0;
    // Makes that tool; null for a tool id the view accepts without changing its tools.
    ToolMaker make = nullptr;
    // What the command does in the view; null when it installs `tool`, or when the main window
    // answers it (a row with neither `run` nor `tool`).
    ViewAction run = nullptr;
    ViewTest enabled = nullptr;
    ViewTest checked = nullptr;
    // Greyed while nothing is selected.
    bool needsSelection = false;
    // How the undo history names a step the command caused; empty: the menu text (or the
    // tooltip) without its mnemonic and dots.
    std::string_view undoName;
    FrameCommand frame = FrameCommand::No;

    bool Checkable() const { return kind == CommandKind::Toggle; }
    // Whether the view, rather than the main window, answers the command.
    bool InView() const { return run != nullptr || tool != 0; }
};

// The parts of a prompt: what the status bar shows, and the tooltip.
constexpr std::string_view StatusTextOf(const CommandInfo& command) {
    return command.prompt.substr(0, command.prompt.find('\n'));
}
constexpr std::string_view TooltipOf(const CommandInfo& command) {
    const std::size_t at = command.prompt.find('\n');
    return at == std::string_view::npos ? command.prompt : command.prompt.substr(at + 1);
}

}  // namespace korvo
