#include "edit/PickCandidates.h"

#include <algorithm>
#include <unordered_set>

#include "edit/EditSupport.h"
#include "model/DataCollection.h"
#include "model/Paper.h"

namespace korvo {

namespace {

template <class Wanted>
void CollectInto(CDataCollection& nodes, std::vector<CData*>& out, Wanted wanted) {
    for (CData* node : nodes) {
        if (wanted(node->GetElement())) {
            out.push_back(node);
        }
        if (node->GetChildren() != nullptr) {
            CollectInto(*node->GetChildren(), out, wanted);
        }
    }
}

void AddressesOf(const CDataCollection& nodes, std::unordered_set<const CData*>& out) {
    for (const CData* node : nodes) {
        out.insert(node);
        if (node->GetChildren() != nullptr) {
            AddressesOf(*node->GetChildren(), out);
        }
    }
}

}  // namespace

std::vector<CData*> CollectPickCandidates(CDataCollection& drawing, bool linesOnly) {
    // Lines first, then the curves: on equal distance a line wins.
    std::vector<CData*> out;
    CollectInto(drawing, out, IsLineElement);
    if (!linesOnly) {
        CollectInto(drawing, out, IsEllipseElement);
    }
    return out;
}

CData* PickCandidate(CPaper& paper, const std::vector<CData*>& candidates, DevicePoint p,
                     const CData* excluded) {
    const RectF square =
        paper.DeviceRectToWorld({p.x - kCandidatePickPixels, p.y - kCandidatePickPixels,
                                 p.x + kCandidatePickPixels, p.y + kCandidatePickPixels});
    const PointF at = paper.DeviceToWorld(p);
    CData* best = nullptr;
    double bestDistance = 1.0e8;
    for (CData* node : candidates) {
        if (node == excluded || !node->GetExtents(paper).Overlaps(square)) {
            continue;
        }
        const double d = node->GetDistance(paper, at);
        if (d >= 0.0 && d < bestDistance) {
            best = node;
            bestDistance = d;
        }
    }
    if (best == nullptr || paper.LengthToDevice(bestDistance) > kCandidatePickPixels) {
        return nullptr;
    }
    return best;
}

bool IsInDrawing(const CDataCollection& drawing, const CData* node) {
    for (const CData* n : drawing) {
        if (n == node || (n->GetChildren() != nullptr && IsInDrawing(*n->GetChildren(), node))) {
            return true;
        }
    }
    return false;
}

std::vector<CData*> LiveCandidates(const CDataCollection& drawing,
                                   const std::vector<CData*>& candidates) {
    std::unordered_set<const CData*> live;
    AddressesOf(drawing, live);
    std::vector<CData*> out;
    std::copy_if(candidates.begin(), candidates.end(), std::back_inserter(out),
                 [&live](const CData* node) { return live.contains(node); });
    return out;
}

}  // namespace korvo
