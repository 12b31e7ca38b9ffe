#pragma once

#include <cstddef>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "geometry/PlaneGeometry.h"

namespace korvo {

class CData;
class CDataCollection;

// The selected nodes of a drawing in drawing order: a selected node with everything in it, and
// selected nodes inside groups that are not selected themselves. A node is never listed together
// with one of its groups, so nothing travels twice; a floating node is being carried by a tool and
// is not part of the drawing.
std::vector<CData*> CollectSelectedNodes(CDataCollection& nodes);

// Copies of `nodes` stored as one collection, each copy moved by `offset` (the nodes themselves
// are not touched, so no rounding creeps into the drawing). Empty when a node is nested too
// deeply to be stored.
std::vector<std::byte> StoreClipboardCollection(std::span<CData* const> nodes,
                                                PointF offset = {0.0f, 0.0f});

// What reading clipboard bytes gave: the whole collection, or no nodes at all and the reason.
struct ClipboardRead {
    std::unique_ptr<CDataCollection> nodes;
    std::string error;
    std::size_t errorOffset = 0;
};

// Clipboard bytes come from any program. They are accepted only as one complete collection; any
// damage leaves `nodes` null, so nothing of a damaged collection is ever used.
ClipboardRead ReadClipboardCollection(std::span<const std::byte> bytes);

}  // namespace korvo
