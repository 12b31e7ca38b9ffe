#pragma once

#include "model/PenElement.h"

namespace korvo {

// The straight segment most glyph strokes are made of.
class CDrawObjLine : public CPenElement {
public:
    static const CRuntimeClass kRuntimeClass;

    CDrawObjLine() = default;
    CDrawObjLine(float x1, float y1, float x2, float y2, std::uint16_t style, std::uint16_t width,
                 std::uint32_t color, std::uint16_t level);

    const CRuntimeClass* GetRuntimeClass() const override { return &kRuntimeClass; }
    void Serialize(CArchive& ar) override;

    bool Draw(CPaper& paper, IDrawContext* dc, const CData* node) override;
    bool Print(CPaper& paper, IDrawContext* dc, const CData* node) override;

    void SetX1(float v) override { x1_ = v; }
    float GetX1() const override { return x1_; }
    void SetY1(float v) override { y1_ = v; }
    float GetY1() const override { return y1_; }
    void SetX2(float v) override { x2_ = v; }
    float GetX2() const override { return x2_; }
    void SetY2(float v) override { y2_ = v; }
    float GetY2() const override { return y2_; }

    void MoveBack(float dx, float dy) override;
    void MoveBy(float dx, float dy) override;
    void Rotate(float cx, float cy, double angle) override;
    void Scale(float cx, float cy, double fx, double fy) override;

    PointF GetNearestEndPoint(PointF p) const override;
    double GetDistance(CPaper& paper, PointF p, const CData* node) override;
    bool SnapNearestEndPoint(PointF& p) const override;
    bool GetMidPoint(PointF& p) const override;

private:
    float x1_ = 0.0f;
    float y1_ = 0.0f;
    float x2_ = 0.0f;
    float y2_ = 0.0f;
};

}  // namespace korvo
