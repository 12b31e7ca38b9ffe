#include "edit/PlaceEdits.h"

#include <memory>

#include "model/DataCollection.h"
#include "model/Paper.h"

namespace korvo {

namespace {

void SetLevelAll(CDataCollection& nodes, std::uint16_t level) {
    for (CData* node : nodes) {
        node->SetLevel(level);
        if (node->GetChildren() != nullptr) {
            SetLevelAll(*node->GetChildren(), level);
        }
    }
}

}  // namespace

std::optional<RectF> DropCopies(CPaper& paper, const CDataCollection& carried,
                                std::optional<std::uint16_t> level) {
    const std::unique_ptr<CDataCollection> copies = carried.Clone();
    if (!copies) {
        return std::nullopt;
    }
    if (level) {
        // The whole symbol lands on the level, members of its groups included: otherwise they
        // would stay behind on levels the user may have hidden.
        SetLevelAll(*copies, *level);
    }
    const RectF covered = copies->GetExtents(paper);
    while (!copies->IsEmpty()) {
        CData* added = paper.AddNode(copies->Detach(copies->GetAt(0)));
        added->SetMark(kMarkSelected);
    }
    return covered;
}

void CentreNodesAt(CPaper& paper, CDataCollection& nodes, PointF at) {
    const RectF extents = nodes.GetExtents(paper);
    if (!extents.IsValid()) {
        return;
    }
    const PointF middle{(extents.minX + extents.maxX) / 2.0f, (extents.minY + extents.maxY) / 2.0f};
    const PointF centre = paper.DeviceToWorld(paper.WorldToDevice(middle));
    nodes.MoveByAll(at.x - centre.x, at.y - centre.y);
}

}  // namespace korvo
