#include "tools/FuncToolSelectTool.h"

#include <algorithm>

#include "app/KorvoFEDoc.h"
#include "model/DataCollection.h"
#include "model/Paper.h"
#include "view/KorvoFEView.h"
#include "view/RedrawBatch.h"
#include "view/ViewCommands.h"
#include "view/ViewSwitches.h"

namespace korvo {

namespace {

bool ShiftAndCtrl(const InputState& state) {
    return state.shift && state.control;
}

void DeselectInto(CDataCollection& nodes, CRedrawBatch& batch) {
    for (CData* node : nodes) {
        if (node->GetMark() != kMarkNormal) {
            node->SetMark(kMarkNormal);
            batch.DrawNode(*node);
        } else if (CDataCollection* children = node->GetChildren()) {
            DeselectInto(*children, batch);
        }
    }
}

}  // namespace

void CFuncToolSelectTool::Start() {
    SetCursor(CursorShape::Arrow);
    SetFeedback(false);
    SetDragging(false);
    armed_ = false;
    RebuildTrackers();
    if (trackers_.HasGrips()) {
        MarkScreen();
    }
}

void CFuncToolSelectTool::End() {
    // The grips are feedback too: they go with the tool.
    if (trackers_.HasGrips()) {
        MarkScreen();
    }
    CFuncToolRubberWindow::End();
}

CFuncToolSelectTool::Step CFuncToolSelectTool::GetStep() const {
    if (IsDragging()) {
        return Step::Window;
    }
    if (trackers_.IsLive()) {
        return Step::GripDrag;
    }
    return armed_ ? Step::DragArmed : Step::Idle;
}

CData* CFuncToolSelectTool::PickTarget(const InputState& state, CData* node) {
    if (node == nullptr) {
        return nullptr;
    }
    if (ShiftAndCtrl(state) && node->GetParent() != nullptr) {
        return node->GetParent();
    }
    while (node->GetParent() != nullptr) {
        node = node->GetParent();
    }
    return node;
}

void CFuncToolSelectTool::RebuildTrackers() {
    if (CPaper* paper = Paper()) {
        trackers_.Build(*paper, g_bTrackers);
    }
}

void CFuncToolSelectTool::DeselectAll() {
    CRedrawBatch batch(View());
    DeselectInto(*Paper()->GetCollection(), batch);
}

void CFuncToolSelectTool::OnLButtonDown(const ToolEvent& e) {
    CPaper* paper = Paper();
    if (IsDragging() || paper == nullptr) {
        return;
    }
    if (trackers_.HasGrips()) {
        if (const int grip = trackers_.HitTest(*paper, e.Pixel()); grip != 0) {
            BeginGripDrag(grip);
            return;
        }
    }
    if (SelectAt(e)) {
        return;
    }
    if (!e.State().shift && !e.State().control) {
        CRedrawBatch batch(View());
        DeselectAll();
        trackers_.Clear();
        batch.AddScreenRect();
    }
    // Not dragging, so the base starts a window at the click.
    CFuncToolRubberWindow::OnLButtonDown(e);
}

bool CFuncToolSelectTool::SelectAt(const ToolEvent& e) {
    armed_ = false;
    if (ShiftAndCtrl(e.State())) {
        return false;
    }
    CPaper& paper = *Paper();
    CData* target = PickTarget(e.State(), paper.PickElement(e.Pixel(), 0));
    if (target == nullptr || !target->IsVisible() || !CKorvoFEDoc::MaySelect(target)) {
        return false;
    }
    CRedrawBatch batch(View());
    if (e.State().shift) {
        target->SetMark(target->GetMark() != kMarkNormal ? kMarkNormal : kMarkSelected);
    } else {
        if (!e.State().control) {
            if (target->GetMark() == kMarkNormal) {
                DeselectAll();
                trackers_.Clear();
            } else if (trackers_.HasGrips()) {
                trackers_.ToggleMode();
            }
        }
        target->SetMark(kMarkSelected);
    }
    batch.DrawNode(*target);
    batch.AddScreenRect();
    RebuildTrackers();
    View().GetDocument().OnSelectionChanged(target);
    armed_ = true;
    press_ = GetSnapPoint();
    return true;
}

void CFuncToolSelectTool::OnMouseMove(const ToolEvent& e) {
    // The base tracks the cursor and drags the corner of a window under way.
    CFuncToolRubberWindow::OnMouseMove(e);
    if (IsDragging() || Paper() == nullptr) {
        return;
    }
    if ((trackers_.HasGrips() || trackers_.IsLive()) && TrackerMouseMove(e)) {
        return;
    }
    const PointF snap = GetSnapPoint();
    if (armed_ && e.State().leftHeld && (snap.x != press_.x || snap.y != press_.y)) {
        CKorvoFEView& view = View();
        StartSelectionDrag(press_);
        if (view.GetTool() == this) {
            armed_ = false;
        }
    }
}

void CFuncToolSelectTool::StartSelectionDrag(PointF pressPoint) {
    View().DragSelection(pressPoint);
}

void CFuncToolSelectTool::BeginGripDrag(int grip) {
    CPaper& paper = *Paper();
    const bool snapped = trackers_.GetLayout() != CTrackerSet::Layout::Rotate || grip == 1;
    trackers_.BeginDrag(paper, grip, snapped ? GetSnapPoint() : GetRawPoint());
    SetCursor(CursorShape::Cross);
    CRedrawBatch batch(View());
    batch.AddWorldRect(trackers_.GetExtents());
    batch.AddScreenRect();
}

bool CFuncToolSelectTool::TrackerMouseMove(const ToolEvent& e) {
    CPaper& paper = *Paper();
    if (e.State().leftHeld && trackers_.IsLive()) {
        const PointF p = trackers_.FollowsSnapPoint() ? GetSnapPoint() : GetRawPoint();
        if (const std::optional<RectF> area = trackers_.DragTo(paper, p)) {
            CRedrawBatch batch(View());
            if (area->IsValid()) {
                batch.AddWorldRect(*area);
            }
            batch.AddScreenRect();
        }
        return true;
    }
    if (trackers_.IsLive()) {
        // The button went up outside the view: the drag ends where it is.
        EndGripDrag();
    }
    SetCursor(trackers_.HitTest(paper, e.Pixel()) != 0 ? CursorShape::Cross : CursorShape::Arrow);
    return false;
}

void CFuncToolSelectTool::EndGripDrag() {
    CPaper& paper = *Paper();
    CRedrawBatch batch(View());
    batch.AddWorldRect(trackers_.GetExtents());
    trackers_.EndDrag(paper, g_bTrackers);
    batch.AddWorldRect(trackers_.GetExtents());
    batch.AddScreenRect();
}

void CFuncToolSelectTool::OnLButtonUp(const ToolEvent& e) {
    armed_ = false;
    if (IsDragging()) {
        SetDragging(false);
        MarkScreen();
        SelectByWindow(e.State());
    }
    if (trackers_.IsLive()) {
        // The nodes already carry the change; the document hears what it was.
        View().GetDocument().ApplyTransformation(trackers_.Transformation(), trackers_.Nodes());
        EndGripDrag();
        RebuildTrackers();
        SetCursor(CursorShape::Arrow);
        MarkScreen();
    }
}

void CFuncToolSelectTool::SelectByWindow(const InputState& state) {
    CPaper* paper = Paper();
    const PointF a = GetFirstCorner();
    const PointF b = GetSecondCorner();
    if (paper == nullptr || PointsEqualF(a.x, a.y, b.x, b.y)) {
        return;
    }
    const RectF window{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x),
                       std::max(a.y, b.y)};
    CRedrawBatch batch(View());
    if (!state.shift && !state.control) {
        DeselectAll();
        trackers_.Clear();
    }
    for (CData* node : *paper->GetCollection()) {
        const RectF r = node->GetExtents(*paper);
        if (!r.IsValid() || r.minX < window.minX || r.maxX > window.maxX || r.minY < window.minY ||
            r.maxY > window.maxY) {
            continue;
        }
        if (node->IsVisible()) {
            if (state.shift) {
                node->SetMark(node->GetMark() != kMarkNormal ? kMarkNormal : kMarkSelected);
            } else {
                node->SetMark(kMarkSelected);
            }
        }
        batch.DrawNode(*node);
    }
    batch.AddScreenRect();
    RebuildTrackers();
}

