#include "tools/FuncToolRectangle.h"

#include <array>
#include <memory>

#include "model/Data.h"
#include "model/Paper.h"
#include "view/KorvoFEView.h"
#include "view/RedrawBatch.h"

namespace korvo {

void CFuncToolRectangle::Start() {
    CFuncToolDraw::Start();
    step_ = Step::FirstCorner;
}

void CFuncToolRectangle::DrawFeedback(IDrawContext& dc) {
    CFuncToolDraw::DrawFeedback(dc);
    if (step_ == Step::FirstCorner) {
        return;
    }
    const PointF a = first_;
    const PointF b = second_;
    DrawRubberLine(dc, a, {b.x, a.y});
    DrawRubberLine(dc, {b.x, a.y}, b);
    DrawRubberLine(dc, b, {a.x, b.y});
    DrawRubberLine(dc, {a.x, b.y}, a);
    View().UpdateStatus();
}

void CFuncToolRectangle::OnLButtonDown(const ToolEvent&) {
    if (step_ == Step::FirstCorner) {
        first_ = GetSnapPoint();
        second_ = first_;
        ReadRubberPen();
        step_ = Step::SecondCorner;
        return;
    }
    step_ = Step::FirstCorner;
    AddRectangle();
}

void CFuncToolRectangle::AddRectangle() {
    CPaper* paper = Paper();
    if (paper == nullptr) {
        return;
    }
    // The four sides run round from the first corner, whichever way the rectangle was dragged.
    const PointF a = first_;
    const PointF b = second_;
    const std::array<std::array<PointF, 2>, 4> sides{{{a, PointF{b.x, a.y}},
                                                      {PointF{b.x, a.y}, b},
                                                      {b, PointF{a.x, b.y}},
                                                      {PointF{a.x, b.y}, a}}};
    CRedrawBatch batch(View());
    std::array<CData*, 4> added{};
    for (std::size_t i = 0; i < sides.size(); ++i) {
        std::unique_ptr<CData> node = MakeLineNode(sides[i][0], sides[i][1]);
        if (node == nullptr) {
            continue;
        }
        // A rectangle keeps the sheet's own scale, whatever the tool's.
        node->SetFactor(1.0f);
        added[i] = paper->AddNode(std::move(node));
    }
    for (CData* node : added) {
        if (node != nullptr) {
            node->GetExtents(*paper);
        }
    }
    for (CData* node : added) {
        if (node != nullptr) {
            batch.DrawNode(*node);
        }
    }
    batch.AddScreenRect();
}

void CFuncToolRectangle::OnMouseMove(const ToolEvent& e) {
    CFuncToolDraw::OnMouseMove(e);
    const PointF snap = GetSnapPoint();
    const float factor = GetFactor();
    if (step_ == Step::FirstCorner) {
        ShowStatus(IDS_STATUS_POINT, snap.x * factor, snap.y * factor);
        return;
    }
    if (second_ == snap) {
        return;
    }
    second_ = snap;
    ShowStatus(IDS_STATUS_RECTANGLE, snap.x * factor, snap.y * factor,
               (second_.x - first_.x) * factor, (second_.y - first_.y) * factor);
    ReadRubberPen();
}

void CFuncToolRectangle::Cancel() {
    step_ = Step::FirstCorner;
    RemoveRubberBand();
}

void CFuncToolRectangle::OnRButtonDown(const ToolEvent&) {
    if (step_ == Step::SecondCorner) {
        Cancel();
        return;
    }
    SwitchToSelectionTool();
}

void CFuncToolRectangle::OnKeyDown(const KeyEvent& event) {
    if (event.key == Key::Escape && step_ == Step::SecondCorner) {
        Cancel();
        return;
    }
    if (event.key != Key::Space) {
        return;
    }
    const float factor = GetFactor();
    if (step_ == Step::FirstCorner) {
        float x = GetSnapPoint().x * factor;
        float y = GetSnapPoint().y * factor;
        if (AskValues("X", x, "Y", y)) {
            SetSnapPoint({x / factor, y / factor});
            ClickAtSnapPoint(event.state);
        }
        return;
    }
    float dx = (second_.x - first_.x) * factor;
    float dy = (second_.y - first_.y) * factor;
    if (AskValues("dX", dx, "dY", dy)) {
        second_ = {first_.x + dx / factor, first_.y + dy / factor};
        ClickAtSnapPoint(event.state);
    }
}

std::string_view CFuncToolRectangle::Prompt() const {
    return step_ == Step::FirstCorner ? "First corner" : "Opposite corner";
}

}  // namespace korvo
