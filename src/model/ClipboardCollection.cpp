#include "model/ClipboardCollection.h"

#include "model/DataCollection.h"
#include "model/DrawingClasses.h"
#include "platform/Archive.h"

namespace korvo {

namespace {

void CollectInto(CDataCollection& nodes, std::vector<CData*>& out) {
    for (CData* node : nodes) {
        if (node->IsFloating()) {
            continue;
        }
        if (node->GetMark() == kMarkSelected) {
            out.push_back(node);
        } else if (CDataCollection* children = node->GetChildren()) {
            CollectInto(*children, out);
        }
    }
}

}  // namespace

std::vector<CData*> CollectSelectedNodes(CDataCollection& nodes) {
    std::vector<CData*> out;
    CollectInto(nodes, out);
    return out;
}

std::vector<std::byte> StoreClipboardCollection(std::span<CData* const> nodes, PointF offset) {
    CDataCollection copies;
    for (const CData* node : nodes) {
        std::unique_ptr<CData> copy = node->Clone();
        if (!copy) {
            return {};
        }
        copy->MoveBy(offset.x, offset.y);
        copies.Add(std::move(copy));
    }
    CArchive out;
    out.WriteObject(&copies);
    if (out.IsFailed()) {
        return {};
    }
    const std::vector<std::uint8_t>& bytes = out.Bytes();
    const auto* first = reinterpret_cast<const std::byte*>(bytes.data());
    return {first, first + bytes.size()};
}

ClipboardRead ReadClipboardCollection(std::span<const std::byte> bytes) {
    ClipboardRead result;
    if (bytes.empty()) {
        result.error = "no data";
        return result;
    }
    const std::span<const std::uint8_t> raw(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                            bytes.size());
    CArchive in(raw, DrawingClasses());
    std::unique_ptr<CDataCollection> nodes = in.ReadObjectOf<CDataCollection>();
    if (in.IsFailed()) {
        result.error = in.Error();
        result.errorOffset = in.ErrorOffset();
        return result;
    }
    if (!nodes) {
        result.error = "no drawing in the data";
        return result;
    }
    // Whatever follows the collection is the sender's padding (clipboards round their blocks up).
    result.nodes = std::move(nodes);
    return result;
}

}  // namespace korvo