void CFuncToolSelectTool::OnLButtonDblClk(const ToolEvent& e) {
    CPaper* paper = Paper();
    if (paper == nullptr) {
        return;
    }
    const PointF p = e.world;
    const int code = CKorvoFEDoc::CharacterAtTablePoint(p.x, p.y);
    CKorvoFEView& view = View();
    if (code < 0) {
        if (CData* node = paper->PickElement(e.Pixel(), 0)) {
            view.SelectOnly(node);
            if (view.GetTool() == this) {
                RebuildTrackers();
                MarkScreen();
            }
        }
        return;
    }
    CKorvoFEDoc& document = view.GetDocument();
    CRedrawBatch batch(view);
    view.ClearDrawing(true);
    // This ends the tool: from here on only the view and the document are used.
    view.CreateTool(kToolSelection);
    document.DecodeGlyph(document.GetFont().Table(), code);
    document.SetCurrentChar(code);
    batch.AddWorldRect();
}

void CFuncToolSelectTool::OnRButtonDblClk(const ToolEvent& e) {
    if (Paper() == nullptr) {
        return;
    }
    const PointF p = e.world;
    const int code = CKorvoFEDoc::CharacterAtTablePoint(p.x, p.y);
    if (code < 0) {
        return;
    }
    CKorvoFEView& view = View();
    CKorvoFEDoc& document = view.GetDocument();
    CRedrawBatch batch(view);
    // A refusal (more than 255 pairs) has been shown by the document and keeps everything.
    if (document.EncodeGlyph(document.GetFont().Table(), code) != 0) {
        document.SetCurrentChar(code);
        view.ClearDrawing(false);
        // This ends the tool.
        view.CreateTool(kToolSelection);
    }
    batch.AddWorldRect();
}

void CFuncToolSelectTool::OnRButtonDown(const ToolEvent& e) {
    if (IsDragging()) {
        CFuncToolRubberWindow::OnRButtonDown(e);
        return;
    }
    // A fresh tool: its trackers are built anew from the selection.
    View().CreateTool(kToolSelection);
}

void CFuncToolSelectTool::OnScroll(int, int, ScrollBar) {
    // The selection tool shows no feedback that scrolling would leave behind.
}

void CFuncToolSelectTool::OnTrackersSwitched(bool on) {
    if (on) {
        RebuildTrackers();
    } else {
        trackers_.Clear();
    }
    MarkScreen();
}

void CFuncToolSelectTool::DrawFeedback(IDrawContext& dc) {
    CFuncToolRubberWindow::DrawFeedback(dc);
    if (!IsDragging() && trackers_.HasGrips()) {
        trackers_.Draw(*Paper(), dc);
    }
}

std::string_view CFuncToolSelectTool::Prompt() const {
    switch (GetStep()) {
        case Step::Window:
            return "Opposite corner of the window";
        case Step::GripDrag:
            return "Release where the grip goes";
        case Step::DragArmed:
        case Step::Idle:
            break;
    }
    return "Pick an element, or drag a window around elements";
}

}  // namespace korvo
