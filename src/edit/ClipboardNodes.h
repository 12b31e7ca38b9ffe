#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace korvo {

class CData;
class CDataCollection;

// Drawing nodes on their way between views, characters and programs travel as one stored
// CDataCollection (the bytes under the clipboard format).

// The selected nodes of a drawing, in drawing order: a selected node with everything in it, and
// selected nodes inside groups that are not selected themselves. A node is never listed together
// with one of its groups, so nothing travels twice.
std::vector<CData*> CollectSelectedNodes(CDataCollection& nodes);

// The nodes stored as one collection of copies; nothing when a node is nested too deeply to be
// stored.
std::optional<std::vector<std::byte>> StoreNodes(std::span<CData* const> nodes);

// What loading clipboard bytes gave: the nodes, or why there are none.
struct LoadedNodes {
    std::unique_ptr<CDataCollection> nodes;
    // Empty when the bytes loaded; else what is damaged, at `offset` bytes into the data.
    std::string error;
    std::size_t offset = 0;
};

// The collection stored in `bytes`, all of it or nothing. Bytes after a complete collection are
// ignored: clipboards of some systems round their blocks up.
LoadedNodes LoadNodes(std::span<const std::byte> bytes);

}  // namespace korvo
