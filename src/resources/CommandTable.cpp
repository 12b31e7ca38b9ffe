#include "resources/CommandTable.h"

#include <algorithm>
#include <array>

namespace korvo {

namespace {

// clang-format off
// id, menu text, "prompt\ntooltip", keys, bundled icon, theme icon, checkable
constexpr std::array kCommands = std::to_array<CommandInfo>({
    // --- File -----------------------------------------------------------------------------------
    {ID_FILE_NEW, "&New", "Create a new font\nNew", "Ctrl+N", "document-new", "document-new", false},
    {ID_FILE_OPEN, "&Open...", "Open an existing font\nOpen", "Ctrl+O", "document-open", "document-open", false},
    {ID_FILE_CLOSE, "&Close", "Close the active font\nClose", "Ctrl+W; Ctrl+F4", "", "window-close", false},
    {ID_FILE_SAVE, "&Save", "Save the active font\nSave", "Ctrl+S", "document-save", "document-save", false},
    {ID_FILE_SAVE_AS, "Save &As...", "Save the active font under a new name\nSave As", "", "", "document-save-as", false},
    {ID_FILE_PRINT, "&Print...", "Print the sheet of the active font\nPrint", "Ctrl+P", "document-print", "document-print", false},
    {ID_FILE_PRINT_PREVIEW, "Print Pre&view", "Show the printed page of the sheet\nPrint Preview", "", "document-print-preview", "document-print-preview", false},
    {ID_FILE_EXPORT_PDF, "&Export PDF...", "Write the sheet as a PDF file at its true size\nExport PDF", "", "export-pdf", "", false},
    {ID_FILE_MRU_FILE1 + 0, "", "Open this font\nRecent font", "", "", "", false},
    {ID_FILE_MRU_FILE1 + 1, "", "Open this font\nRecent font", "", "", "", false},
    {ID_FILE_MRU_FILE1 + 2, "", "Open this font\nRecent font", "", "", "", false},
    {ID_FILE_MRU_FILE1 + 3, "", "Open this font\nRecent font", "", "", "", false},
    {ID_APP_EXIT, "E&xit", "Quit the editor; offers to save the fonts\nExit", "Ctrl+Q", "", "application-exit", false},

    // --- Edit -----------------------------------------------------------------------------------
    {ID_EDIT_UNDO, "&Undo", "Undo the last action\nUndo", "Ctrl+Z", "edit-undo", "edit-undo", false},
    {ID_EDIT_REDO, "&Redo", "Redo the action undone last\nRedo", "Ctrl+Y; Ctrl+Shift+Z", "edit-redo", "edit-redo", false},
    {ID_EDIT_CUT, "Cu&t", "Cut the selection and put it on the clipboard\nCut", "Ctrl+X", "edit-cut", "edit-cut", false},
    {ID_EDIT_COPY, "&Copy", "Copy the selection and put it on the clipboard\nCopy", "Ctrl+C; Ctrl+Ins", "edit-copy", "edit-copy", false},
    {ID_EDIT_PASTE, "&Paste", "Insert the elements on the clipboard\nPaste", "Ctrl+V; Shift+Ins", "edit-paste", "edit-paste", false},
    {41051, "&Select", "Select elements by clicking or with a window\nSelect", "", "select", "", false},
    {41020, "", "Select one element\nSelect single", "", "select-single", "", false},
    {41023, "", "Deselect one element\nDeselect single", "", "deselect-single", "", false},
    {41021, "", "Select the elements inside a window\nSelect window", "", "select-window", "", false},
    {41024, "", "Deselect the elements inside a window\nDeselect window", "", "deselect-window", "", false},
    {41036, "", "Select a symbol\nSelect symbol", "", "", "", false},
    {41037, "", "Deselect a symbol\nDeselect symbol", "", "", "", false},
    {41022, "Select &all", "Select every element\nSelect all", "Ctrl+A", "select-all", "", false},
    {41025, "Deselect &all", "Deselect every element\nDeselect all", "Ctrl+B", "deselect-all", "", false},
    {41034, "&Move selected", "Move the selected elements\nMove marked", "", "move", "", false},
    {41228, "&Copy selected", "Copy the selected elements to another place\nCopy selected", "", "copy-selected", "", false},
    {41086, "&Rotate selected", "Rotate the selected elements\nRotate selected", "", "rotate", "", false},
    {41087, "&Scale selected", "Scale the selected elements\nScale selected", "", "scale", "", false},
    {41090, "&Mirror selected", "Mirror the selected elements\nMirror selected", "", "mirror", "", false},
    {41033, "Erase &selected", "Erase marked elements\nErase marked", "Del", "erase", "", false},
    {41088, "Break element", "Remove the piece of an element between two points\nBreak element", "", "break", "", false},
    {41089, "Extend element", "Lengthen an element up to a boundary element\nExtend element", "", "extend", "", false},
    {41091, "Trim element", "Cut an element at a cutting element\nTrim element", "", "trim", "", false},
    {41039, "&Join elements", "Join two lines at their intersection\nJoin Entities", "", "join", "", false},
    {19410, "", "Give the selected elements the current width\nApply width", "", "", "", false},
    {41204, "", "Put the selected elements on the current level\nApply level", "", "", "", false},
    {41055, "", "Turn the tool's input a quarter turn counter-clockwise\nTurn left", "", "", "", false},
    {41058, "", "Turn the tool's input a quarter turn clockwise\nTurn right", "", "", "", false},
    {41059, "", "Double the tool's input\nScale up", "", "", "", false},
    {41060, "", "Halve the tool's input\nScale down", "", "", "", false},
    {41057, "", "Finish the current tool\nFinish", "", "", "", false},
    {41046, "", "", "", "", "", false},
    {ID_CANCEL_EDIT_CNTR, "", "Cancel editing\nCancel", "Esc", "", "", false},
    {41028, "", "", "", "", "", false},
    {41035, "", "", "", "", "", false},
    {41032, "", "Draw filled or hatched polygon", "", "", "", false},
    {41047, "", "Hatch selected area", "", "", "", false},
    {41042, "", "", "", "", "", false},
    {41229, "", "", "", "", "", false},
    {41230, "", "", "", "", "", false},
    {41232, "", "", "", "", "", false},
    {41233, "", "", "", "", "", false},
    {19459, "", "", "", "", "", false},
    {19460, "", "", "", "", "", false},

    // --- Draw -----------------------------------------------------------------------------------
    {41040, "&Line", "Draw connected lines\nDraw line", "", "line", "", false},
    {41041, "&Rectangle", "Draw a rectangle of four lines\nDraw rectangle", "", "rectangle", "", false},
    {41026, "&Circle", "Draw a circle\nDraw circle", "Shift+C", "circle", "", false},
    {41027, "&Arc", "Draw a circular arc\nDraw arc", "Shift+B", "arc", "", false},
    {41029, "&Ellipse", "Draw an axis-parallel ellipse\nDraw ellipse", "", "ellipse", "", false},
    {41239, "Draw point", "Draw a point\nDraw point", "", "point", "", false},
    {41045, "&Parallel", "Draw parallel to existing element\nDraw Parallel", "", "parallel", "", false},
    {41234, "P&olygon", "Draw a filled polygon through the clicked points\nPolygon", "", "polygon", "", false},

    // --- View -----------------------------------------------------------------------------------
    {ID_VIEW_TOOLBAR, "&Standard", "Show or hide the Standard toolbar\nToggle ToolBar", "", "", "", true},
    {ID_VIEW_EDIT_BAR, "&Edit", "Show or hide the Edit toolbar\nToggle Edit bar", "", "", "", true},
    {ID_VIEW_VIEW_BAR, "&View", "Show or hide the View toolbar\nToggle View bar", "", "", "", true},
    {ID_VIEW_DRAW_BAR, "&Draw", "Show or hide the Draw toolbar\nToggle Draw bar", "", "", "", true},
    {ID_VIEW_CHAR_BAR, "&Char", "Show or hide the Char toolbar\nToggle Char bar", "", "", "", true},
    {ID_VIEW_USER_TOOLBAR1 + 0, "User Toolbar 1", "Show or hide the user toolbar\nToggle User ToolBar", "", "", "", true},
    {ID_VIEW_USER_TOOLBAR1 + 1, "User Toolbar 2", "Show or hide the user toolbar\nToggle User ToolBar", "", "", "", true},
    {ID_VIEW_USER_TOOLBAR1 + 2, "User Toolbar 3", "Show or hide the user toolbar\nToggle User ToolBar", "", "", "", true},
    {ID_VIEW_USER_TOOLBAR1 + 3, "User Toolbar 4", "Show or hide the user toolbar\nToggle User ToolBar", "", "", "", true},
    {ID_VIEW_USER_TOOLBAR1 + 4, "User Toolbar 5", "Show or hide the user toolbar\nToggle User ToolBar", "", "", "", true},
    {ID_VIEW_USER_TOOLBAR1 + 5, "User Toolbar 6", "Show or hide the user toolbar\nToggle User ToolBar", "", "", "", true},
    {ID_VIEW_USER_TOOLBAR1 + 6, "User Toolbar 7", "Show or hide the user toolbar\nToggle User ToolBar", "", "", "", true},
    {ID_VIEW_USER_TOOLBAR1 + 7, "User Toolbar 8", "Show or hide the user toolbar\nToggle User ToolBar", "", "", "", true},
    {ID_VIEW_USER_TOOLBAR1 + 8, "User Toolbar 9", "Show or hide the user toolbar\nToggle User ToolBar", "", "", "", true},
    {ID_VIEW_USER_TOOLBAR1 + 9, "User Toolbar 10", "Show or hide the user toolbar\nToggle User ToolBar", "", "", "", true},
    {ID_VIEW_CUSTOMIZE, "&Customize...", "Arrange toolbars, keys and menus to your liking\nCustomize", "", "", "configure", false},
    {ID_VIEW_STATUS_BAR, "&Status Bar", "Show or hide the status bar\nToggle StatusBar", "", "", "", true},
    {ID_VIEW_UNDO_HISTORY, "Undo &History", "Show or hide the list of undo steps\nUndo History", "", "", "", true},
    {41043, "&Redraw", "Redraw the drawing\nRedraw", "", "redraw", "", false},
    {ID_ZOOM_ORIGINAL, "Zoom &original", "Show the whole drawing area\nZoom original", "F3", "zoom-original", "", false},
    {ID_ZOOM_WINDOW, "Zoom &window", "Zoom to a window dragged with two clicks\nZoom window", "F4", "zoom-window", "", false},
    {41163, "&Fit paper", "Fit the drawing area to the drawing\nFit paper", "", "zoom-fit", "", false},
    {19240, "Show &all", "Show the whole paper\nShow all", "", "", "", false},
    {ID_GRID_ON_OFF, "On / Off", "Grid On / Off\nGrid On / Off", "G", "grid", "", true},
    {ID_GRID_FIRST + 0, "0.10 mm", "Grid of 0.10 mm\n0.10 mm", "", "", "", true},
    {ID_GRID_FIRST + 1, "0.50 mm", "Grid of 0.50 mm\n0.50 mm", "", "", "", true},
    {ID_GRID_FIRST + 2, "1.00 mm", "Grid of 1.00 mm\n1.00 mm", "", "", "", true},
    {ID_GRID_FIRST + 3, "1.25 mm", "Grid of 1.25 mm\n1.25 mm", "", "", "", true},
    {ID_GRID_FIRST + 4, "2.50 mm", "Grid of 2.50 mm\n2.50 mm", "", "", "", true},
    {ID_GRID_FIRST + 5, "5.00 mm", "Grid of 5.00 mm\n5.00 mm", "", "", "", true},
    {ID_GRID_FIRST + 6, "10.00 mm", "Grid of 10.00 mm\n10.00 mm", "", "", "", true},
    {ID_GRID_FIRST + 7, "20.00 mm", "Grid of 20.00 mm\n20.00 mm", "", "", "", true},
    {ID_GRID_FIRST + 8, "40.00 mm", "Grid of 40.00 mm\n40.00 mm", "", "", "", true},
    {ID_GRID_FIRST + 9, "80.00 mm", "Grid of 80.00 mm\n80.00 mm", "", "", "", true},
    {ID_GRID_OTHER, "Other", "Set a grid of your own size\nOther", "", "", "", true},
    {ID_SNAP, "&Snap to points", "Snap to end, mid, intersection and centre points\nSnap on/off", "F", "snap", "", true},
    {ID_SNAP_TO_GRID, "Snap to &Grid", "Snap to the grid where no point of the drawing is near\nSnap to Grid", "F9", "snap-grid", "", true},
    {41124, "Trackers on selected elements", "Show grips on the selected elements\nTrackers on selected elements", "", "trackers", "", true},
    {41125, "St&yled drawing", "Draw the elements with their line styles and widths\nStyled drawing", "", "styled", "", true},
    {ID_SHOW_TABLE, "&Table", "Show the character table beside the drawing area\nShow FontTable", "T", "table", "", true},
    {ID_HELP_LINES, "&Helplines...", "Switch the help lines on and off and place them\nHelplines", "", "helplines", "", false},

    // --- Char -----------------------------------------------------------------------------------
    {ID_LOAD_CHAR, "&Load Char", "Load a character of the font into the drawing area\nLoad Char", "L", "load-char", "", false},
    {ID_SAVE_CHAR, "&Save Char", "Store the drawing as a character of the font\nSave Char", "S", "save-char", "", false},
    {ID_CLEAR_CHAR, "&Clear Char", "Clear the drawing\nClear Char", "C", "clear-char", "", false},
    {41241, "Convert to Lines", "Turn circles, arcs, ellipses and polygons into lines\nConvert to lines", "", "convert-lines", "", false},
    {41242, "Trim Lines", "Clip the lines at the drawing area\nTrim lines", "", "trim-lines", "", false},

    // --- Window and Help ------------------------------------------------------------------------
    {ID_WINDOW_CASCADE, "&Cascade", "Arrange the windows so they overlap\nCascade Windows", "", "", "", false},
    {ID_WINDOW_TILE_HORZ, "&Tile", "Arrange the windows as tiles that do not overlap\nTile Windows", "", "", "", false},
    {ID_WINDOW_LIST, "&Windows...", "Manages the currently opened window\nWindow List", "", "", "", false},
    {ID_HELP_KEYS, "&Keys and Mouse...", "List every command with its keys, and the mouse's habits\nKeys and Mouse", "", "", "help-contents", false},
    {ID_APP_ABOUT, "&About KorvoFE...", "Show the program's version\nAbout", "", "help-about", "help-about", false},
});

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

std::span<const CommandInfo> AllCommands() {
    return kCommands;
}

const CommandInfo* FindCommand(int id) {
    const auto* found = std::find_if(kCommands.begin(), kCommands.end(),
                                     [id](const CommandInfo& command) { return command.id == id; });
    return found == kCommands.end() ? nullptr : found;
}

std::string_view StatusTextOf(const CommandInfo& command) {
    return command.prompt.substr(0, command.prompt.find('\n'));
}

std::string_view TooltipOf(const CommandInfo& command) {
    const std::size_t at = command.prompt.find('\n');
    return at == std::string_view::npos ? command.prompt : command.prompt.substr(at + 1);
}

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
