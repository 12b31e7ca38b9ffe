#pragma once

#include "geometry/RectF.h"

namespace korvo {

class CPaper;

// Edits of the sheet as a whole.

// Deletes the selected nodes at any depth; the area they covered, empty when nothing was
// selected.
RectF EraseMarked(CPaper& paper);

// When any element lies outside the drawing area (left of or below its origin, or beyond its
// size), moves the drawing so that it starts at the origin and makes the area exactly as large
// as the drawing; true when it did. An empty drawing or one inside the area is left alone.
bool FitDrawingToPaper(CPaper& paper);

}  // namespace korvo
