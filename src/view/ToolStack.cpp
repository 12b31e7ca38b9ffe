#include "view/ToolStack.h"

#include <utility>

#include "view/ViewTool.h"

namespace korvo {

CToolStack::CToolStack() = default;

CToolStack::~CToolStack() {
    Retire(temporary_);
    Retire(main_);
    ReleaseRetired();
}

bool CToolStack::InstallMain(int id, std::unique_ptr<IViewTool> tool) {
    return Install(main_, mainId_, id, std::move(tool));
}

bool CToolStack::InstallTemporary(int id, std::unique_ptr<IViewTool> tool) {
    if (main_) {
        main_->Suspend();
    }
    return Install(temporary_, temporaryId_, id, std::move(tool));
}

bool CToolStack::Install(std::unique_ptr<IViewTool>& slot, int& slotId, int id,
                         std::unique_ptr<IViewTool> tool) {
    const bool ended = slot != nullptr;
    Retire(slot);
    slotId = id;
    slot = std::move(tool);
    if (slot) {
        slot->Start();
    }
    return ended;
}

void CToolStack::Retire(std::unique_ptr<IViewTool>& slot) {
    // The tool ends as if replaced (its feedback goes).
    if (slot) {
        slot->End();
        retired_.push_back(std::move(slot));
    }
}

void CToolStack::Drop(int idleId) {
    Retire(temporary_);
    Retire(main_);
    mainId_ = idleId;
    temporaryId_ = idleId;
}

void CToolStack::ReleaseRetired() {
    // Destroying a tool may not start anything new, but be safe against it all the same.
    while (!retired_.empty()) {
        std::vector<std::unique_ptr<IViewTool>> doomed;
        doomed.swap(retired_);
    }
}

}  // namespace korvo
