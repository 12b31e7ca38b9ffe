#include "commands/CommandRegistry.h"

#include <algorithm>
#include <array>
#include <new>

#include "app/KorvoFEDoc.h"
#include "model/DrawObj.h"
#include "model/Paper.h"
#include "tools/FuncToolArc.h"
#include "tools/FuncToolBreak.h"
#include "tools/FuncToolCircle.h"
#include "tools/FuncToolCopy.h"
#include "tools/FuncToolEllipse.h"
#include "tools/FuncToolErase.h"
#include "tools/FuncToolExtend.h"
#include "tools/FuncToolFitPaper.h"
#include "tools/FuncToolJoin.h"
#include "tools/FuncToolLine.h"
#include "tools/FuncToolMirror.h"
#include "tools/FuncToolMoveCopy.h"
#include "tools/FuncToolParallel.h"
#include "tools/FuncToolPaste.h"
#include "tools/FuncToolPlace.h"
#include "tools/FuncToolPoint.h"
#include "tools/FuncToolPolygon.h"
#include "tools/FuncToolRectangle.h"
#include "tools/FuncToolRedraw.h"
#include "tools/FuncToolRotate.h"
#include "tools/FuncToolScale.h"
#include "tools/FuncToolSelectAll.h"
#include "tools/FuncToolSelectSingle.h"
#include "tools/FuncToolSelectTool.h"
#include "tools/FuncToolSelectWindow.h"
#include "tools/FuncToolTrim.h"
#include "tools/FuncToolZoomExtents.h"
#include "tools/FuncToolZoomWindow.h"
#include "tools/ToolFactory.h"
#include "view/KorvoFEView.h"
#include "view/ViewCommands.h"
#include "view/ViewSwitches.h"

