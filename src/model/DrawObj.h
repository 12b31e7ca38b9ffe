#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "geometry/PlaneGeometry.h"
#include "geometry/RectF.h"
#include "platform/Object.h"

namespace korvo {

class CArchive;
class CData;
class CPaper;
class IDrawContext;

// Off at start; a view command toggles it. When on, elements draw their own dash patterns with
// widths scaled to the view instead of the thin device pens. One switch for the whole process.
extern bool g_bStyledDrawing;

// Elements above this level are invisible: not drawn, printed or hit.
inline constexpr std::uint16_t kMaxVisibleLevel = 999;

// Base of every drawing element. One wide interface that every element answers: an operation an
// element does not support is a no-op, and a query answers 0, an empty value or -1.0, so callers
// never need to ask what kind of element they hold.
class CDrawObj : public CObject {
public:
    static const CRuntimeClass kRuntimeClass;
    static constexpr std::uint16_t kSchema = 14;

    ~CDrawObj() override = default;
    const CRuntimeClass* GetRuntimeClass() const override { return &kRuntimeClass; }
    // Stores and loads the header every element begins with.
    void Serialize(CArchive& ar) override;

    virtual bool Draw(CPaper& paper, IDrawContext* dc, const CData* node);
    virtual bool IsVisible(const CData* node) const;
    virtual bool Print(CPaper& paper, IDrawContext* dc, const CData* node);
    virtual RectF GetExtents(CPaper& paper, const CData* node);

    virtual void SetStyle(std::uint16_t) {}
    virtual std::uint16_t GetStyle() const { return 0; }
    virtual void SetWidth(std::uint16_t) {}
    virtual std::uint16_t GetWidth() const { return 0; }
    virtual void SetColor(std::uint32_t) {}
    virtual std::uint32_t GetColor() const { return 0; }
    virtual void SetFillStyle(std::uint32_t) {}
    virtual std::uint32_t GetFillStyle() const { return 0; }
    virtual void SetFillColor(std::uint32_t) {}
    virtual std::uint32_t GetFillColor() const { return 0; }
    virtual void SetFillHatch(std::uint32_t) {}
    virtual std::uint32_t GetFillHatch() const { return 0; }

    virtual void SetX1(float) {}
    virtual float GetX1() const { return 0.0f; }
    virtual void SetY1(float) {}
    virtual float GetY1() const { return 0.0f; }
    virtual void SetX2(float) {}
    virtual float GetX2() const { return 0.0f; }
    virtual void SetY2(float) {}
    virtual float GetY2() const { return 0.0f; }
    virtual void SetRadius(float) {}
    virtual float GetRadius() const { return 0.0f; }
    virtual void SetAngle(float) {}
    virtual float GetAngle() const { return 0.0f; }
    virtual void SetStartAngle(float) {}
    virtual float GetStartAngle() const { return 0.0f; }
    virtual void SetEndAngle(float) {}
    virtual float GetEndAngle() const { return 0.0f; }
    virtual void SetAxisA(float) {}
    virtual float GetAxisA() const { return 0.0f; }
    virtual void SetAxisB(float) {}
    virtual float GetAxisB() const { return 0.0f; }

    virtual void SetText(const std::string&) {}
    virtual std::string GetText() const { return {}; }
    virtual void SetTextOem(const std::string&) {}
    virtual std::string GetTextOem() const { return {}; }
    virtual void SetHeight(float) {}
    virtual float GetHeight() const { return 0.0f; }
    virtual void SetRelSize1(float) {}
    virtual float GetRelSize1() const { return 0.0f; }
    virtual void SetRelSize2(float) {}
    virtual float GetRelSize2() const { return 0.0f; }
    virtual void SetTextValue(float) {}
    virtual float GetTextValue() const { return 0.0f; }
    virtual std::uint16_t GetTextFlags() const { return 0; }
    virtual void SetFont(std::int32_t, const std::string&) {}
    virtual void GetFont(std::int32_t& number, std::string& name) const;

    virtual void AddPoints(const std::vector<PointF>*) {}
    // Only elements made of a vertex list have one; the rest answer null.
    virtual std::vector<PointF>* GetPoints() { return nullptr; }
    virtual const std::vector<PointF>* GetPoints() const { return nullptr; }
    virtual void SetFrame(const RectF&) {}
    virtual RectF GetFrame() const { return RectF{0.0f, 0.0f, 0.0f, 0.0f}; }
    virtual void SetTag(const std::string&) {}
    virtual std::string GetTag() const { return {}; }

    virtual void MoveBack(float, float) {}
    virtual void MoveBy(float, float) {}
    virtual void Rotate(float, float, double) {}
    virtual void Scale(float, float, double, double) {}

    virtual PointF GetNearestEndPoint(PointF) const { return {}; }
    virtual double GetDistance(CPaper& paper, PointF p, const CData* node);
    virtual bool SnapNearestEndPoint(PointF&) const { return false; }
    virtual bool GetMidPoint(PointF&) const { return false; }
    virtual bool GetSnapPoint(PointF&) const { return false; }
    virtual std::uint32_t GetFlags() const { return 0; }
    // Looks the element's pen (and brush) up in the paper's tables and caches the indices.
    virtual void CreatePens(CPaper&) {}

    float GetFactor() const { return factor_; }
    void SetFactor(float factor) { factor_ = factor; }
    std::uint16_t GetLevel() const { return level_; }
    void SetLevel(std::uint16_t level) { level_ = level; }

protected:
    CDrawObj() = default;
    explicit CDrawObj(std::uint16_t level) : level_(level) {}

    // The draw mark of the owning node; an element drawn on its own draws as unmarked.
    static int MarkOf(const CData* node);

private:
    float factor_ = 1.0f;
    std::uint16_t level_ = 1;
};

}  // namespace korvo
