#include "tools/FuncToolTransform.h"

#include <new>
#include <string>

#include "model/Data.h"
#include "model/DataCollection.h"
#include "model/DrawObjTransformation.h"
#include "model/Paper.h"
#include "platform/DialogHost.h"
#include "tools/PickFeedback.h"
#include "view/KorvoFEView.h"
#include "view/RedrawBatch.h"
#include "view/ViewCommands.h"

namespace korvo {

CFuncToolTransform::~CFuncToolTransform() = default;

void CFuncToolTransform::Start() {
    step_ = 0;
    SetFeedback(true);
    BuildGhost(GetSnapPoint());
}

void CFuncToolTransform::End() {
    ghost_.reset();
    SetStatusText("");
    CFuncTool::End();
}

void CFuncToolTransform::BuildGhost(PointF origin) {
    ghost_.reset();
    const CPaper* paper = Paper();
    if (paper == nullptr) {
        return;
    }
    std::unique_ptr<CData> ghost(new (std::nothrow) CData(kFirstTransientType));
    std::unique_ptr<CDataCollection> copies = CloneSelected(*paper->GetCollection());
    std::unique_ptr<CDrawObjTransformation> frame(new (std::nothrow) CDrawObjTransformation);
    if (ghost == nullptr || copies == nullptr || frame == nullptr) {
        return;  // no ghost to show; the edits themselves do not need one
    }
    frame->SetX1(origin.x);
    frame->SetY1(origin.y);
    ghost->SetElement(std::move(frame));
    ghost->SetChildren(std::move(copies));
    ghost_ = std::move(ghost);
}

void CFuncToolTransform::ResetGhost() {
    // Made afresh rather than turned back: whatever an earlier attempt did to it is gone.
    BuildGhost(GetSnapPoint());
    MarkScreen();
}

CDrawObjTransformation* CFuncToolTransform::GhostFrame() const {
    return ghost_ != nullptr ? static_cast<CDrawObjTransformation*>(ghost_->GetElement()) : nullptr;
}

const CDataCollection* CFuncToolTransform::GetGhostNodes() const {
    return ghost_ != nullptr ? ghost_->GetChildren() : nullptr;
}

GhostPose CFuncToolTransform::GetGhostPose() const {
    const CDrawObjTransformation* frame = GhostFrame();
    if (frame == nullptr) {
        return {};
    }
    return {frame->GetAxisA(), frame->GetAxisB(), frame->GetAngle()};
}

void CFuncToolTransform::DrawFeedback(IDrawContext& dc) {
    CFuncTool::DrawFeedback(dc);
    CPaper* paper = Paper();
    if (step_ == 0 || paper == nullptr) {
        return;
    }
    if (ghost_ != nullptr && ghost_->HasChildren()) {
        ghost_->GetChildren()->Draw(*paper, &dc);
    }
    DrawConstruction(dc, *paper);
}

void CFuncToolTransform::DrawConstruction(IDrawContext& dc, const CPaper& paper) const {
    DrawGuideLine(dc, paper, basePoint_, GetSnapPoint());
    DrawCrossMark(dc, paper, basePoint_);
}

void CFuncToolTransform::OnMouseMove(const ToolEvent& e) {
    CFuncTool::OnMouseMove(e);
    FollowMouse(GetSnapPoint());
}

void CFuncToolTransform::OnRButtonDown(const ToolEvent&) {
    if (step_ == 0) {
        Done();
        return;
    }
    StepBack();
    MarkScreen();
}

void CFuncToolTransform::OnKeyDown(const KeyEvent& event) {
    if (event.key != Key::Escape) {
        OnToolKey(event);
        return;
    }
    if (step_ != 0) {
        StepBack();
        MarkScreen();
    }
}

void CFuncToolTransform::RotateBy(float radians) {
    const CDrawObjTransformation* frame = GhostFrame();
    if (step_ == 0 || frame == nullptr) {
        return;
    }
    ghost_->Rotate(frame->GetX1(), frame->GetY1(), radians);
    MarkScreen();
}

void CFuncToolTransform::ScaleBy(float factorX, float factorY) {
    const CDrawObjTransformation* frame = GhostFrame();
    if (step_ == 0 || frame == nullptr) {
        return;
    }
    ghost_->Scale(frame->GetX1(), frame->GetY1(), factorX, factorY);
    MarkScreen();
}

void CFuncToolTransform::Redraw(const RectF& touched) const {
    if (!touched.IsValid()) {
        return;
    }
    CRedrawBatch batch(View());
    batch.AddWorldRect(touched);
}

void CFuncToolTransform::Done() const {
    View().CreateTool(kToolSelection);
}

std::optional<PointF> CFuncToolTransform::AskPoint(std::string_view labelX, std::string_view labelY,
                                                   PointF preset) {
    const float factor = GetFactor();
    float x = preset.x * factor;
    float y = preset.y * factor;
    if (!AskValues(labelX, x, labelY, y)) {
        return std::nullopt;
    }
    return PointF{x / factor, y / factor};
}

void CFuncToolTransform::ClickAt(PointF p, const InputState& state) {
    SetSnapPoint(p);
    FollowMouse(p);
    MarkScreen();
    OnLButtonDown(TypedClick(state));
}

}  // namespace korvo
