#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "model/DrawObj.h"

namespace korvo {

class CDataCollection;

// Node types.
inline constexpr std::int32_t kNodeGroup = 0;
inline constexpr std::int32_t kNodeLine = 1;
inline constexpr std::int32_t kNodeEllipse = 2;
inline constexpr std::int32_t kNodePoint = 3;
inline constexpr std::int32_t kNodeText = 4;
// Nodes of these types only live while a tool runs; loading a sheet drops them.
inline constexpr std::int32_t kFirstTransientType = 21110;
inline constexpr std::int32_t kLastTransientType = 21120;

// Draw marks.
inline constexpr std::uint16_t kMarkNormal = 0;
inline constexpr std::uint16_t kMarkSelected = 1;
inline constexpr std::uint16_t kMarkBackground = 2;
inline constexpr std::uint16_t kMarkDoomed = 100;

// One node of a drawing: owns at most one element and at most one group of child nodes, and adds
// what the element does not know about itself — what kind of stroke it stands for, whether it
// is selected, whether a tool is still placing it, and which group it belongs to. Most of what
// tools do to "the drawing" is a call on a node that forwards to the element and descends into
// the children.
class CData : public CObject {
public:
    static const CRuntimeClass kRuntimeClass;
    static constexpr std::uint16_t kSchema = 14;

    CData();
    explicit CData(std::int32_t type);
    CData(const CData&) = delete;
    CData& operator=(const CData&) = delete;
    ~CData() override;

    const CRuntimeClass* GetRuntimeClass() const override { return &kRuntimeClass; }
    void Serialize(CArchive& ar) override;
    // A deep copy through a memory archive: what is stored is duplicated, mark and floating flag
    // are not. The copy belongs to no collection yet. Null when the node is nested too deeply to
    // be stored (CArchive::kMaxObjectDepth); the node itself is never changed.
    std::unique_ptr<CData> Clone() const;

    // --- factories: the width is given in drawing units ------------------------------------
    void CreateLine(float x1, float y1, float x2, float y2, std::uint16_t style, float width,
                    std::uint32_t color, std::uint16_t level);
    void CreateEllipse(float cx, float cy, float a, float b, float start, float end, float rotation,
                       std::uint16_t style, float width, std::uint32_t color, std::uint16_t level);
    void CreateCircle(float cx, float cy, float r, std::uint16_t style, float width,
                      std::uint32_t color, std::uint32_t fillStyle, std::uint32_t fillColor,
                      std::uint32_t hatch, std::uint16_t level);
    // A text label; the text is in the display code page, the angle in degrees.
    void CreateText(const std::string& text, float x, float y, float height, float relSize1,
                    float relSize2, float angle, std::uint16_t textFlags, std::int32_t fontNumber,
                    const std::string& fontName, float width, std::uint32_t color,
                    std::uint16_t level);

    // --- structure --------------------------------------------------------------------------
    // The parent link is kept by the collections: a node's parent is the node whose children
    // hold it, or null at the top of a drawing and while no collection holds it.
    const CDrawObj* GetElement() const { return element_.get(); }
    CDrawObj* GetElement() { return element_.get(); }
    void SetElement(std::unique_ptr<CDrawObj> element);
    const CDataCollection* GetChildren() const { return children_.get(); }
    CDataCollection* GetChildren() { return children_.get(); }
    void SetChildren(std::unique_ptr<CDataCollection> children);
    bool HasChildren() const;
    void AddChild(std::unique_ptr<CData> node);
    const CData* GetParent() const { return parent_; }
    CData* GetParent() { return parent_; }

    std::int32_t GetType() const { return type_; }
    std::int32_t GetID() const { return type_; }
    bool IsFloating() const { return floating_ != 0; }
    void SetFloating(bool floating) { floating_ = floating ? 1 : 0; }

    // --- marks (a node a tool is still placing keeps its mark) -------------------------------
    std::uint16_t GetMark() const { return mark_; }
    void SetMark(std::uint16_t mark);
    void ReplaceMark(std::uint16_t from, std::uint16_t to);
    // A marked group counts once, whatever its children.
    int CountMark(std::uint16_t mark) const;

    // --- forwarded element values --------------------------------------------------------------
    std::uint16_t GetLevel() const;
    void SetLevel(std::uint16_t level);
    void SetFactor(float factor);
    std::uint16_t GetStyle() const;
    std::uint32_t GetColor() const;
    // Drawing units, not thousandths.
    double GetWidth() const;
    void SetWidth(double width, bool recursive);
    double GetX1() const;
    double GetY1() const;
    double GetX2() const;
    double GetY2() const;
    double GetRadius() const;
    double GetAngle() const;
    double GetStartAngle() const;
    double GetEndAngle() const;
    double GetAxisA() const;
    double GetAxisB() const;
    void SetX1(float v);
    void SetY1(float v);
    void SetX2(float v);
    void SetY2(float v);
    void SetRadius(float v);
    void SetAngle(float v);
    void SetStartAngle(float v);
    void SetEndAngle(float v);
    void SetAxisA(float v);
    void SetAxisB(float v);
    std::string GetText() const;
    void SetText(const std::string& text);
    // The children as a collection to inspect, or null.
    const CDataCollection* GetDataCollection() const { return children_.get(); }
    CDataCollection* GetDataCollection() { return children_.get(); }
    bool HasDataCollection() const { return HasChildren(); }

    // --- drawing and geometry -----------------------------------------------------------------
    bool IsVisible() const;
    bool Draw(CPaper& paper, IDrawContext* dc);
    void DrawInRect(CPaper& paper, IDrawContext* dc, const CData* except, const RectF& rect);
    void DrawUnmarkedInRect(CPaper& paper, IDrawContext* dc, const RectF& rect);
    void Print(CPaper& paper, IDrawContext* dc);
    RectF GetExtents(CPaper& paper);
    double GetDistance(CPaper& paper, PointF p);
    void MoveBy(float dx, float dy);
    void MoveBack(float dx, float dy);
    void Rotate(float cx, float cy, double angle);
    void Scale(float cx, float cy, double fx, double fy);
    bool SnapNearestEndPoint(PointF& p) const;
    bool GetMidPoint(PointF& p) const;
    bool GetSnapPoint(PointF& p) const;

private:
    friend class CDataCollection;  // keeps the parent links
    void SetParent(CData* parent) { parent_ = parent; }

    void DrawFilteredInRect(CPaper& paper, IDrawContext* dc, const CData* except, const RectF& rect,
                            bool unmarkedOnly);
    void RepairWidth();

    std::int32_t floating_ = 0;
    std::int32_t type_ = kNodeGroup;
    std::uint16_t mark_ = kMarkNormal;
    CData* parent_ = nullptr;
    std::unique_ptr<CDrawObj> element_;
    std::unique_ptr<CDataCollection> children_;
};

}  // namespace korvo
