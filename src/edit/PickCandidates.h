#pragma once

#include <vector>

#include "platform/DrawContext.h"

namespace korvo {

class CData;
class CDataCollection;
class CPaper;

// The nodes the trim, extend, break and join tools may pick: every line at any depth and, unless
// `linesOnly`, every ellipse and arc. Full circles and all other elements never take part.
std::vector<CData*> CollectPickCandidates(CDataCollection& drawing, bool linesOnly);

// Device pixels around the cursor within which a candidate is picked.
inline constexpr int kCandidatePickPixels = 10;

// The nearest candidate (not `excluded`) within kCandidatePickPixels of the point, or null. Ties
// keep the earlier candidate.
CData* PickCandidate(CPaper& paper, const std::vector<CData*>& candidates, DevicePoint p,
                     const CData* excluded);

// Whether the node is still part of the drawing, found by address alone: a tool holding nodes
// across events asks this before touching one, as a command may have deleted it meanwhile.
bool IsInDrawing(const CDataCollection& drawing, const CData* node);

// The candidates that are still part of the drawing, in their order.
std::vector<CData*> LiveCandidates(const CDataCollection& drawing,
                                   const std::vector<CData*>& candidates);

}  // namespace korvo
