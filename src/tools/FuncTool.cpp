#include "tools/FuncTool.h"

#include <numbers>
#include <string>

#include "model/Paper.h"
#include "platform/DialogHost.h"
#include "view/KorvoFEView.h"
#include "view/RedrawBatch.h"
#include "view/ViewCommands.h"
#include "view/ViewSwitches.h"

namespace korvo {

CFuncTool::CFuncTool(CKorvoFEView& view) : view_(view) {
    const CPaper* paper = Paper();
    if (paper == nullptr) {
        return;
    }
    factor_ = paper->GetSheetFactor();
    // A tool chosen by key or menu while the mouse is over the drawing starts where the mouse is.
    const IViewHost& host = view_.Host();
    if (host.IsPointerInView()) {
        const DevicePoint p = host.GetPointerPos();
        raw_ = paper->DeviceToWorld(p);
        rawScreen_ = paper->WorldToDevice(raw_);
        snap_ = raw_;
        prevSnap_ = raw_;
        prevRaw_ = raw_;
    }
}

CPaper* CFuncTool::Paper() const {
    return view_.GetPaper();
}

void CFuncTool::SetStatusText(std::string_view text) const {
    view_.SetToolStatus(text);
}

void CFuncTool::MarkScreen() const {
    CRedrawBatch batch(view_);
    batch.AddScreenRect();
}

PointF CFuncTool::ToWorld(int x, int y) const {
    const CPaper* paper = Paper();
    return paper != nullptr ? paper->DeviceToWorld({x, y}) : PointF{};
}

DevicePoint CFuncTool::ToDevice(PointF p) const {
    const CPaper* paper = Paper();
    return paper != nullptr ? paper->WorldToDevice(p) : DevicePoint{};
}

ToolEvent CFuncTool::TypedClick(const InputState& state) const {
    return {{PointerKind::Press, MouseButton::Left, state, {0, 0}}, raw_, snap_, 0};
}

void CFuncTool::End() {
    cursor_ = CursorShape::Cross;
    if (feedbackOn_) {
        MarkScreen();
    }
}

void CFuncTool::Suspend() {
    // The classic cursor swap for the duration of the call has no visible effect here: the cursor
    // shown is asked from the tool when the window needs it.
    if (feedbackOn_) {
        MarkScreen();
    }
}

void CFuncTool::Finish() {
    // This destroys the tool (after the event that called it); nothing may follow.
    view_.CreateTool(kToolSelection);
}

void CFuncTool::OnScroll(int, int, ScrollBar) {
    Suspend();
}

void CFuncTool::OnReservedScroll(int, int, ScrollBar) {
    Suspend();
}

void CFuncTool::OnMouseMove(const ToolEvent& e) {
    const CPaper* paper = Paper();
    if (paper == nullptr) {
        return;
    }
    prevSnap_ = snap_;
    prevRaw_ = raw_;
    view_.SetSnapHit(e.snapHit);
    snap_ = e.snapped;
    raw_ = e.world;
    rawScreen_ = paper->WorldToDevice(raw_);
    const bool moved = snap_.x != prevSnap_.x || snap_.y != prevSnap_.y || raw_.x != prevRaw_.x ||
                       raw_.y != prevRaw_.y;
    if (feedbackOn_ && moved) {
        MarkScreen();
    }
}

void CFuncTool::DrawFeedback(IDrawContext& dc) {
    const CPaper* paper = Paper();
    if (paper == nullptr) {
        return;
    }
    if (cursor_ == CursorShape::None) {
        const DevicePoint size = view_.Host().ClientSize();
        const DevicePoint p = paper->WorldToDevice(raw_);
        const Pen previousPen = dc.SelectPen(Pen{PenStyle::Solid, kCrosshairColor});
        const RasterOp previousOp = dc.SetRasterOp(RasterOp::CopyPen);
        dc.MoveTo({0, p.y});
        dc.LineTo({size.x, p.y});
        dc.MoveTo({p.x, size.y});
        dc.LineTo({p.x, 0});
        dc.SetRasterOp(previousOp);
        dc.SelectPen(previousPen);
    }
    DrawSnapMarker(dc, paper->WorldToDevice(snap_));
}

void CFuncTool::DrawSnapMarker(IDrawContext& dc, DevicePoint s) const {
    const Pen previousPen =
        dc.SelectPen(Pen{PenStyle::Solid, kSnapMarkerColor, true, 2, PenCap::Round});
    const int x = s.x;
    const int y = s.y;
    switch (view_.GetSnapHit()) {
        case kSnapEndPoint: {
            const DevicePoint square[] = {
                {x - 3, y - 3}, {x - 3, y + 3}, {x + 3, y + 3}, {x + 3, y - 3}, {x - 3, y - 3}};
            dc.Polyline(square);
            break;
        }
        case kSnapMidPoint: {
            const DevicePoint triangle[] = {
                {x - 4, y + 3}, {x, y - 3}, {x + 4, y + 3}, {x - 4, y + 3}};
            dc.Polyline(triangle);
            break;
        }
        case kSnapIntersection:
            dc.MoveTo({x - 3, y - 3});
            dc.LineTo({x + 3, y + 3});
            dc.MoveTo({x + 3, y - 3});
            dc.LineTo({x - 3, y + 3});
            break;
        case kSnapCentre: {
            const DevicePoint octagon[] = {{x - 3, y},     {x - 2, y + 2}, {x, y + 3},
                                           {x + 2, y + 2}, {x + 3, y},     {x + 2, y - 2},
                                           {x, y - 3},     {x - 2, y - 2}, {x - 3, y}};
            dc.Polyline(octagon);
            break;
        }
        default:
            break;
    }
    dc.SelectPen(previousPen);
}

bool CFuncTool::AskValues(std::string_view label1, float& value1) const {
    ValueInputRows rows{};
    rows[0] = {std::string(label1), value1};
    if (!View().Host().Dialogs().AskValues(rows)) {
        return false;
    }
    value1 = rows[0].value;
    return true;
}

bool CFuncTool::AskValues(std::string_view label1, float& value1, std::string_view label2,
                          float& value2) const {
    ValueInputRows rows{};
    rows[0] = {std::string(label1), value1};
    rows[1] = {std::string(label2), value2};
    if (!View().Host().Dialogs().AskValues(rows)) {
        return false;
    }
    value1 = rows[0].value;
    value2 = rows[1].value;
    return true;
}

bool CFuncTool::TurnOrScaleByKeypad(Key key) {
    constexpr float kQuarterTurn = static_cast<float>(std::numbers::pi / 2.0);
    switch (key) {
        case Key::Add:
            RotateBy(kQuarterTurn);
            return true;
        case Key::Subtract:
            RotateBy(-kQuarterTurn);
            return true;
        case Key::Multiply:
            ScaleBy(2.0f, 2.0f);
            return true;
        case Key::Divide:
            ScaleBy(0.5f, 0.5f);
            return true;
        default:
            return false;
    }
}

}  // namespace korvo
