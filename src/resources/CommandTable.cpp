#include "resources/CommandTable.h"

#include <array>

namespace korvo {

namespace {

// clang-format off
constexpr MenuEntry Cmd(int id) { return {MenuEntryKind::Command, id, {}, {}}; }
constexpr MenuEntry kSeparator{MenuEntryKind::Separator, 0, {}, {}};
constexpr MenuEntry kRecent{MenuEntryKind::RecentFiles, 0, {}, {}};
constexpr MenuEntry kWindows{MenuEntryKind::WindowList, 0, {}, {}};

constexpr std::array kGridSizes = {
    Cmd(ID_GRID_FIRST + 0), Cmd(ID_GRID_FIRST + 1), Cmd(ID_GRID_FIRST + 2), Cmd(ID_GRID_FIRST + 3),
    Cmd(ID_GRID_FIRST + 4), Cmd(ID_GRID_FIRST + 5), Cmd(ID_GRID_FIRST + 6), Cmd(ID_GRID_FIRST + 7),
    Cmd(ID_GRID_FIRST + 8), Cmd(ID_GRID_FIRST + 9), kSeparator, Cmd(ID_GRID_OTHER),
};

constexpr std::array kToolbarToggles = {
    Cmd(ID_VIEW_TOOLBAR), Cmd(ID_VIEW_EDIT_BAR), Cmd(ID_VIEW_VIEW_BAR), Cmd(ID_VIEW_DRAW_BAR),
    Cmd(ID_VIEW_CHAR_BAR), kSeparator,
    Cmd(ID_VIEW_USER_TOOLBAR1 + 0), Cmd(ID_VIEW_USER_TOOLBAR1 + 1), Cmd(ID_VIEW_USER_TOOLBAR1 + 2),
    Cmd(ID_VIEW_USER_TOOLBAR1 + 3), Cmd(ID_VIEW_USER_TOOLBAR1 + 4), Cmd(ID_VIEW_USER_TOOLBAR1 + 5),
    Cmd(ID_VIEW_USER_TOOLBAR1 + 6), Cmd(ID_VIEW_USER_TOOLBAR1 + 7), Cmd(ID_VIEW_USER_TOOLBAR1 + 8),
    Cmd(ID_VIEW_USER_TOOLBAR1 + 9), kSeparator, Cmd(ID_VIEW_CUSTOMIZE),
};
constexpr MenuEntry kToolbarsMenu{MenuEntryKind::Submenu, 0, "&Toolbars", kToolbarToggles};

constexpr std::array kGridMenuEntries = {
    Cmd(ID_GRID_ON_OFF), kSeparator,
    Cmd(ID_GRID_FIRST + 0), Cmd(ID_GRID_FIRST + 1), Cmd(ID_GRID_FIRST + 2), Cmd(ID_GRID_FIRST + 3),
    Cmd(ID_GRID_FIRST + 4), Cmd(ID_GRID_FIRST + 5), Cmd(ID_GRID_FIRST + 6), Cmd(ID_GRID_FIRST + 7),
    Cmd(ID_GRID_FIRST + 8), Cmd(ID_GRID_FIRST + 9), kSeparator, Cmd(ID_GRID_OTHER),
};
constexpr MenuEntry kGridMenu{MenuEntryKind::Submenu, 0, "&Grid", kGridMenuEntries};

// Without a font: resource 128.
constexpr std::array kFrameFile = {
    Cmd(ID_FILE_NEW), Cmd(ID_FILE_OPEN), kSeparator, kRecent, kSeparator, Cmd(ID_APP_EXIT),
};
constexpr std::array kFrameView = {kToolbarsMenu, Cmd(ID_VIEW_STATUS_BAR)};
constexpr std::array kHelp = {Cmd(ID_HELP_KEYS), kSeparator, Cmd(ID_APP_ABOUT)};
constexpr std::array kFrameMenus = std::to_array<MenuDef>({
    {"&File", kFrameFile},
    {"&View", kFrameView},
    {"&Help", kHelp},
});

// With a font: resource 129.
constexpr std::array kDocFile = {
    Cmd(ID_FILE_NEW), Cmd(ID_FILE_OPEN), Cmd(ID_FILE_CLOSE), Cmd(ID_FILE_SAVE),
    Cmd(ID_FILE_SAVE_AS), kSeparator, Cmd(ID_FILE_PRINT), Cmd(ID_FILE_PRINT_PREVIEW),
    Cmd(ID_FILE_EXPORT_PDF), kSeparator, kRecent, kSeparator, Cmd(ID_APP_EXIT),
};
constexpr std::array kDocEdit = {
    Cmd(ID_EDIT_UNDO), Cmd(ID_EDIT_REDO), kSeparator,
    Cmd(ID_EDIT_CUT), Cmd(ID_EDIT_COPY), Cmd(ID_EDIT_PASTE), kSeparator,
    Cmd(41051), Cmd(41022), Cmd(41025), kSeparator,
    Cmd(41034), Cmd(41228), Cmd(41086), Cmd(41087), Cmd(41090), kSeparator,
    Cmd(41033), Cmd(41088), Cmd(41089), Cmd(41091), Cmd(41039),
};
constexpr std::array kDocView = {
    kToolbarsMenu, Cmd(ID_VIEW_STATUS_BAR), Cmd(ID_VIEW_UNDO_HISTORY), kSeparator,
    Cmd(41043), Cmd(ID_ZOOM_ORIGINAL), Cmd(ID_ZOOM_WINDOW), Cmd(19240), Cmd(41163), kSeparator,
    kGridMenu, Cmd(ID_SNAP), Cmd(ID_SNAP_TO_GRID), Cmd(41124), Cmd(41125), kSeparator,
    Cmd(ID_SHOW_TABLE), Cmd(ID_HELP_LINES),
};
constexpr std::array kDocDraw = {
    Cmd(41040), Cmd(41041), Cmd(41026), Cmd(41027), Cmd(41029), Cmd(41239), Cmd(41045), Cmd(41234),
};
constexpr std::array kDocChar = {
    Cmd(ID_LOAD_CHAR), Cmd(ID_SAVE_CHAR), Cmd(ID_CLEAR_CHAR), kSeparator, Cmd(41241), Cmd(41242),
};
constexpr std::array kDocWindow = {
    Cmd(ID_WINDOW_CASCADE), Cmd(ID_WINDOW_TILE_HORZ), Cmd(ID_WINDOW_LIST), kSeparator, kWindows,
};
constexpr std::array kDocMenus = std::to_array<MenuDef>({
    {"&File", kDocFile},
    {"&Edit", kDocEdit},
    {"&View", kDocView},
    {"&Draw", kDocDraw},
    {"&Char", kDocChar},
    {"&Window", kDocWindow},
    {"&Help", kHelp},
});

constexpr std::array kStandardButtons = {
    ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, 0, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, 0,
    ID_EDIT_UNDO, ID_EDIT_REDO, 0, ID_FILE_PRINT, ID_APP_ABOUT,
};
constexpr std::array kEditButtons = {
    41051, 41020, 41023, 41021, 41024, 41022, 41025, 0,
    41034, 41228, 41086, 41087, 41090, 0,
    41033, 41088, 41089, 41091, 41039,
};
constexpr std::array kViewButtons = {
    41043, ID_ZOOM_ORIGINAL, ID_ZOOM_WINDOW, 41163, 0,
    ID_GRID_ON_OFF, ID_SNAP, ID_SNAP_TO_GRID, 41124, 41125, 0, ID_SHOW_TABLE,
};
constexpr std::array kDrawButtons = {41040, 41041, 41026, 41027, 41029, 41239, 41045, 41234};
constexpr std::array kCharButtons = {
    ID_LOAD_CHAR, ID_SAVE_CHAR, ID_CLEAR_CHAR, 0, 41241, 41242, 0, ID_HELP_LINES,
};

constexpr std::array kToolbars = std::to_array<ToolbarDef>({
    {ID_VIEW_TOOLBAR, 128, "Standard", kStandardButtons},
    {ID_VIEW_EDIT_BAR, 19454, "Edit", kEditButtons},
    {ID_VIEW_VIEW_BAR, 18120, "View", kViewButtons},
    {ID_VIEW_DRAW_BAR, 19452, "Draw", kDrawButtons},
    {ID_VIEW_CHAR_BAR, 19455, "Char", kCharButtons},
});

constexpr std::array kMyMenu = {ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE};
// clang-format on

}  // namespace

std::span<const MenuDef> DocumentMenuBar() {
    return kDocMenus;
}
std::span<const MenuDef> FrameMenuBar() {
    return kFrameMenus;
}
std::span<const MenuEntry> GridSizeMenu() {
    return kGridSizes;
}
std::span<const ToolbarDef> Toolbars() {
    return kToolbars;
}
std::span<const int> MyMenuCommands() {
    return kMyMenu;
}

}  // namespace korvo
