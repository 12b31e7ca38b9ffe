#pragma once

#include <optional>

#include "view/KorvoFEView.h"
#include "view/RedrawBatch.h"

namespace korvo {

// Around every event and every tool change: tools replaced meanwhile stay alive until the
// outermost scope closes, so a tool that replaced itself can still return through its own code.
// Event scopes also hold one redraw batch, so one user action causes one repaint. Where the
// outermost scope ends, the user's action is over: that is where an undo step is recorded, as
// `cue` says (`command` names the step after a command instead of the active tool).
class CKorvoFEView::DispatchScope {
public:
    DispatchScope(CKorvoFEView& view, bool withBatch, UndoCue cue = UndoCue::Record,
                  int command = 0)
        : view_(view) {
        if (view_.dispatchDepth_++ == 0) {
            view_.BeginAction(cue, command);
        }
        if (withBatch) {
            batch_.emplace(view_);
        }
    }
    ~DispatchScope() {
        batch_.reset();
        if (--view_.dispatchDepth_ == 0) {
            view_.ReleaseRetiredTools();
            view_.EndAction();
            view_.ShowPrompt();
        }
    }
    DispatchScope(const DispatchScope&) = delete;
    DispatchScope& operator=(const DispatchScope&) = delete;

private:
    CKorvoFEView& view_;
    std::optional<CRedrawBatch> batch_;
};

}  // namespace korvo
