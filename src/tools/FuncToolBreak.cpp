#include "tools/FuncToolBreak.h"

#include <fmt/printf.h>

#include <string>

#include "edit/BreakEdits.h"
#include "edit/EditSupport.h"
#include "edit/PickCandidates.h"
#include "model/Data.h"
#include "model/Paper.h"
#include "platform/DialogHost.h"
#include "platform/Message.h"
#include "resources/StringTable.h"
#include "tools/PickFeedback.h"
#include "view/KorvoFEView.h"
#include "view/RedrawBatch.h"
#include "view/ViewCommands.h"
#include "view/ViewSwitches.h"

namespace korvo {

void CFuncToolBreak::Start() {
    Restart();
}

void CFuncToolBreak::Restart() {
    node_ = nullptr;
    step_ = Step::PickElement;
    tracking_ = false;
    // The values belong to the break point being chosen; none is chosen now.
    SetStatusText("");
    CPaper* paper = Paper();
    candidates_.clear();
    if (paper != nullptr) {
        candidates_ = CollectPickCandidates(*paper->GetCollection(), false);
    }
}

CData* CFuncToolBreak::LiveNode() {
    CPaper* paper = Paper();
    if (node_ != nullptr && (paper == nullptr || !IsInDrawing(*paper->GetCollection(), node_))) {
        SetFeedback(false);
        Restart();
    }
    return node_;
}

PointF CFuncToolBreak::ClickPoint(CPaper& paper, DevicePoint at) const {
    PointF p = paper.DeviceToWorld(at);
    if (g_nSnapMode != 0) {
        paper.SnapToPoints(g_nSnapMode, at, p);
    }
    return p;
}

bool CFuncToolBreak::FindBreakPoint(PointF at, BreakPoint& found) const {
    if (IsLineElement(node_->GetElement())) {
        return LineBreakPoint(*node_, at, found.point, found.code);
    }
    if (!ArcBreakAngle(*node_, at, found.angle)) {
        return false;
    }
    found.point = ArcBreakPoint(*node_, found.angle);
    return true;
}

void CFuncToolBreak::OnLButtonDown(const ToolEvent& e) {
    CPaper* paper = Paper();
    if (paper == nullptr) {
        return;
    }
    LiveNode();
    switch (step_) {
        case Step::PickElement:
            PickElement(*paper, e.Pixel());
            return;
        case Step::FirstPoint:
            ChooseFirst(ClickPoint(*paper, e.Pixel()));
            return;
        case Step::SecondPoint:
            ChooseSecond(*paper, ClickPoint(*paper, e.Pixel()));
            return;
    }
}

void CFuncToolBreak::PickElement(CPaper& paper, DevicePoint at) {
    const std::vector<CData*> live = LiveCandidates(*paper.GetCollection(), candidates_);
    node_ = PickCandidate(paper, live, at, nullptr);
    if (node_ != nullptr) {
        step_ = Step::FirstPoint;
        SetFeedback(true);
        MarkScreen();
    }
}

void CFuncToolBreak::ChooseFirst(PointF at) {
    const CDrawObj* element = node_->GetElement();
    if (!IsLineElement(element) && !IsEllipseElement(element)) {
        View().Host().Dialogs().ShowMessage(MessageRequest{
            MessageId::Fixed(FixedText::NeitherLineNorEllipse), {}, MessageButtons::Ok});
        return;
    }
    if (FindBreakPoint(at, first_)) {
        step_ = Step::SecondPoint;
        MarkScreen();
    }
}

void CFuncToolBreak::ChooseSecond(CPaper& paper, PointF at) {
    BreakPoint second;
    if (!FindBreakPoint(at, second)) {
        return;
    }
    CRedrawBatch batch(View());
    MarkNode(batch, paper, *node_);
    EditResult result;
    if (IsLineElement(node_->GetElement())) {
        result = BreakLine(*node_, *paper.GetCollection(), first_.point, first_.code, second.point,
                           second.code);
        // Both points at the ends would take the whole line: the second click is not taken.
        if (!result.Any()) {
            return;
        }
    } else {
        result = BreakArc(*node_, *paper.GetCollection(), first_.angle, second.angle);
    }
    MarkEdited(batch, paper, *node_, result);
    batch.AddScreenRect();
    // The piece a split added can be broken next.
    Restart();
}

void CFuncToolBreak::OnMouseMove(const ToolEvent& e) {
    CFuncTool::OnMouseMove(e);
    if (step_ == Step::PickElement || LiveNode() == nullptr) {
        return;
    }
    const PointF snap = GetSnapPoint();
    tracking_ = FindBreakPoint(snap, tracked_);
    if (step_ != Step::SecondPoint) {
        return;
    }
    const float factor = GetFactor();
    const PointF a = first_.point;
    SetStatusText(fmt::sprintf(
        std::string(LoadString(IDS_STATUS_LINE)), static_cast<double>(snap.x * factor),
        static_cast<double>(snap.y * factor), RadToDeg(DirectionAngle(a.x, a.y, snap.x, snap.y)),
        Distance(a, snap) * factor));
}

void CFuncToolBreak::DrawFeedback(IDrawContext& dc) {
    CFuncTool::DrawFeedback(dc);
    const CPaper* paper = Paper();
    if (paper == nullptr || node_ == nullptr || !IsInDrawing(*paper->GetCollection(), node_)) {
        return;
    }
    DrawPickedElement(dc, *paper, *node_);
    if (step_ == Step::SecondPoint) {
        DrawBreakMark(dc, *paper, first_.point);
    }
    if (tracking_) {
        DrawBreakMark(dc, *paper, tracked_.point);
    }
}

void CFuncToolBreak::OnRButtonDown(const ToolEvent&) {
    View().CreateTool(kToolSelectionTool);
}

void CFuncToolBreak::OnKeyDown(const KeyEvent& event) {
    if (event.key != Key::Escape || LiveNode() == nullptr) {
        return;
    }
    if (step_ == Step::SecondPoint) {
        step_ = Step::FirstPoint;
        SetStatusText("");
    } else {
        Restart();
    }
    MarkScreen();
}

void CFuncToolBreak::ResetInput(const ToolEvent&) {
    if (step_ == Step::PickElement) {
        Restart();
    }
}

void CFuncToolBreak::OnScroll(int code, int position, ScrollBar bar) {
    CFuncTool::OnScroll(code, position, bar);
    if (step_ == Step::PickElement) {
        Restart();
    }
}

std::string_view CFuncToolBreak::Prompt() const {
    switch (step_) {
        case Step::PickElement:
            return "Pick the line or arc to break";
        case Step::FirstPoint:
            return "First break point";
        case Step::SecondPoint:
            break;
    }
    return "Second break point";
}

}  // namespace korvo
