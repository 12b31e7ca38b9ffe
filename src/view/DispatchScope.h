#pragma once

#include <optional>

#include "view/KorvoFEView.h"
#include "view/RedrawBatch.h"

namespace korvo {

// Around every event and every tool change: tools replaced meanwhile stay alive until the
// outermost scope closes, so a tool that replaced itself can still return through its own code.
// Event scopes also hold one redraw batch, so one user action causes one repaint.
class CKorvoFEView::DispatchScope {
public:
    DispatchScope(CKorvoFEView& view, bool withBatch) : view_(view) {
        ++view_.dispatchDepth_;
        if (withBatch) {
            batch_.emplace(view_);
        }
    }
    ~DispatchScope() {
        batch_.reset();
        if (--view_.dispatchDepth_ == 0) {
            view_.ReleaseRetiredTools();
        }
    }
    DispatchScope(const DispatchScope&) = delete;
    DispatchScope& operator=(const DispatchScope&) = delete;

private:
    CKorvoFEView& view_;
    std::optional<CRedrawBatch> batch_;
};

}  // namespace korvo
