#pragma once

namespace korvo {

// Process-wide switches of the editor, shared by every view and tool. They start at their
// defaults and are never stored. (g_bStyledDrawing belongs to the drawing model, model/DrawObj.h.)

// The snap kinds (the bits of model/Paper.h's kSnap... values) the tools snap to; 0 is off.
extern int g_nSnapMode;
// The kind of point the last snap search found (0 none), which selects the snap marker.
extern int g_nSnapHit;
// Grips on the selected elements.
extern bool g_bTrackers;
// The grid-size command whose menu entry is checked (19440 ... 19450).
extern int g_nGridCmd;

// The snap mode the Snap on/off command switches on: all four kinds.
inline constexpr int kSnapAll = 15;

}  // namespace korvo
