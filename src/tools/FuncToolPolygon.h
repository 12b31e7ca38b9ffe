#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "tools/FuncToolDraw.h"

namespace korvo {

// Polygon (19458): each left click fixes a vertex, the vertex after it follows the mouse, and the
// right button closes the polygon in the sheet's current pen and fill. Space types a vertex as a
// click would set it; Escape drops the polygon under way.
class CFuncToolPolygon final : public CFuncToolDraw {
public:
    using CFuncToolDraw::CFuncToolDraw;

    void Start() override;
    std::string_view Prompt() const override;
    // The tool's values leave the status bar with it.
    void End() override;
    void DrawFeedback(IDrawContext& dc) override;
    void OnLButtonDown(const ToolEvent& e) override;
    void OnMouseMove(const ToolEvent& e) override;
    void OnRButtonDown(const ToolEvent& e) override;
    void OnKeyDown(const KeyEvent& event) override;

    // The vertices so far, the moving one last; empty while no polygon is under way.
    const std::vector<PointF>& GetPoints() const { return points_; }
    bool IsCollecting() const { return moving_ != 0; }

private:
    void ReadSheetValues();
    void AddPolygon();

    std::vector<PointF> points_;
    // The index of the vertex that follows the mouse; 0 while no polygon is under way.
    std::uint16_t moving_ = 0;
    std::uint16_t style_ = 0;
    std::uint16_t width_ = 0;
    std::uint32_t color_ = 0;
    std::uint32_t fillStyle_ = 0;
    std::uint32_t fillColor_ = 0;
    std::uint32_t fillHatch_ = 0;
};

}  // namespace korvo
