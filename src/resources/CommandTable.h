#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace korvo {

// Command ids and where the commands appear: the menu bars and the toolbars. What each command
// is and does is its row in the command registry (commands/CommandRegistry.h).

// The standard commands of a multi-document editor, under their classic numbers.
inline constexpr int ID_FILE_NEW = 0xE100;
inline constexpr int ID_FILE_OPEN = 0xE101;
inline constexpr int ID_FILE_CLOSE = 0xE102;
inline constexpr int ID_FILE_SAVE = 0xE103;
inline constexpr int ID_FILE_SAVE_AS = 0xE104;
inline constexpr int ID_FILE_PRINT = 0xE107;
inline constexpr int ID_FILE_PRINT_PREVIEW = 0xE109;
// The sheet as a PDF file on a page of its own.
inline constexpr int ID_FILE_EXPORT_PDF = 32871;
inline constexpr int ID_FILE_MRU_FILE1 = 0xE110;
inline constexpr int kRecentFileCount = 4;
inline constexpr int ID_EDIT_COPY = 0xE122;
inline constexpr int ID_EDIT_CUT = 0xE123;
inline constexpr int ID_EDIT_PASTE = 0xE125;
inline constexpr int ID_EDIT_UNDO = 0xE12B;
inline constexpr int ID_EDIT_REDO = 0xE12C;
inline constexpr int ID_WINDOW_CASCADE = 0xE132;
inline constexpr int ID_WINDOW_TILE_HORZ = 0xE133;
inline constexpr int ID_APP_ABOUT = 0xE140;
// Help > Keys and Mouse: every command with its keys, and what the mouse buttons do.
inline constexpr int ID_HELP_KEYS = 32872;
inline constexpr int ID_APP_EXIT = 0xE141;
inline constexpr int ID_VIEW_TOOLBAR = 0xE800;
inline constexpr int ID_VIEW_STATUS_BAR = 0xE801;
inline constexpr int ID_VIEW_EDIT_BAR = 0xE802;
inline constexpr int ID_VIEW_VIEW_BAR = 0xE803;
inline constexpr int ID_VIEW_DRAW_BAR = 0xE804;
inline constexpr int ID_VIEW_CHAR_BAR = 0xE805;
inline constexpr int ID_VIEW_UNDO_HISTORY = 0xE806;
inline constexpr int ID_WINDOW_LIST = 19398;
inline constexpr int ID_VIEW_CUSTOMIZE = 19372;
// User toolbar k (0 ... 9) is shown and hidden by ID_VIEW_USER_TOOLBAR1 + k.
inline constexpr int ID_VIEW_USER_TOOLBAR1 = 19374;
inline constexpr int kUserToolbarCount = 10;

// The editor's own commands that the view, the document or the frame answer.
inline constexpr int ID_LOAD_CHAR = 32824;
inline constexpr int ID_SAVE_CHAR = 32825;
inline constexpr int ID_CLEAR_CHAR = 32826;
inline constexpr int ID_CANCEL_EDIT_CNTR = 32768;
inline constexpr int ID_HELP_LINES = 122;
inline constexpr int ID_ZOOM_ORIGINAL = 41030;
inline constexpr int ID_ZOOM_WINDOW = 41031;
inline constexpr int ID_SNAP = 41092;
inline constexpr int ID_SNAP_TO_GRID = 41093;
inline constexpr int ID_SHOW_TABLE = 41237;
inline constexpr int ID_GRID_ON_OFF = 19451;
inline constexpr int ID_GRID_FIRST = 19440;
inline constexpr int ID_GRID_OTHER = 19450;
inline constexpr int ID_GRID_MENU = 19425;

// --- menus ---------------------------------------------------------------------------------------

enum class MenuEntryKind : std::uint8_t {
    Command,
    Separator,
    Submenu,
    // Places the frame fills at run time.
    RecentFiles,
    WindowList,
};

struct MenuEntry {
    MenuEntryKind kind = MenuEntryKind::Command;
    int id = 0;             // the command, or the menu resource of a submenu (0 when it has none)
    std::string_view text;  // a submenu's title
    std::span<const MenuEntry> children;
};

struct MenuDef {
    std::string_view title;
    std::span<const MenuEntry> entries;
};

// The menu bar with a font open (resource 129), and without one (resource 128).
std::span<const MenuDef> DocumentMenuBar();
std::span<const MenuDef> FrameMenuBar();
// The grid-size drop-down (menu 19425): 19440 ... 19449, a separator, 19450.
std::span<const MenuEntry> GridSizeMenu();

// --- toolbars ------------------------------------------------------------------------------------

struct ToolbarDef {
    int windowId = 0;
    int resource = 0;
    std::string_view name;
    // Command ids in button order; 0 is a separator.
    std::span<const int> buttons;
};

// The five toolbars in docking order: Standard, Edit, View, Draw, Char.
std::span<const ToolbarDef> Toolbars();

// The context menu "My menu" (resource 130) as it comes: Cut, Copy, Paste.
std::span<const int> MyMenuCommands();

}  // namespace korvo
