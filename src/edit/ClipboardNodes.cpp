#include "edit/ClipboardNodes.h"

#include <cstdint>

#include "model/DataCollection.h"
#include "model/DrawingClasses.h"
#include "platform/Archive.h"

namespace korvo {

namespace {

void CollectInto(CDataCollection& nodes, std::vector<CData*>& out) {
    for (CData* node : nodes) {
        if (node->GetMark() == kMarkSelected) {
            out.push_back(node);
        } else if (node->GetChildren() != nullptr) {
            CollectInto(*node->GetChildren(), out);
        }
    }
}

}  // namespace

std::vector<CData*> CollectSelectedNodes(CDataCollection& nodes) {
    std::vector<CData*> out;
    CollectInto(nodes, out);
    return out;
}

std::optional<std::vector<std::byte>> StoreNodes(std::span<CData* const> nodes) {
    CDataCollection copies;
    for (const CData* node : nodes) {
        std::unique_ptr<CData> copy = node->Clone();
        if (!copy) {
            return std::nullopt;
        }
        copies.Add(std::move(copy));
    }
    CArchive out;
    out.WriteObject(&copies);
    if (out.IsFailed()) {
        return std::nullopt;
    }
    const std::vector<std::uint8_t>& bytes = out.Bytes();
    const auto* first = reinterpret_cast<const std::byte*>(bytes.data());
    return std::vector<std::byte>(first, first + bytes.size());
}

LoadedNodes LoadNodes(std::span<const std::byte> bytes) {
    const std::span<const std::uint8_t> raw(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                            bytes.size());
    CArchive in(raw, DrawingClasses());
    LoadedNodes loaded;
    loaded.nodes = in.ReadObjectOf<CDataCollection>();
    if (in.IsFailed() || !loaded.nodes) {
        loaded.nodes.reset();
        loaded.error = in.IsFailed() ? in.Error() : "no drawing elements";
        loaded.offset = in.IsFailed() ? in.ErrorOffset() : 0;
    }
    return loaded;
}

}  // namespace korvo