namespace korvo {

namespace {

// --- tool makers ---------------------------------------------------------------------------------

template <class Tool, auto... Args>
std::unique_ptr<IViewTool> Make(CKorvoFEView& view) {
    // Out of memory the view gets no tool and ignores tool events until the next CreateTool.
    return std::unique_ptr<IViewTool>(new (std::nothrow) Tool(view, Args...));
}

constexpr auto kSelect = SelectionMode::Select;
constexpr auto kDeselect = SelectionMode::Deselect;
constexpr auto kCut = CFuncToolCopy::Mode::Cut;
constexpr auto kCopy = CFuncToolCopy::Mode::Copy;

// --- what commands do ----------------------------------------------------------------------------

template <auto Method, auto... Args>
void Call(CKorvoFEView& view, int /*id*/) {
    (view.*Method)(Args...);
}

template <auto Method>
void CallWithId(CKorvoFEView& view, int id) {
    (view.*Method)(id);
}

// The editor embeds no items, so closing one and the empty command do nothing.
void Nothing(CKorvoFEView& /*view*/, int /*id*/) {}

void HelpLines(CKorvoFEView& view, int /*id*/) {
    // The document's dialog, run by the view so that its changes become an undo step.
    view.GetDocument().OnHelpLines();
}

void FlipSnapToGrid(CKorvoFEView& /*view*/, int /*id*/) {
    g_bSnapToGrid = !g_bSnapToGrid;
}

// --- when they are enabled and checked -----------------------------------------------------------

bool CanUndo(const CKorvoFEView& view, int /*id*/) {
    return view.GetDocument().GetUndoHistory().CanUndo();
}
bool CanRedo(const CKorvoFEView& view, int /*id*/) {
    return view.GetDocument().GetUndoHistory().CanRedo();
}
bool HasPaper(const CKorvoFEView& view, int /*id*/) {
    return view.GetPaper() != nullptr;
}
bool ClipboardHasDrawing(const CKorvoFEView& view, int /*id*/) {
    return view.Host().ClipboardHasFormat(kClipboardFormat);
}
bool GridShown(const CKorvoFEView& view, int /*id*/) {
    return view.GetPaper() != nullptr && view.GetPaper()->IsShowGrid();
}
bool TableShown(const CKorvoFEView& view, int /*id*/) {
    return view.GetPaper() != nullptr && view.GetPaper()->IsShowTable();
}
bool GridSizeChosen(const CKorvoFEView& /*view*/, int id) {
    return id == g_nGridCmd;
}
// Snapping belongs to the tools: without one the mark stays off.
bool Snapping(const CKorvoFEView& view, int /*id*/) {
    return view.GetTool() != nullptr && g_nSnapMode != 0;
}
template <const bool& Switch>
bool SwitchOn(const CKorvoFEView& /*view*/, int /*id*/) {
    return Switch;
}

// Commands the main window answers, with or without an open font.
constexpr CommandInfo Frame(CommandInfo row) {
    row.frame = FrameCommand::Always;
    return row;
}
constexpr CommandInfo FrameWithFont(CommandInfo row) {
    row.frame = FrameCommand::WithDocument;
    return row;
}

using enum CommandKind;
using V = CKorvoFEView;

// A row leaves out the fields after its last one that differs from the default.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
// clang-format off
// id, kind, menu text, "prompt\ntooltip", keys, bundled icon, theme icon,
// tool, its maker, what the command does, enabled, checked, needs a selection, undo name
constexpr std::array kCommands = std::to_array<CommandInfo>({
    // --- File -----------------------------------------------------------------------------------
    Frame({ID_FILE_NEW, Command, "&New", "Create a new font\nNew", "Ctrl+N", "document-new", "document-new"}),
    Frame({ID_FILE_OPEN, Command, "&Open...", "Open an existing font\nOpen", "Ctrl+O", "document-open", "document-open"}),
    FrameWithFont({ID_FILE_CLOSE, Command, "&Close", "Close the active font\nClose", "Ctrl+W; Ctrl+F4", "", "window-close"}),
    FrameWithFont({ID_FILE_SAVE, Command, "&Save", "Save the active font\nSave", "Ctrl+S", "document-save", "document-save"}),
    FrameWithFont({ID_FILE_SAVE_AS, Command, "Save &As...", "Save the active font under a new name\nSave As", "", "", "document-save-as"}),
    FrameWithFont({ID_FILE_PRINT, Command, "&Print...", "Print the sheet of the active font\nPrint", "Ctrl+P", "document-print", "document-print"}),
    FrameWithFont({ID_FILE_PRINT_PREVIEW, Command, "Print Pre&view", "Show the printed page of the sheet\nPrint Preview", "", "document-print-preview", "document-print-preview"}),
    FrameWithFont({ID_FILE_EXPORT_PDF, Command, "&Export PDF...", "Write the sheet as a PDF file at its true size\nExport PDF", "", "export-pdf", ""}),
    Frame({ID_FILE_MRU_FILE1 + 0, Command, "", "Open this font\nRecent font"}),
    Frame({ID_FILE_MRU_FILE1 + 1, Command, "", "Open this font\nRecent font"}),
    Frame({ID_FILE_MRU_FILE1 + 2, Command, "", "Open this font\nRecent font"}),
    Frame({ID_FILE_MRU_FILE1 + 3, Command, "", "Open this font\nRecent font"}),
    Frame({ID_APP_EXIT, Command, "E&xit", "Quit the editor; offers to save the fonts\nExit", "Ctrl+Q", "", "application-exit"}),

    // --- Edit -----------------------------------------------------------------------------------
    // The view runs Undo and Redo itself (they are no undo steps); their tools only name steps.
    {ID_EDIT_UNDO, Command, "&Undo", "Undo the last action\nUndo", "Ctrl+Z", "edit-undo", "edit-undo", 19083, nullptr, nullptr, CanUndo},
    {ID_EDIT_REDO, Command, "&Redo", "Redo the action undone last\nRedo", "Ctrl+Y; Ctrl+Shift+Z", "edit-redo", "edit-redo", 19084, nullptr, nullptr, CanRedo},
    {ID_EDIT_CUT, Tool, "Cu&t", "Cut the selection and put it on the clipboard\nCut", "Ctrl+X", "edit-cut", "edit-cut", 19057, Make<CFuncToolCopy, kCut>, nullptr, nullptr, nullptr, true},
    {ID_EDIT_COPY, Tool, "&Copy", "Copy the selection and put it on the clipboard\nCopy", "Ctrl+C; Ctrl+Ins", "edit-copy", "edit-copy", 19058, Make<CFuncToolCopy, kCopy>, nullptr, nullptr, nullptr, true},
    {ID_EDIT_PASTE, Tool, "&Paste", "Insert the elements on the clipboard\nPaste", "Ctrl+V; Shift+Ins", "edit-paste", "edit-paste", 19059, Make<CFuncToolPaste>, nullptr, ClipboardHasDrawing},
    {41051, Tool, "&Select", "Select elements by clicking or with a window\nSelect", "", "select", "", kToolSelection, Make<CFuncToolSelectTool>},
    {41020, Tool, "", "Select one element\nSelect single", "", "select-single", "", 19068, Make<CFuncToolSelectSingle, kSelect>},
    {41023, Tool, "", "Deselect one element\nDeselect single", "", "deselect-single", "", 19069, Make<CFuncToolSelectSingle, kDeselect>},
    {41021, Tool, "", "Select the elements inside a window\nSelect window", "", "select-window", "", 19072, Make<CFuncToolSelectWindow, kSelect>},
    {41024, Tool, "", "Deselect the elements inside a window\nDeselect window", "", "deselect-window", "", 19073, Make<CFuncToolSelectWindow, kDeselect>},
    {41036, Tool, "", "Select a symbol\nSelect symbol", "", "", "", 19070},
    {41037, Tool, "", "Deselect a symbol\nDeselect symbol", "", "", "", 19071},
    {41022, Tool, "Select &all", "Select every element\nSelect all", "Ctrl+A", "select-all", "", 19092, Make<CFuncToolSelectAll, kSelect>},
    {41025, Tool, "Deselect &all", "Deselect every element\nDeselect all", "Ctrl+B", "deselect-all", "", 19067, Make<CFuncToolSelectAll, kDeselect>},
    {41034, Tool, "&Move selected", "Move the selected elements\nMove marked", "", "move", "", 19177, Make<CFuncToolMoveCopy, false>, nullptr, nullptr, nullptr, true},
    {41228, Tool, "&Copy selected", "Copy the selected elements to another place\nCopy selected", "", "copy-selected", "", 19295, Make<CFuncToolMoveCopy, true>, nullptr, nullptr, nullptr, true},
    {41086, Tool, "&Rotate selected", "Rotate the selected elements\nRotate selected", "", "rotate", "", 19175, Make<CFuncToolRotate>, nullptr, nullptr, nullptr, true},
    {41087, Tool, "&Scale selected", "Scale the selected elements\nScale selected", "", "scale", "", 19176, Make<CFuncToolScale>, nullptr, nullptr, nullptr, true},
    {41090, Tool, "&Mirror selected", "Mirror the selected elements\nMirror selected", "", "mirror", "", 19174, Make<CFuncToolMirror>, nullptr, nullptr, nullptr, true},
    {41033, Tool, "Erase &selected", "Erase marked elements\nErase marked", "Del", "erase", "", 19074, Make<CFuncToolErase>, nullptr, nullptr, nullptr, true},
    {41088, Tool, "Break element", "Remove the piece of an element between two points\nBreak element", "", "break", "", 19172, Make<CFuncToolBreak>},
    {41089, Tool, "Extend element", "Lengthen an element up to a boundary element\nExtend element", "", "extend", "", 19173, Make<CFuncToolExtend>},
    {41091, Tool, "Trim element", "Cut an element at a cutting element\nTrim element", "", "trim", "", 19171, Make<CFuncToolTrim>},
    {41039, Tool, "&Join elements", "Join two lines at their intersection\nJoin Entities", "", "join", "", 19088, Make<CFuncToolJoin>},
    {kCmdApplyWidth, Command, "", "Give the selected elements the current width\nApply width", "", "", "", 0, nullptr, Call<&V::ApplyToSelection, true>},
    {kCmdApplyLevel, Command, "", "Put the selected elements on the current level\nApply level", "", "", "", 0, nullptr, Call<&V::ApplyToSelection, false>},
    {kCmdRotateLeft, Command, "", "Turn the tool's input a quarter turn counter-clockwise\nTurn left", "", "", "", 0, nullptr, CallWithId<&V::MainToolCommand>},
    {kCmdRotateRight, Command, "", "Turn the tool's input a quarter turn clockwise\nTurn right", "", "", "", 0, nullptr, CallWithId<&V::MainToolCommand>},
    {kCmdScaleUp, Command, "", "Double the tool's input\nScale up", "", "", "", 0, nullptr, CallWithId<&V::MainToolCommand>},
    {kCmdScaleDown, Command, "", "Halve the tool's input\nScale down", "", "", "", 0, nullptr, CallWithId<&V::MainToolCommand>},
    {kCmdFinish, Command, "", "Finish the current tool\nFinish", "", "", "", 0, nullptr, CallWithId<&V::MainToolCommand>},
    {kCmdNothing, Command, "", "", "", "", "", 0, nullptr, Nothing},
    {ID_CANCEL_EDIT_CNTR, Command, "", "Cancel editing\nCancel", "Esc", "", "", 0, nullptr, Nothing},
    // Commands whose tools the view accepts without a tool: only the status is refreshed.
    {41028, Tool, "", "", "", "", "", 19064},
    {41035, Tool, "", "", "", "", "", 19065},
    {41032, Tool, "", "Draw filled or hatched polygon", "", "", "", 19085},
    {41047, Tool, "", "Hatch selected area", "", "", "", 19119},
    {41042, Tool, "", "", "", "", "", kToolChangeAttribute, nullptr, nullptr, nullptr, nullptr, true},
    {41229, Tool, "", "", "", "", "", 19309, nullptr, nullptr, nullptr, nullptr, true},
    {41230, Tool, "", "", "", "", "", 19310, nullptr, nullptr, nullptr, nullptr, true},
    {41232, Tool, "", "", "", "", "", 19456},
    {41233, Tool, "", "", "", "", "", 19457},
    {19459, Tool, "", "", "", "", "", 19461},
    {19460, Tool, "", "", "", "", "", 19462},

    // --- Draw -----------------------------------------------------------------------------------
    {41040, Tool, "&Line", "Draw connected lines\nDraw line", "", "line", "", 19060, Make<CFuncToolLine>},
    {41041, Tool, "&Rectangle", "Draw a rectangle of four lines\nDraw rectangle", "", "rectangle", "", 19066, Make<CFuncToolRectangle>},
    {41026, Tool, "&Circle", "Draw a circle\nDraw circle", "Shift+C", "circle", "", 19062, Make<CFuncToolCircle>},
    {41027, Tool, "&Arc", "Draw a circular arc\nDraw arc", "Shift+B", "arc", "", 19061, Make<CFuncToolArc>},
    {41029, Tool, "&Ellipse", "Draw an axis-parallel ellipse\nDraw ellipse", "", "ellipse", "", 19063, Make<CFuncToolEllipse>},
    {41239, Tool, "Draw point", "Draw a point\nDraw point", "", "point", "", 32827, Make<CFuncToolPoint>},
    {41045, Tool, "&Parallel", "Draw parallel to existing element\nDraw Parallel", "", "parallel", "", 19190, Make<CFuncToolParallel>},
    {41234, Tool, "P&olygon", "Draw a filled polygon through the clicked points\nPolygon", "", "polygon", "", 19458, Make<CFuncToolPolygon>},

    // --- View -----------------------------------------------------------------------------------
    Frame({ID_VIEW_TOOLBAR, Toggle, "&Standard", "Show or hide the Standard toolbar\nToggle ToolBar"}),
    Frame({ID_VIEW_EDIT_BAR, Toggle, "&Edit", "Show or hide the Edit toolbar\nToggle Edit bar"}),
    Frame({ID_VIEW_VIEW_BAR, Toggle, "&View", "Show or hide the View toolbar\nToggle View bar"}),
    Frame({ID_VIEW_DRAW_BAR, Toggle, "&Draw", "Show or hide the Draw toolbar\nToggle Draw bar"}),
    Frame({ID_VIEW_CHAR_BAR, Toggle, "&Char", "Show or hide the Char toolbar\nToggle Char bar"}),
    Frame({ID_VIEW_USER_TOOLBAR1 + 0, Toggle, "User Toolbar 1", "Show or hide the user toolbar\nToggle User ToolBar"}),
    Frame({ID_VIEW_USER_TOOLBAR1 + 1, Toggle, "User Toolbar 2", "Show or hide the user toolbar\nToggle User ToolBar"}),
    Frame({ID_VIEW_USER_TOOLBAR1 + 2, Toggle, "User Toolbar 3", "Show or hide the user toolbar\nToggle User ToolBar"}),
    Frame({ID_VIEW_USER_TOOLBAR1 + 3, Toggle, "User Toolbar 4", "Show or hide the user toolbar\nToggle User ToolBar"}),
    Frame({ID_VIEW_USER_TOOLBAR1 + 4, Toggle, "User Toolbar 5", "Show or hide the user toolbar\nToggle User ToolBar"}),
    Frame({ID_VIEW_USER_TOOLBAR1 + 5, Toggle, "User Toolbar 6", "Show or hide the user toolbar\nToggle User ToolBar"}),
    Frame({ID_VIEW_USER_TOOLBAR1 + 6, Toggle, "User Toolbar 7", "Show or hide the user toolbar\nToggle User ToolBar"}),
    Frame({ID_VIEW_USER_TOOLBAR1 + 7, Toggle, "User Toolbar 8", "Show or hide the user toolbar\nToggle User ToolBar"}),
    Frame({ID_VIEW_USER_TOOLBAR1 + 8, Toggle, "User Toolbar 9", "Show or hide the user toolbar\nToggle User ToolBar"}),
    Frame({ID_VIEW_USER_TOOLBAR1 + 9, Toggle, "User Toolbar 10", "Show or hide the user toolbar\nToggle User ToolBar"}),
    Frame({ID_VIEW_CUSTOMIZE, Command, "&Customize...", "Arrange toolbars, keys and menus to your liking\nCustomize", "", "", "configure"}),
    Frame({ID_VIEW_STATUS_BAR, Toggle, "&Status Bar", "Show or hide the status bar\nToggle StatusBar"}),
    Frame({ID_VIEW_UNDO_HISTORY, Toggle, "Undo &History", "Show or hide the list of undo steps\nUndo History"}),
    {41043, TemporaryTool, "&Redraw", "Redraw the drawing\nRedraw", "", "redraw", "", kToolRedraw, Make<CFuncToolRedraw>},
    {ID_ZOOM_ORIGINAL, TemporaryTool, "Zoom &original", "Show the whole drawing area\nZoom original", "F3", "zoom-original", "", kToolZoomExtents, Make<CFuncToolZoomExtents>},
    {ID_ZOOM_WINDOW, TemporaryTool, "Zoom &window", "Zoom to a window dragged with two clicks\nZoom window", "F4", "zoom-window", "", kToolZoomWindow, Make<CFuncToolZoomWindow>},
    {41163, Tool, "&Fit paper", "Fit the drawing area to the drawing\nFit paper", "", "zoom-fit", "", 19240, Make<CFuncToolFitPaper>},
    {19240, Command, "Show &all", "Show the whole paper\nShow all"},
    {ID_GRID_ON_OFF, Toggle, "On / Off", "Grid On / Off\nGrid On / Off", "G", "grid", "", 0, nullptr, Call<&V::ToggleGrid>, nullptr, GridShown, false, "Grid On / Off"},
    {ID_GRID_FIRST + 0, Toggle, "0.10 mm", "Grid of 0.10 mm\n0.10 mm", "", "", "", 0, nullptr, CallWithId<&V::SetGridCommand>, nullptr, GridSizeChosen, false, "Grid 0.10 mm"},
    {ID_GRID_FIRST + 1, Toggle, "0.50 mm", "Grid of 0.50 mm\n0.50 mm", "", "", "", 0, nullptr, CallWithId<&V::SetGridCommand>, nullptr, GridSizeChosen, false, "Grid 0.50 mm"},
    {ID_GRID_FIRST + 2, Toggle, "1.00 mm", "Grid of 1.00 mm\n1.00 mm", "", "", "", 0, nullptr, CallWithId<&V::SetGridCommand>, nullptr, GridSizeChosen, false, "Grid 1.00 mm"},
    {ID_GRID_FIRST + 3, Toggle, "1.25 mm", "Grid of 1.25 mm\n1.25 mm", "", "", "", 0, nullptr, CallWithId<&V::SetGridCommand>, nullptr, GridSizeChosen, false, "Grid 1.25 mm"},
    {ID_GRID_FIRST + 4, Toggle, "2.50 mm", "Grid of 2.50 mm\n2.50 mm", "", "", "", 0, nullptr, CallWithId<&V::SetGridCommand>, nullptr, GridSizeChosen, false, "Grid 2.50 mm"},
    {ID_GRID_FIRST + 5, Toggle, "5.00 mm", "Grid of 5.00 mm\n5.00 mm", "", "", "", 0, nullptr, CallWithId<&V::SetGridCommand>, nullptr, GridSizeChosen, false, "Grid 5.00 mm"},
    {ID_GRID_FIRST + 6, Toggle, "10.00 mm", "Grid of 10.00 mm\n10.00 mm", "", "", "", 0, nullptr, CallWithId<&V::SetGridCommand>, nullptr, GridSizeChosen, false, "Grid 10.00 mm"},
    {ID_GRID_FIRST + 7, Toggle, "20.00 mm", "Grid of 20.00 mm\n20.00 mm", "", "", "", 0, nullptr, CallWithId<&V::SetGridCommand>, nullptr, GridSizeChosen, false, "Grid 20.00 mm"},
    {ID_GRID_FIRST + 8, Toggle, "40.00 mm", "Grid of 40.00 mm\n40.00 mm", "", "", "", 0, nullptr, CallWithId<&V::SetGridCommand>, nullptr, GridSizeChosen, false, "Grid 40.00 mm"},
    {ID_GRID_FIRST + 9, Toggle, "80.00 mm", "Grid of 80.00 mm\n80.00 mm", "", "", "", 0, nullptr, CallWithId<&V::SetGridCommand>, nullptr, GridSizeChosen, false, "Grid 80.00 mm"},
    {ID_GRID_OTHER, Toggle, "Other", "Set a grid of your own size\nOther", "", "", "", 0, nullptr, CallWithId<&V::SetGridCommand>, nullptr, GridSizeChosen, false, "Grid Other"},
    {ID_SNAP, Toggle, "&Snap to points", "Snap to end, mid, intersection and centre points\nSnap on/off", "F", "snap", "", 0, nullptr, Call<&V::ToggleSnap>, nullptr, Snapping},
    {ID_SNAP_TO_GRID, Toggle, "Snap to &Grid", "Snap to the grid where no point of the drawing is near\nSnap to Grid", "F9", "snap-grid", "", 0, nullptr, FlipSnapToGrid, nullptr, SwitchOn<g_bSnapToGrid>},
    {kCmdTrackers, Toggle, "Trackers on selected elements", "Show grips on the selected elements\nTrackers on selected elements", "", "trackers", "", 0, nullptr, Call<&V::ToggleTrackers>, nullptr, SwitchOn<g_bTrackers>},
    {kCmdStyledDrawing, Toggle, "St&yled drawing", "Draw the elements with their line styles and widths\nStyled drawing", "", "styled", "", 0, nullptr, Call<&V::ToggleStyledDrawing>, nullptr, SwitchOn<g_bStyledDrawing>},
    {ID_SHOW_TABLE, Toggle, "&Table", "Show the character table beside the drawing area\nShow FontTable", "T", "table", "", 0, nullptr, Call<&V::ShowFontTable>, nullptr, TableShown},
    {ID_HELP_LINES, Command, "&Helplines...", "Switch the help lines on and off and place them\nHelplines", "", "helplines", "", 0, nullptr, HelpLines, HasPaper},

    // --- Char -----------------------------------------------------------------------------------
    {ID_LOAD_CHAR, Command, "&Load Char", "Load a character of the font into the drawing area\nLoad Char", "L", "load-char", "", 0, nullptr, Call<&V::LoadChar>},
    {ID_SAVE_CHAR, Command, "&Save Char", "Store the drawing as a character of the font\nSave Char", "S", "save-char", "", 0, nullptr, Call<&V::SaveChar>},
    {ID_CLEAR_CHAR, Command, "&Clear Char", "Clear the drawing\nClear Char", "C", "clear-char", "", 0, nullptr, Call<&V::ClearChar>},
    {kCmdConvertToLines, Command, "Convert to Lines", "Turn circles, arcs, ellipses and polygons into lines\nConvert to lines", "", "convert-lines", "", 0, nullptr, Call<&V::ConvertOrTrim, true>},
    {kCmdTrimLines, Command, "Trim Lines", "Clip the lines at the drawing area\nTrim lines", "", "trim-lines", "", 0, nullptr, Call<&V::ConvertOrTrim, false>},

    // --- Window and Help ------------------------------------------------------------------------
    FrameWithFont({ID_WINDOW_CASCADE, Command, "&Cascade", "Arrange the windows so they overlap\nCascade Windows"}),
    FrameWithFont({ID_WINDOW_TILE_HORZ, Command, "&Tile", "Arrange the windows as tiles that do not overlap\nTile Windows"}),
    FrameWithFont({ID_WINDOW_LIST, Command, "&Windows...", "Manages the currently opened window\nWindow List"}),
    Frame({ID_HELP_KEYS, Command, "&Keys and Mouse...", "List every command with its keys, and the mouse's habits\nKeys and Mouse", "", "", "help-contents"}),
    Frame({ID_APP_ABOUT, Command, "&About KorvoFE...", "Show the program's version\nAbout", "", "help-about", "help-about"}),
});

// Tools that no command installs: the view reaches them by message 1126.
constexpr std::array kTools = std::to_array<CommandInfo>({
    {0, Tool, "", "", "", "", "", kToolSelectionTool, Make<CFuncToolSelectTool>},
    {0, Tool, "", "", "", "", "", 19078, Make<CFuncToolPlace>},
    // Accepted without changing the tools: only the status is refreshed.
    {0, Tool, "", "", "", "", "", 19079}, {0, Tool, "", "", "", "", "", 19080},
    {0, Tool, "", "", "", "", "", 19081}, {0, Tool, "", "", "", "", "", 19090},
    {0, Tool, "", "", "", "", "", 19091}, {0, Tool, "", "", "", "", "", 19123},
    {0, Tool, "", "", "", "", "", 19200}, {0, Tool, "", "", "", "", "", 19203},
    {0, Tool, "", "", "", "", "", 19222}, {0, Tool, "", "", "", "", "", 19227},
    {0, Tool, "", "", "", "", "", 19255}, {0, Tool, "", "", "", "", "", 19265},
    {0, Tool, "", "", "", "", "", 19266}, {0, Tool, "", "", "", "", "", 19270},
    {0, Tool, "", "", "", "", "", 19328}, {0, Tool, "", "", "", "", "", 41068},
});
// clang-format on
#pragma GCC diagnostic pop

const CommandInfo* FindIn(std::span<const CommandInfo> rows, auto matches) {
    const auto found = std::find_if(rows.begin(), rows.end(), matches);
    return found == rows.end() ? nullptr : &*found;
}

}  // namespace

std::span<const CommandInfo> AllCommands() {
    return kCommands;
}

std::span<const CommandInfo> ToolsWithoutCommand() {
    return kTools;
}

const CommandInfo* FindCommand(int id) {
    return FindIn(kCommands, [id](const CommandInfo& row) { return row.id == id; });
}

const CommandInfo* FindToolRow(int toolId) {
    const auto installs = [toolId](const CommandInfo& row) { return row.tool == toolId; };
    if (toolId == 0) {
        return nullptr;
    }
    const CommandInfo* row = FindIn(kCommands, installs);
    return row != nullptr ? row : FindIn(kTools, installs);
}

// --- the views' factory --------------------------------------------------------------------------

IToolFactory::Made CToolFactory::Make(int toolId, CKorvoFEView& view) {
    const CommandInfo* row = FindToolRow(toolId);
    if (row == nullptr) {
        return {Kind::Unknown, nullptr};
    }
    if (row->make == nullptr) {
        return {Kind::NoTool, nullptr};
    }
    return {row->kind == CommandKind::TemporaryTool ? Kind::Temporary : Kind::Main,
            row->make(view)};
}

const CommandInfo* CToolFactory::Command(int id) const {
    return FindCommand(id);
}

const CommandInfo* CToolFactory::Tool(int toolId) const {
    return FindToolRow(toolId);
}

}  // namespace korvo
