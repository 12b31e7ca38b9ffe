#pragma once

namespace korvo {

// Process-wide switches of the editor, shared by every view and tool. They start at their
// defaults and are never stored. (g_bStyledDrawing belongs to the drawing model, model/DrawObj.h.)

// The snap kinds (the bits of model/Paper.h's kSnap... values) the tools snap to; 0 is off.
extern int g_nSnapMode;
// Grips on the selected elements.
extern bool g_bTrackers;
// The grid-size command whose menu entry is checked (19440 ... 19450).
extern int g_nGridCmd;
// Points that snapped to no element snap to the sheet's grid. The window stores it in the
// settings; everything else starts without it.
extern bool g_bSnapToGrid;
// Wheel zoom keeps the drawing point under the pointer instead of moving it (and the pointer)
// to the middle of the view. A view whose window cannot move the pointer does so anyway.
extern bool g_bZoomAboutPointer;

// The snap mode the Snap on/off command switches on: all four kinds.
inline constexpr int kSnapAll = 15;

}  // namespace korvo
