#pragma once

#include <vector>

#include "model/DrawObj.h"
#include "platform/DrawContext.h"

namespace korvo {

// A closed, filled polygon; the edge from the last vertex back to the first is implied. Hit
// testing treats it as an area.
class CDrawObjPolygon : public CDrawObj {
public:
    static const CRuntimeClass kRuntimeClass;

    CDrawObjPolygon() = default;
    CDrawObjPolygon(const std::vector<PointF>& points, std::uint16_t style, std::uint16_t width,
                    std::uint32_t color, std::uint32_t fillStyle, std::uint32_t fillColor,
                    std::uint32_t fillHatch, std::uint16_t level);

    const CRuntimeClass* GetRuntimeClass() const override { return &kRuntimeClass; }
    void Serialize(CArchive& ar) override;

    bool Draw(CPaper& paper, IDrawContext* dc, const CData* node) override;
    bool Print(CPaper& paper, IDrawContext* dc, const CData* node) override;
    RectF GetExtents(CPaper& paper, const CData* node) override;

    void SetStyle(std::uint16_t style) override;
    std::uint16_t GetStyle() const override { return style_; }
    void SetWidth(std::uint16_t width) override;
    std::uint16_t GetWidth() const override { return width_; }
    void SetColor(std::uint32_t color) override;
    std::uint32_t GetColor() const override { return color_; }
    void SetFillStyle(std::uint32_t v) override;
    std::uint32_t GetFillStyle() const override { return fillStyle_; }
    void SetFillColor(std::uint32_t v) override;
    std::uint32_t GetFillColor() const override { return fillColor_; }
    void SetFillHatch(std::uint32_t v) override;
    std::uint32_t GetFillHatch() const override { return fillHatch_; }

    void AddPoints(const std::vector<PointF>* points) override;
    std::vector<PointF>* GetPoints() override { return &points_; }

    void MoveBack(float dx, float dy) override;
    void MoveBy(float dx, float dy) override;
    void Rotate(float cx, float cy, double angle) override;
    void Scale(float cx, float cy, double fx, double fy) override;

    double GetDistance(CPaper& paper, PointF p, const CData* node) override;
    void CreatePens(CPaper& paper) override;

    // Even-odd inside test; a point on an edge crossing counts as inside.
    bool Contains(PointF p) const;

private:
    void DrawShape(CPaper& paper, IDrawContext& dc, const Pen& pen, const Brush& brush) const;
    void DrawStyled(CPaper& paper, IDrawContext& dc, ColorRef penColor, ColorRef fillColor) const;

    std::uint16_t style_ = 0;
    std::uint16_t width_ = 0;
    std::uint32_t color_ = 0;
    std::uint32_t fillStyle_ = 0;
    std::uint32_t fillColor_ = 0;
    std::uint32_t fillHatch_ = 0;
    int brushIndex_ = -1;
    int penIndex_ = -1;
    RectF extents_;
    std::vector<PointF> points_;
};

}  // namespace korvo
