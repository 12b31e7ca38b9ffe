#pragma once

#include <array>

#include "model/PenElement.h"
#include "platform/DrawContext.h"

namespace korvo {

// A filled circle given by centre and radius; in glyph drawings it is the point marker. It is
// shown, printed and hit as the ten-sided polygon through its eleven sample points, so what the
// user sees is exactly what a click measures.
class CDrawObjCircle : public CFilledElement {
public:
    static const CRuntimeClass kRuntimeClass;
    static constexpr int kSampleCount = 11;

    CDrawObjCircle() = default;
    CDrawObjCircle(float cx, float cy, float r, std::uint16_t style, std::uint16_t width,
                   std::uint32_t color, std::uint32_t fillStyle, std::uint32_t fillColor,
                   std::uint32_t fillHatch, std::uint16_t level);

    const CRuntimeClass* GetRuntimeClass() const override { return &kRuntimeClass; }
    void Serialize(CArchive& ar) override;

    bool Draw(CPaper& paper, IDrawContext* dc, const CData* node) override;
    bool Print(CPaper& paper, IDrawContext* dc, const CData* node) override;

    void SetX1(float v) override { cx_ = v; }
    float GetX1() const override { return cx_; }
    void SetY1(float v) override { cy_ = v; }
    float GetY1() const override { return cy_; }
    void SetRadius(float v) override { r_ = v; }
    float GetRadius() const override { return r_; }

    void MoveBack(float dx, float dy) override;
    void MoveBy(float dx, float dy) override;
    void Rotate(float cx, float cy, double angle) override;
    void Scale(float cx, float cy, double fx, double fy) override;

    double GetDistance(CPaper& paper, PointF p, const CData* node) override;

    // The outline in drawing units: eleven points at 36 degree steps, the last equal to the first.
    std::array<PointF, kSampleCount> SamplePoints() const;

private:
    void DrawOutline(CPaper& paper, IDrawContext& dc, const Pen& pen, const Brush& brush) const;
    void DrawStyled(CPaper& paper, IDrawContext& dc, std::uint16_t style, ColorRef penColor,
                    ColorRef fillColor) const;

    float cx_ = 0.0f;
    float cy_ = 0.0f;
    float r_ = 0.0f;
};

}  // namespace korvo
