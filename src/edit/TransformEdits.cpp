#include "edit/TransformEdits.h"

#include <cstdint>
#include <new>
#include <utility>

#include "model/Data.h"
#include "model/DataCollection.h"
#include "model/Paper.h"

namespace korvo {

namespace {

template <class Collection, class Node>
void CollectInto(Collection& nodes, std::vector<Node*>& out) {
    for (Node* node : nodes) {
        if (node->IsFloating()) {
            continue;
        }
        if (node->GetMark() != kMarkNormal) {
            // The node's own transform carries its children along.
            out.push_back(node);
        } else if (Collection* children = node->GetChildren()) {
            CollectInto(*children, out);
        }
    }
}

// Runs `change` on every selected node and returns the extents before and after.
template <class Change>
RectF ChangeSelected(CPaper& paper, Change change) {
    RectF touched = RectF::Empty();
    for (CData* node : CollectSelected(*paper.GetCollection())) {
        touched.Include(node->GetExtents(paper));
        change(*node);
        touched.Include(node->GetExtents(paper));
    }
    return touched;
}

// Copies of `originals`, changed and appended to the sheet with `mark`; their extents.
template <class Change>
RectF AddTransformedCopies(CPaper& paper, const std::vector<CData*>& originals, std::uint16_t mark,
                           Change change) {
    RectF touched = RectF::Empty();
    for (const CData* original : originals) {
        std::unique_ptr<CData> copy = original->Clone();
        if (copy == nullptr) {
            continue;  // nested too deeply to be stored: nothing to copy, the original stays
        }
        change(*copy);
        CData* added = paper.AddNode(std::move(copy));
        added->SetMark(mark);
        touched.Include(added->GetExtents(paper));
    }
    return touched;
}

}  // namespace

std::vector<CData*> CollectSelected(CDataCollection& nodes) {
    std::vector<CData*> selected;
    CollectInto(nodes, selected);
    return selected;
}

std::unique_ptr<CDataCollection> CloneSelected(const CDataCollection& nodes) {
    std::unique_ptr<CDataCollection> copies(new (std::nothrow) CDataCollection);
    if (copies == nullptr) {
        return nullptr;
    }
    std::vector<const CData*> selected;
    CollectInto(nodes, selected);
    for (const CData* node : selected) {
        if (std::unique_ptr<CData> copy = node->Clone()) {
            copies->Add(std::move(copy));
        }
    }
    return copies;
}

RectF SelectedExtents(CPaper& paper) {
    RectF extents = RectF::Empty();
    for (CData* node : CollectSelected(*paper.GetCollection())) {
        extents.Include(node->GetExtents(paper));
    }
    return extents;
}

void MoveNode(CData& node, PointF base, PointF target, const GhostPose& pose) {
    node.MoveBy(target.x - base.x, target.y - base.y);
    node.Scale(target.x, target.y, pose.fx, pose.fy);
    node.Rotate(target.x, target.y, DegToRad(pose.angle));
}

void MirrorNode(CData& node, PointF origin, double angle) {
    node.Rotate(origin.x, origin.y, -angle);
    node.Scale(origin.x, origin.y, 1.0, -1.0);
    node.Rotate(origin.x, origin.y, angle);
}

RectF MoveSelected(CPaper& paper, PointF base, PointF target, const GhostPose& pose) {
    return ChangeSelected(paper, [&](CData& node) { MoveNode(node, base, target, pose); });
}

RectF CopySelected(CPaper& paper, PointF base, PointF target, const GhostPose& pose) {
    const std::vector<CData*> originals = CollectSelected(*paper.GetCollection());
    RectF touched = AddTransformedCopies(paper, originals, kMarkSelected,
                                         [&](CData& copy) { MoveNode(copy, base, target, pose); });
    // The copies become the selection; the originals change colour, so they are redrawn too.
    for (CData* original : originals) {
        original->SetMark(kMarkNormal);
        touched.Include(original->GetExtents(paper));
    }
    return touched;
}

RectF RotateSelected(CPaper& paper, PointF centre, double angle) {
    return ChangeSelected(paper, [&](CData& node) { node.Rotate(centre.x, centre.y, angle); });
}

RectF ScaleSelected(CPaper& paper, PointF base, double fx, double fy) {
    return ChangeSelected(paper, [&](CData& node) { node.Scale(base.x, base.y, fx, fy); });
}

RectF MirrorSelected(CPaper& paper, PointF origin, double angle) {
    return ChangeSelected(paper, [&](CData& node) { MirrorNode(node, origin, angle); });
}

RectF AddRotatedCopies(CPaper& paper, PointF centre, double angle) {
    return AddTransformedCopies(paper, CollectSelected(*paper.GetCollection()), kMarkNormal,
                                [&](CData& copy) { copy.Rotate(centre.x, centre.y, angle); });
}

RectF AddMirroredCopies(CPaper& paper, PointF origin, double angle) {
    return AddTransformedCopies(paper, CollectSelected(*paper.GetCollection()), kMarkNormal,
                                [&](CData& copy) { MirrorNode(copy, origin, angle); });
}

}  // namespace korvo
