#include "model/DataCollection.h"

#include <algorithm>

#include "model/DrawingClasses.h"
#include "platform/Archive.h"

namespace korvo {

const CRuntimeClass CDataCollection::kRuntimeClass{
    "CDataCollection", kSchema, true, &CreateInstance<CDataCollection>, &CObject::kRuntimeClass};

CDataCollection::~CDataCollection() = default;

void CDataCollection::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        const auto stored = std::count_if(nodes_.begin(), nodes_.end(),
                                          [](const auto& node) { return !node->IsFloating(); });
        ar.WriteCount(static_cast<std::uint32_t>(stored));
        for (const auto& node : nodes_) {
            if (!node->IsFloating()) {
                ar.WriteObject(node.get());
            }
        }
        return;
    }
    const std::uint32_t count = ar.ReadCount();
    // Every stored node takes at least its two-byte tag: a larger count is damage, and must not
    // reserve memory for nodes that cannot be there.
    if (count > ar.Remaining() / 2) {
        ar.Fail("node count exceeds the data");
        return;
    }
    Nodes loaded;
    for (std::uint32_t i = 0; i < count && !ar.IsFailed(); ++i) {
        std::unique_ptr<CData> node = ar.ReadObjectOf<CData>();
        if (node) {
            loaded.push_back(std::move(node));
        }
    }
    if (ar.IsFailed()) {
        return;
    }
    for (std::unique_ptr<CData>& node : loaded) {
        Add(std::move(node));
    }
}

std::unique_ptr<CDataCollection> CDataCollection::Clone() const {
    CArchive out;
    out.WriteObject(this);
    if (out.IsFailed()) {
        return nullptr;
    }
    CArchive in(out.Bytes(), DrawingClasses());
    return in.ReadObjectOf<CDataCollection>();
}

CData* CDataCollection::Add(std::unique_ptr<CData> node) {
    return Insert(nodes_.size(), std::move(node));
}

CData* CDataCollection::Insert(std::size_t index, std::unique_ptr<CData> node) {
    node->SetParent(owner_);
    const auto at = nodes_.begin() + static_cast<std::ptrdiff_t>(std::min(index, nodes_.size()));
    return nodes_.insert(at, std::move(node))->get();
}

std::unique_ptr<CData> CDataCollection::Detach(const CData* node) {
    const auto it = std::find_if(nodes_.begin(), nodes_.end(),
                                 [node](const auto& owned) { return owned.get() == node; });
    if (it == nodes_.end()) {
        return nullptr;
    }
    std::unique_ptr<CData> detached = std::move(*it);
    nodes_.erase(it);
    detached->SetParent(nullptr);
    return detached;
}

bool CDataCollection::Remove(const CData* node) {
    return Detach(node) != nullptr;
}

void CDataCollection::RemoveAll() {
    nodes_.clear();
}

template <class Doomed>
void CDataCollection::DeleteWhere(Doomed doomed) {
    std::erase_if(nodes_, [&](const auto& node) { return doomed(*node); });
    for (const auto& node : nodes_) {
        if (node->GetChildren() != nullptr) {
            node->GetChildren()->DeleteWhere(doomed);
        }
    }
}

void CDataCollection::DeleteMarked(std::uint16_t mark) {
    DeleteWhere([mark](const CData& node) { return node.GetMark() == mark; });
}

void CDataCollection::DeleteSelected() {
    DeleteWhere([](const CData& node) { return node.GetMark() != kMarkNormal; });
}

void CDataCollection::SetMarkAll(std::uint16_t mark) {
    for (const auto& node : nodes_) {
        node->SetMark(mark);
    }
}

void CDataCollection::ReplaceMark(std::uint16_t from, std::uint16_t to) {
    for (const auto& node : nodes_) {
        node->ReplaceMark(from, to);
    }
}

int CDataCollection::CountMark(std::uint16_t mark) const {
    int count = 0;
    for (const auto& node : nodes_) {
        count += node->CountMark(mark);
    }
    return count;
}

void CDataCollection::SetWidthAll(double width) {
    for (const auto& node : nodes_) {
        node->SetWidth(width, true);
    }
}

void CDataCollection::SetParentAll(CData* parent) {
    owner_ = parent;
    for (const auto& node : nodes_) {
        node->SetParent(parent);
    }
}

void CDataCollection::Draw(CPaper& paper, IDrawContext* dc) {
    for (const auto& node : nodes_) {
        node->Draw(paper, dc);
    }
}

void CDataCollection::DrawInRect(CPaper& paper, IDrawContext* dc, const CData* except,
                                 const RectF& rect) {
    for (const auto& node : nodes_) {
        node->DrawInRect(paper, dc, except, rect);
    }
}

void CDataCollection::DrawUnmarkedInRect(CPaper& paper, IDrawContext* dc, const RectF& rect) {
    for (const auto& node : nodes_) {
        node->DrawUnmarkedInRect(paper, dc, rect);
    }
}

void CDataCollection::Print(CPaper& paper, IDrawContext* dc) {
    for (const auto& node : nodes_) {
        node->Print(paper, dc);
    }
}

void CDataCollection::MoveByAll(float dx, float dy) {
    for (const auto& node : nodes_) {
        node->MoveBy(dx, dy);
    }
}

void CDataCollection::MoveBackAll(float dx, float dy) {
    for (const auto& node : nodes_) {
        node->MoveBack(dx, dy);
    }
}

void CDataCollection::RotateAll(float cx, float cy, double angle) {
    for (const auto& node : nodes_) {
        node->Rotate(cx, cy, angle);
    }
}

void CDataCollection::ScaleAll(float cx, float cy, double fx, double fy) {
    for (const auto& node : nodes_) {
        node->Scale(cx, cy, fx, fy);
    }
}

RectF CDataCollection::GetExtents(CPaper& paper) {
    RectF extents = RectF::Empty();
    for (const auto& node : nodes_) {
        extents.Include(node->GetExtents(paper));
    }
    return extents;
}

RectF CDataCollection::GetMarkedExtents(CPaper& paper, std::uint16_t mark) {
    RectF extents = RectF::Empty();
    for (const auto& node : nodes_) {
        if (node->GetMark() == mark) {
            extents.Include(node->GetExtents(paper));
        } else if (node->GetChildren() != nullptr) {
            extents.Include(node->GetChildren()->GetMarkedExtents(paper, mark));
        }
    }
    return extents;
}

std::vector<CData*> CDataCollection::CollectByType(std::int32_t low, std::int32_t high,
                                                   bool recursive) {
    std::vector<CData*> out;
    CollectInto(out, low, high, recursive);
    return out;
}

std::vector<const CData*> CDataCollection::CollectByType(std::int32_t low, std::int32_t high,
                                                         bool recursive) const {
    std::vector<const CData*> out;
    CollectInto(out, low, high, recursive);
    return out;
}

template <class Node>
void CDataCollection::CollectInto(std::vector<Node*>& out, std::int32_t low, std::int32_t high,
                                  bool recursive) const {
    for (const auto& node : nodes_) {
        if (node->GetType() >= low && node->GetType() <= high) {
            out.push_back(node.get());
        }
        if (recursive && node->GetChildren() != nullptr) {
            node->GetChildren()->CollectInto(out, low, high, recursive);
        }
    }
}

}  // namespace korvo
