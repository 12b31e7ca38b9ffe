#pragma once

#include <cstdint>
#include <memory>

#include "model/DrawObj.h"

namespace korvo {

// Node types.
inline constexpr std::int32_t kNodeGroup = 0;
inline constexpr std::int32_t kNodeLine = 1;
inline constexpr std::int32_t kNodeEllipse = 2;
inline constexpr std::int32_t kNodePoint = 3;
inline constexpr std::int32_t kNodeText = 4;

// Draw marks.
inline constexpr std::uint16_t kMarkNormal = 0;
inline constexpr std::uint16_t kMarkSelected = 1;
inline constexpr std::uint16_t kMarkBackground = 2;

// One node of a drawing: owns at most one element and adds what the element does not know about
// itself — what kind of stroke it stands for, whether it is selected, whether a tool is still
// placing it, and which group it belongs to.
class CData {
public:
    CData() = default;
    explicit CData(std::int32_t type) : type_(type) {}
    CData(const CData&) = delete;
    CData& operator=(const CData&) = delete;
    ~CData();

    std::int32_t GetType() const { return type_; }
    std::uint16_t GetMark() const { return mark_; }
    // A node a tool is still placing keeps its mark.
    void SetMark(std::uint16_t mark);
    bool IsFloating() const { return floating_ != 0; }
    void SetFloating(bool floating) { floating_ = floating ? 1 : 0; }
    CData* GetParent() const { return parent_; }
    void SetParent(CData* parent) { parent_ = parent; }

    CDrawObj* GetElement() const { return element_.get(); }
    // Takes ownership; the previous element is deleted.
    void SetElement(std::unique_ptr<CDrawObj> element);

    bool IsVisible() const;
    std::uint16_t GetLevel() const;
    bool Draw(CPaper& paper, IDrawContext* dc);
    double GetDistance(CPaper& paper, PointF p);

private:
    std::int32_t floating_ = 0;
    std::int32_t reserved_ = 0;
    std::int32_t type_ = kNodeGroup;
    std::uint16_t mark_ = kMarkNormal;
    CData* parent_ = nullptr;
    std::unique_ptr<CDrawObj> element_;
};

}  // namespace korvo
