#include "tools/FuncToolPickPair.h"

#include "edit/PickCandidates.h"
#include "model/Data.h"
#include "model/Paper.h"
#include "platform/DialogHost.h"
#include "platform/Message.h"
#include "tools/PickFeedback.h"
#include "view/KorvoFEView.h"
#include "view/RedrawBatch.h"
#include "view/ViewCommands.h"

namespace korvo {

CFuncToolPickPair::CFuncToolPickPair(CKorvoFEView& view, bool linesOnly)
    : CFuncTool(view), linesOnly_(linesOnly) {}

void CFuncToolPickPair::Start() {
    first_ = nullptr;
    step_ = Step::NothingPicked;
    CollectCandidates();
}

void CFuncToolPickPair::CollectCandidates() {
    CPaper* paper = Paper();
    candidates_.clear();
    if (paper != nullptr) {
        candidates_ = CollectPickCandidates(*paper->GetCollection(), linesOnly_);
    }
}

CData* CFuncToolPickPair::LiveFirst() {
    CPaper* paper = Paper();
    if (first_ != nullptr && (paper == nullptr || !IsInDrawing(*paper->GetCollection(), first_))) {
        first_ = nullptr;
        step_ = Step::NothingPicked;
        SetFeedback(false);
        CollectCandidates();
    }
    return first_;
}

void CFuncToolPickPair::OnLButtonDown(const ToolEvent& e) {
    CPaper* paper = Paper();
    if (paper == nullptr) {
        return;
    }
    CData* first = LiveFirst();
    // Elements deleted by a command since the list was made are never picked.
    const std::vector<CData*> live = LiveCandidates(*paper->GetCollection(), candidates_);
    CData* picked = PickCandidate(*paper, live, e.Pixel(), first);
    if (step_ == Step::NothingPicked) {
        firstPoint_ = e.world;
        if (picked != nullptr) {
            first_ = picked;
            step_ = Step::FirstPicked;
            SetFeedback(true);
            MarkScreen();
        }
        return;
    }
    if (picked != nullptr && first != nullptr) {
        EditPair(*paper, *first, *picked, e.world);
    }
}

void CFuncToolPickPair::DrawFeedback(IDrawContext& dc) {
    CFuncTool::DrawFeedback(dc);
    const CPaper* paper = Paper();
    if (paper != nullptr && first_ != nullptr && IsInDrawing(*paper->GetCollection(), first_)) {
        DrawPickedElement(dc, *paper, *first_);
    }
}

void CFuncToolPickPair::OnRButtonDown(const ToolEvent&) {
    CPaper* paper = Paper();
    if (LiveFirst() != nullptr && paper != nullptr) {
        CRedrawBatch batch(View());
        MarkNode(batch, *paper, *first_);
    }
    View().CreateTool(kToolSelectionTool);
}

void CFuncToolPickPair::OnKeyDown(const KeyEvent& event) {
    if (event.key != Key::Escape || LiveFirst() == nullptr) {
        return;
    }
    // The highlight is feedback: repainting the screen takes it away.
    MarkScreen();
    first_ = nullptr;
    step_ = Step::NothingPicked;
    CollectCandidates();
}

void CFuncToolPickPair::ResetInput(const ToolEvent&) {
    if (step_ == Step::NothingPicked) {
        CollectCandidates();
    }
}

void CFuncToolPickPair::OnScroll(int code, int position, ScrollBar bar) {
    CFuncTool::OnScroll(code, position, bar);
    if (step_ == Step::NothingPicked) {
        CollectCandidates();
    }
}

void CFuncToolPickPair::ReportNotLinesOrEllipses() const {
    View().Host().Dialogs().ShowMessage(MessageRequest{
        MessageId::Fixed(FixedText::OneIsNeitherLineNorEllipse), {}, MessageButtons::Ok});
}

}  // namespace korvo
