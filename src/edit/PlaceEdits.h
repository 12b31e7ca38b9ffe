#pragma once

#include <cstdint>
#include <optional>

#include "geometry/PlaneGeometry.h"
#include "geometry/RectF.h"

namespace korvo {

class CDataCollection;
class CPaper;

// Placing carried nodes (a symbol, or what was pasted) on the sheet.

// Copies of every carried node go onto the paper, selected; with `level`, every element of the
// copies takes that level, else each keeps its own. Returns the area the copies cover (empty when
// none of them is visible), nothing when they could not be made (nested too deeply); the carried
// nodes themselves are not changed.
std::optional<RectF> DropCopies(CPaper& paper, const CDataCollection& carried,
                                std::optional<std::uint16_t> level);

// Moves the nodes so that the centre of their extents, taken to the nearest device pixel of the
// paper's mapping, lies at `at`. Nodes without extents stay where they are.
void CentreNodesAt(CPaper& paper, CDataCollection& nodes, PointF at);

}  // namespace korvo
