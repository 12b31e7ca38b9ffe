#pragma once

#include <array>

#include "edit/EditResult.h"
#include "geometry/PlaneGeometry.h"

namespace korvo {

class CData;
class CDataCollection;

// Which part of a line TrimLine leaves: Trim removes the clicked piece, Join keeps it.
enum class TrimKeep { RemoveClicked, KeepClicked };

// Cuts a line at the points p1 and p2 on it (equal for a single cut) and, by where the click c
// lies, removes or keeps the piece clicked. Removing the middle piece splits the line; the far
// piece becomes a new node beside it (in `drawing` when the line is in no group).
EditResult TrimLine(CData& line, CDataCollection& drawing, PointF p1, PointF p2, PointF c,
                    TrimKeep keep);

// Removes the clicked piece of an ellipse or arc cut at the points p1 and p2 on it; a full
// ellipse becomes an arc, an arc cut in its middle is split in two.
EditResult TrimArc(CData& ellipse, CDataCollection& drawing, PointF p1, PointF p2, PointF c);

// The same for up to four cut points (repeated points stand for fewer): the span between the
// cut points around the click is removed.
EditResult TrimArc4(CData& ellipse, CDataCollection& drawing, const std::array<PointF, 4>& points,
                    PointF c);

// Trims `trimmed` at its crossings with `cutting`, removing the piece clicked at c. Crossings
// that do not lie on the trimmed element (or lie exactly at a line's end) change nothing.
PairEdit TrimElement(CData& cutting, CData& trimmed, CDataCollection& drawing, PointF c,
                     EditResult& result);

}  // namespace korvo
