#pragma once

namespace korvo {

// Update hints a view receives besides the document's 3001 (everything) and 3002 (forced full
// render): the world rectangle to re-render and the screen rectangle to repaint.
inline constexpr int kHintWorldRect = 3003;
inline constexpr int kHintScreenRect = 3004;

// The private window message that installs a tool by id.
inline constexpr int kMsgCreateTool = 1126;

// Tool ids the view itself names.
inline constexpr int kToolSelection = 19055;
inline constexpr int kToolRedraw = 19056;
inline constexpr int kToolCopy = 19058;
inline constexpr int kToolZoomExtents = 19076;
inline constexpr int kToolZoomWindow = 19077;
inline constexpr int kToolSelectionTool = 19082;
inline constexpr int kToolChangeAttribute = 19089;

// Commands of the view (menus, toolbars, keys).
inline constexpr int kCmdLoadChar = 32824;
inline constexpr int kCmdSaveChar = 32825;
inline constexpr int kCmdClearChar = 32826;
inline constexpr int kCmdConvertToLines = 41241;
inline constexpr int kCmdTrimLines = 41242;
inline constexpr int kCmdShowFontTable = 41237;
inline constexpr int kCmdGridOnOff = 19451;
inline constexpr int kCmdGridFirst = 19440;    // 0.10 mm
inline constexpr int kCmdGridDefault = 19444;  // 2.50 mm
inline constexpr int kCmdGridLast = 19449;     // 80.00 mm
inline constexpr int kCmdGridOther = 19450;
inline constexpr int kCmdSnap = 41092;
inline constexpr int kCmdSnapToGrid = 41093;
inline constexpr int kCmdTrackers = 41124;
inline constexpr int kCmdStyledDrawing = 41125;
inline constexpr int kCmdApplyWidth = 19410;
inline constexpr int kCmdApplyLevel = 41204;
inline constexpr int kCmdRotateLeft = 41055;
inline constexpr int kCmdRotateRight = 41058;
inline constexpr int kCmdScaleUp = 41059;
inline constexpr int kCmdScaleDown = 41060;
inline constexpr int kCmdFinish = 41057;
inline constexpr int kCmdNothing = 41046;
inline constexpr int kCmdCloseInPlace = 32768;
inline constexpr int kCmdZoomOriginal = 41030;
inline constexpr int kCmdZoomWindow = 41031;
inline constexpr int kCmdCut = 57635;
inline constexpr int kCmdCopy = 57634;
inline constexpr int kCmdPaste = 57637;
inline constexpr int kCmdUndo = 57643;
inline constexpr int kCmdRedo = 57644;

// The user grid dialog.
inline constexpr int kDlgUserGrid = 19252;

// The status pane 2 text "Elements = %d  (< 256)".
inline constexpr int kStrElementCount = 19048;
// "Drawing-area is not empty \n Clear drawing-area ?"
inline constexpr int kStrClearDrawingArea = 491;

// The clipboard format of copied drawing elements.
inline constexpr const char* kClipboardFormat = "Korvo++ DataColletion Object";

}  // namespace korvo
