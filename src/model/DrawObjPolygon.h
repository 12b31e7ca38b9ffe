#pragma once

#include <vector>

#include "model/PenElement.h"
#include "platform/DrawContext.h"

namespace korvo {

// A closed, filled polygon; the edge from the last vertex back to the first is implied. Hit
// testing treats it as an area.
class CDrawObjPolygon : public CFilledElement {
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

    void AddPoints(const std::vector<PointF>* points) override;
    std::vector<PointF>* GetPoints() override { return &points_; }
    const std::vector<PointF>* GetPoints() const override { return &points_; }

    void MoveBack(float dx, float dy) override;
    void MoveBy(float dx, float dy) override;
    void Rotate(float cx, float cy, double angle) override;
    void Scale(float cx, float cy, double fx, double fy) override;

    double GetDistance(CPaper& paper, PointF p, const CData* node) override;

    // Even-odd inside test; a point on an edge crossing counts as inside.
    bool Contains(PointF p) const;

private:
    void DrawShape(CPaper& paper, IDrawContext& dc, const Pen& pen, const Brush& brush) const;
    void DrawStyled(CPaper& paper, IDrawContext& dc, ColorRef penColor, ColorRef fillColor) const;

    std::vector<PointF> points_;
};

}  // namespace korvo
