#include "tools/FuncToolPolygon.h"

#include <limits>
#include <memory>

#include "model/Data.h"
#include "model/DrawObjPolygon.h"
#include "model/Paper.h"
#include "view/KorvoFEView.h"
#include "view/RedrawBatch.h"

namespace korvo {

void CFuncToolPolygon::Start() {
    CFuncToolDraw::Start();
    points_.clear();
    moving_ = 0;
    ReadSheetValues();
}

void CFuncToolPolygon::End() {
    SetStatusText("");
    CFuncToolDraw::End();
}

void CFuncToolPolygon::ReadSheetValues() {
    if (const CPaper* paper = Paper()) {
        const SheetValues& v = paper->Values();
        style_ = v.penStyle;
        width_ = v.width;
        color_ = v.color;
        fillStyle_ = v.fillStyle;
        fillColor_ = v.fillColor;
        fillHatch_ = v.hatch;
    }
}

void CFuncToolPolygon::DrawFeedback(IDrawContext& dc) {
    CFuncToolDraw::DrawFeedback(dc);
    CPaper* paper = Paper();
    if (moving_ == 0 || paper == nullptr) {
        return;
    }
    CDrawObjPolygon band(points_, style_, width_, color_, fillStyle_, fillColor_, fillHatch_, 1);
    band.Draw(*paper, &dc, nullptr);
}

void CFuncToolPolygon::OnLButtonDown(const ToolEvent&) {
    const PointF p = GetSnapPoint();
    if (moving_ == 0) {
        points_.assign({p, p});
        moving_ = 1;
        return;
    }
    // The vertex index is 16 bits wide: a polygon that long ends with the vertices it has.
    if (points_.size() > std::numeric_limits<std::uint16_t>::max()) {
        return;
    }
    points_.push_back(p);
    moving_ = static_cast<std::uint16_t>(points_.size() - 1);
}

void CFuncToolPolygon::OnMouseMove(const ToolEvent& e) {
    CFuncToolDraw::OnMouseMove(e);
    const PointF p = GetSnapPoint();
    if (moving_ != 0) {
        points_[moving_] = p;
    }
    const float factor = GetFactor();
    ShowStatus(IDS_STATUS_POINT, p.x * factor, p.y * factor);
}

void CFuncToolPolygon::OnRButtonDown(const ToolEvent&) {
    if (moving_ == 0) {
        return;
    }
    points_.erase(points_.begin() + moving_);
    moving_ = 0;
    AddPolygon();
    points_.clear();
    RemoveRubberBand();
}

void CFuncToolPolygon::AddPolygon() {
    auto node = std::make_unique<CData>();
    auto polygon = std::make_unique<CDrawObjPolygon>(
        points_, style_, width_, color_, fillStyle_, fillColor_, fillHatch_,
        Paper() != nullptr ? Paper()->Values().level : 1);
    polygon->SetFactor(GetFactor());
    node->SetElement(std::move(polygon));
    AddNode(std::move(node));
}

void CFuncToolPolygon::OnKeyDown(const KeyEvent& event) {
    if (event.key == Key::Escape) {
        if (moving_ != 0) {
            points_.clear();
            moving_ = 0;
            RemoveRubberBand();
        }
        return;
    }
    if (event.key != Key::Space) {
        return;
    }
    const float factor = GetFactor();
    float x = GetSnapPoint().x * factor;
    float y = GetSnapPoint().y * factor;
    if (AskValues("X", x, "Y", y)) {
        // The typed vertex is where the mouse would have put it before the click.
        const PointF typed{x / factor, y / factor};
        SetSnapPoint(typed);
        if (moving_ != 0) {
            points_[moving_] = typed;
        }
        ClickAtSnapPoint(event.state);
    }
}

std::string_view CFuncToolPolygon::Prompt() const {
    return IsCollecting() ? "Next vertex, right click closes" : "First vertex";
}

}  // namespace korvo
