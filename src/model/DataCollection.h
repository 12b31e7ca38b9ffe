#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <memory>
#include <vector>

#include "model/Data.h"

namespace korvo {

// An ordered list of owned nodes: the sheet's drawing, or the members of a group. Operations
// visit the nodes in order and descend into groups. Every node the list holds has the list's
// owner (the group node whose children it is, or null) as its parent.
class CDataCollection : public CObject {
public:
    static const CRuntimeClass kRuntimeClass;
    static constexpr std::uint16_t kSchema = 14;

    using Nodes = std::vector<std::unique_ptr<CData>>;

    // Visits the nodes as pointers; through a const list they are const.
    template <class Node>
    class Iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = Node*;
        using difference_type = std::ptrdiff_t;
        using pointer = Node* const*;
        using reference = Node*;

        Iterator() = default;
        explicit Iterator(Nodes::const_iterator at) : at_(at) {}
        Node* operator*() const { return at_->get(); }
        Iterator& operator++() {
            ++at_;
            return *this;
        }
        Iterator operator++(int) {
            Iterator before = *this;
            ++at_;
            return before;
        }
        friend bool operator==(const Iterator&, const Iterator&) = default;

    private:
        Nodes::const_iterator at_;
    };

    CDataCollection() = default;
    CDataCollection(const CDataCollection&) = delete;
    CDataCollection& operator=(const CDataCollection&) = delete;
    ~CDataCollection() override;

    const CRuntimeClass* GetRuntimeClass() const override { return &kRuntimeClass; }
    // Floating nodes are still being placed by a tool and are not stored. Loading appends the
    // stored nodes only when all of them were read: damaged data adds nothing.
    void Serialize(CArchive& ar) override;
    // A new list of copies of every node, owned by no node; null when a node is nested too deeply
    // to be stored (CArchive::kMaxObjectDepth).
    std::unique_ptr<CDataCollection> Clone() const;

    Iterator<CData> begin() { return Iterator<CData>(nodes_.cbegin()); }
    Iterator<CData> end() { return Iterator<CData>(nodes_.cend()); }
    Iterator<const CData> begin() const { return Iterator<const CData>(nodes_.cbegin()); }
    Iterator<const CData> end() const { return Iterator<const CData>(nodes_.cend()); }
    std::size_t GetCount() const { return nodes_.size(); }
    CData* GetAt(std::size_t index) { return nodes_[index].get(); }
    const CData* GetAt(std::size_t index) const { return nodes_[index].get(); }
    bool IsEmpty() const { return nodes_.empty(); }

    // Appends the node, which takes the list's owner as its parent.
    CData* Add(std::unique_ptr<CData> node);
    // Puts the node before the one at `index` (at the end when there is none).
    CData* Insert(std::size_t index, std::unique_ptr<CData> node);
    // Removes the node from the list and deletes it; false when it is not a direct member.
    bool Remove(const CData* node);
    // Takes the node out of the list without deleting it; it then has no parent.
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
    // Makes `parent` the owner of the list and the parent of every node in it.
    void SetParentAll(CData* parent);

    void Draw(CPaper& paper, IDrawContext* dc);
    void DrawInRect(CPaper& paper, IDrawContext* dc, const CData* except, const RectF& rect);
    void DrawUnmarkedInRect(CPaper& paper, IDrawContext* dc, const RectF& rect);
    void Print(CPaper& paper, IDrawContext* dc);
    void MoveByAll(float dx, float dy);
    void MoveBackAll(float dx, float dy);
    void RotateAll(float cx, float cy, double angle);
    void ScaleAll(float cx, float cy, double fx, double fy);

    RectF GetExtents(CPaper& paper);
    RectF GetMarkedExtents(CPaper& paper, std::uint16_t mark);
    // The nodes whose type lies in low ... high, in visiting order.
    std::vector<CData*> CollectByType(std::int32_t low, std::int32_t high, bool recursive);
    std::vector<const CData*> CollectByType(std::int32_t low, std::int32_t high,
                                            bool recursive) const;

private:
    template <class Doomed>
    void DeleteWhere(Doomed doomed);
    template <class Node>
    void CollectInto(std::vector<Node*>& out, std::int32_t low, std::int32_t high,
                     bool recursive) const;

    Nodes nodes_;
    CData* owner_ = nullptr;
};

}  // namespace korvo
