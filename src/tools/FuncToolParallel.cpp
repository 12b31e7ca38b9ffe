#include "tools/FuncToolParallel.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "edit/ParallelEdit.h"
#include "model/Data.h"
#include "model/DataCollection.h"
#include "model/Paper.h"
#include "view/KorvoFEView.h"
#include "view/RedrawBatch.h"
#include "view/ViewCommands.h"

namespace korvo {

void CFuncToolParallel::Start() {
    // The cursor stays until something is picked; only then the crosshair aims the copy.
    BackToPick();
}

void CFuncToolParallel::End() {
    SetStatusText("");
    CFuncToolDraw::End();
}

void CFuncToolParallel::BackToPick() {
    step_ = Step::Pick;
    picked_ = nullptr;
    SetCursor(CursorShape::Cross);
    if (IsFeedbackOn()) {
        MarkScreen();
    }
    SetFeedback(false);
}

void CFuncToolParallel::DrawFeedback(IDrawContext& dc) {
    CFuncToolDraw::DrawFeedback(dc);
    CPaper* paper = Paper();
    if (step_ != Step::Place || paper == nullptr) {
        return;
    }
    if (std::unique_ptr<CData> ghost = CreateParallel(*picked_, GetSnapPoint())) {
        ghost->Draw(*paper, &dc);
    }
}

void CFuncToolParallel::OnLButtonDown(const ToolEvent& e) {
    if (step_ == Step::Pick) {
        Pick(e.Pixel());
        return;
    }
    AddParallel(GetSnapPoint());
    BackToPick();
}

void CFuncToolParallel::Pick(DevicePoint at) {
    CPaper* paper = Paper();
    if (paper == nullptr) {
        return;
    }
    CData* node = paper->PickElement(at, 0);
    if (node == nullptr || !HasParallel(node->GetElement())) {
        return;
    }
    picked_ = node;
    step_ = Step::Place;
    SetFeedback(true);
    SetCursor(CursorShape::None);
    MarkScreen();
}

bool CFuncToolParallel::AddParallel(PointF p) {
    CPaper* paper = Paper();
    std::unique_ptr<CData> node = paper != nullptr ? CreateParallel(*picked_, p) : nullptr;
    if (!node) {
        return false;
    }
    CRedrawBatch batch(View());
    node->GetExtents(*paper);
    CData* added = nullptr;
    // A parallel joins the group of the element it copies.
    if (CData* group = picked_->GetParent()) {
        group->AddChild(std::move(node));
        added = group->GetChildren()->GetAt(group->GetChildren()->GetCount() - 1);
    } else {
        added = paper->AddNode(std::move(node));
    }
    batch.DrawNode(*added);
    batch.AddScreenRect();
    return true;
}

void CFuncToolParallel::OnMouseMove(const ToolEvent& e) {
    CFuncToolDraw::OnMouseMove(e);
    const PointF p = GetSnapPoint();
    const float factor = GetFactor();
    ShowStatus(IDS_STATUS_POINT, p.x * factor, p.y * factor);
}

void CFuncToolParallel::OnRButtonDown(const ToolEvent&) {
    SwitchToSelectionTool();
}

void CFuncToolParallel::OnKeyDown(const KeyEvent& event) {
    if (event.key == Key::Space && step_ == Step::Place) {
        TypeDistance();
    }
}

void CFuncToolParallel::TypeDistance() {
    const CDrawObj& element = *picked_->GetElement();
    const PointF aim = GetSnapPoint();
    const float factor = GetFactor();
    float distance = static_cast<float>(ParallelDistance(element, aim)) * factor;
    float count = 1.0f;
    if (!AskValues(kDistanceLabel, distance, kCountLabel, count)) {
        return;
    }
    if (!std::isfinite(distance) || !std::isfinite(count)) {
        return;
    }
    const long copies = std::lround(std::clamp(count, 0.0f, static_cast<float>(kMaxCount)));
    for (long i = 1; i <= copies; ++i) {
        const std::optional<PointF> p =
            ParallelPointAt(element, aim, static_cast<double>(distance) / factor * i);
        if (!p || !AddParallel(*p)) {
            break;
        }
    }
    BackToPick();
}

std::string_view CFuncToolParallel::Prompt() const {
    return step_ == Step::Pick ? "Pick the line or curve to copy" : "Point the copy goes through";
}

}  // namespace korvo
