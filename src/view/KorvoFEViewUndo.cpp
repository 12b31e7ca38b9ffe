// Undo and redo: where an action ends, what it changed becomes a step of the document's history.
#include "app/KorvoFEDoc.h"
#include "view/DispatchScope.h"
#include "view/KorvoFEView.h"
#include "view/UndoStepName.h"
#include "view/ViewCommands.h"
#include "view/ViewSwitches.h"
#include "view/ViewTool.h"

namespace korvo {

void CKorvoFEView::BeginAction(UndoCue cue, int command) {
    undoCue_ = cue;
    undoCause_ = {command, tools_.ActiveId()};
}

void CKorvoFEView::EndAction() {
    if (closing_) {
        return;
    }
    switch (undoCue_) {
        case UndoCue::Never:
            break;
        case UndoCue::AtButtonUp:
            if (!pendingCause_) {
                pendingCause_ = undoCause_;
            }
            break;
        case UndoCue::Record:
            RecordStep(pendingCause_.value_or(undoCause_));
            break;
    }
}

void CKorvoFEView::RecordStep(const UndoCause& cause) {
    pendingCause_.reset();
    CUndoHistory& history = document_.GetUndoHistory();
    // The first action of a document only takes the state it starts from, which costs no name.
    const std::string name =
        history.Count() == 0 ? std::string() : UndoStepName(factory_, cause.command, cause.tool);
    history.Record(name);
}

void CKorvoFEView::UndoCommand(bool redo) {
    const CUndoHistory& history = document_.GetUndoHistory();
    if (redo ? history.CanRedo() : history.CanUndo()) {
        GoToUndoStep(redo ? history.Current() + 1 : history.Current() - 1);
    }
}

void CKorvoFEView::GoToUndoStep(std::size_t index) {
    DispatchScope scope(*this, true, UndoCue::Never);
    // A press still waiting for its release has changed things that belong to a step of their
    // own; they are kept before the history moves.
    if (pendingCause_) {
        RecordStep(*pendingCause_);
    }
    // The tool goes first: it may hold nodes of the drawing that is about to be replaced.
    CreateTool(kToolSelection);
    document_.GetUndoHistory().GoTo(index);
    // A fresh selection tool builds its trackers from the restored selection.
    CreateTool(kToolSelection);
    // The snap marker belongs to the drawing that is gone: snap again where the pointer is.
    snapHit_ = 0;
    if (host_.IsPointerInView()) {
        const DevicePoint p = host_.GetPointerPos();
        DispatchMouse(&IViewTool::OnMouseMove, {PointerKind::Move, MouseButton::None, {}, p});
    }
    UpdateStatus();
    AddWorldRect(std::nullopt);
}

}  // namespace korvo
