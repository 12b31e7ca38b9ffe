#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "model/Data.h"

namespace korvo {

// An ordered list of owned nodes: the sheet's drawing, or the members of a group. Operations
// visit the nodes in order and descend into groups.
class CDataCollection : public CObject {
public:
    static const CRuntimeClass kRuntimeClass;
    static constexpr std::uint16_t kSchema = 14;

    using Nodes = std::vector<std::unique_ptr<CData>>;

    CDataCollection() = default;
    CDataCollection(const CDataCollection&) = delete;
    CDataCollection& operator=(const CDataCollection&) = delete;
    ~CDataCollection() override;

    const CRuntimeClass* GetRuntimeClass() const override { return &kRuntimeClass; }
    // Floating nodes are still being placed by a tool and are not stored.
    void Serialize(CArchive& ar) override;
    std::unique_ptr<CDataCollection> Clone() const;

    Nodes::const_iterator begin() const { return nodes_.begin(); }
    Nodes::const_iterator end() const { return nodes_.end(); }
    std::size_t GetCount() const { return nodes_.size(); }
    CData* GetAt(std::size_t index) const { return nodes_[index].get(); }
    bool IsEmpty() const { return nodes_.empty(); }

    // Appends the node; with a parent given it becomes the node's parent.
    CData* Add(std::unique_ptr<CData> node, CData* parent = nullptr);
    // Removes the node from the list and deletes it; false when it is not a direct member.
    bool Remove(const CData* node);
    // Takes the node out of the list without deleting it.
    std::unique_ptr<CData> Detach(const CData* node);
    void RemoveAll();
    // Deletes every node at any depth whose mark equals `mark`.
    void DeleteMarked(std::uint16_t mark);
    // Deletes every node at any depth whose mark is not 0.
    void DeleteSelected();

    void SetMarkAll(std::uint16_t mark);
    void ReplaceMark(std::uint16_t from, std::uint16_t to);
    int CountMark(std::uint16_t mark) const;
    void SetWidthAll(double width);
    void SetParentAll(CData* parent);

    void Draw(CPaper& paper, IDrawContext* dc);
    void DrawInRect(CPaper& paper, IDrawContext* dc, const CData* except, const RectF& rect);
    void DrawUnmarkedInRect(CPaper& paper, IDrawContext* dc, const RectF& rect);
    void Print(CPaper& paper, IDrawContext* dc);
    void MoveByAll(float dx, float dy);
    void MoveBackAll(float dx, float dy);
    void RotateAll(float cx, float cy, double angle);
    void ScaleAll(float cx, float cy, double fx, double fy);

    RectF GetExtents(CPaper& paper) const;
    RectF GetMarkedExtents(CPaper& paper, std::uint16_t mark) const;
    // The nodes whose type lies in low ... high, in visiting order.
    std::vector<CData*> CollectByType(std::int32_t low, std::int32_t high, bool recursive) const;

private:
    template <class Doomed>
    void DeleteWhere(Doomed doomed);
    void CollectInto(std::vector<CData*>& out, std::int32_t low, std::int32_t high,
                     bool recursive) const;

    Nodes nodes_;
};

}  // namespace korvo
