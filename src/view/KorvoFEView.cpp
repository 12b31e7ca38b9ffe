// The view's life, its event dispatch to the tools, tool installation and redraw batches.
#include "view/KorvoFEView.h"

#include <fmt/printf.h>

#include <algorithm>
#include <utility>

#include "app/GlyphDrawing.h"
#include "app/KorvoFEDoc.h"
#include "model/DataCollection.h"
#include "model/Paper.h"
#include "platform/DialogHost.h"
#include "platform/DrawSurface.h"
#include "platform/KeyCodes.h"
#include "resources/StringTable.h"
#include "view/DispatchScope.h"
#include "view/RedrawBatch.h"
#include "view/ToolFactory.h"
#include "view/ViewCommands.h"
#include "view/ViewDragDrop.h"
#include "view/ViewTool.h"

namespace korvo {

CKorvoFEView::CKorvoFEView(CKorvoFEDoc& document, IViewHost& host, IToolFactory& factory)
    : document_(document),
      host_(host),
      factory_(factory),
      pipeline_(std::make_unique<CRenderPipeline>(*this, host)),
      dragDrop_(std::make_unique<CViewDragDrop>(*this, host)) {}

CKorvoFEView::~CKorvoFEView() {
    // The tools end while the rest of the view still stands: ending may mark the screen.
    closing_ = true;
    tools_.Drop(kToolSelection);
    tools_.ReleaseRetired();
}

CPaper* CKorvoFEView::GetPaper() const {
    return document_.GetPaper();
}

void CKorvoFEView::OnInitialUpdate() {
    DispatchScope scope(*this, false);
    document_.EnsurePaper();
    document_.UpdateAllViews(1);
    PrepareMapping();
    CreateTool(kToolSelection);
}

void CKorvoFEView::OnSize(int, int) {
    // The next paint hands the new client size to the paper and renders at that size.
    CRedrawBatch batch(*this);
    batch.AddWorldRect();
}

// --- event dispatch ---------------------------------------------------------------------------

void CKorvoFEView::ShowPrompt() {
    if (closing_) {
        return;
    }
    const IViewTool* tool = GetActiveTool();
    std::string_view prompt = tool != nullptr ? tool->Prompt() : std::string_view();
    if (prompt.empty()) {
        prompt = "Ready";
    }
    if (prompt != shownPrompt_) {
        shownPrompt_ = prompt;
        host_.SetStatusText(kPaneMessage, shownPrompt_);
    }
}

void CKorvoFEView::DispatchMouse(void (IViewTool::*handler)(unsigned, int, int), unsigned flags,
                                 int x, int y) {
    // Any button makes a Ctrl held meanwhile a modifier (Ctrl + click), not a request.
    if (handler != &IViewTool::OnMouseMove) {
        controlTap_ = false;
    }
    if (IViewTool* tool = GetActiveTool()) {
        (tool->*handler)(flags, x, y);
    }
}

void CKorvoFEView::OnLButtonDown(unsigned flags, int x, int y) {
    DispatchScope scope(*this, true, UndoCue::AtButtonUp);
    DispatchMouse(&IViewTool::OnLButtonDown, flags, x, y);
}

void CKorvoFEView::OnLButtonUp(unsigned flags, int x, int y) {
    DispatchScope scope(*this, true);
    DispatchMouse(&IViewTool::OnLButtonUp, flags, x, y);
    UpdateStatus();
}

void CKorvoFEView::OnLButtonDblClk(unsigned flags, int x, int y) {
    DispatchScope scope(*this, true);
    DispatchMouse(&IViewTool::OnLButtonDblClk, flags, x, y);
    if ((flags & kMkShift) != 0) {
        // Shift + double click copies the whole drawing.
        if (CPaper* paper = GetPaper()) {
            paper->SetMarkAll(kMarkSelected);
            AddWorldRect(std::nullopt);
        }
        CreateTool(kToolCopy);
    }
    UpdateStatus();
}

void CKorvoFEView::OnRButtonDown(unsigned flags, int x, int y) {
    DispatchScope scope(*this, true);
    DispatchMouse(&IViewTool::OnRButtonDown, flags, x, y);
    UpdateStatus();
}

void CKorvoFEView::OnRButtonUp(unsigned, int, int) {
    // No tool takes the release of the right button; the window turns it into a context menu.
}

void CKorvoFEView::OnRButtonDblClk(unsigned flags, int x, int y) {
    DispatchScope scope(*this, true);
    DispatchMouse(&IViewTool::OnRButtonDblClk, flags, x, y);
    UpdateStatus();
}

void CKorvoFEView::OnMButtonDown(unsigned flags, int x, int y) {
    DispatchScope scope(*this, true);
    controlTap_ = false;
    if ((flags & kMkShift) != 0) {
        host_.PostCommand(kCmdZoomOriginal);
    } else {
        host_.StartAutoScroll({x, y});
    }
    UpdateStatus();
}

void CKorvoFEView::OnMButtonDblClk(unsigned, int, int) {
    DispatchScope scope(*this, true);
    controlTap_ = false;
    UpdateStatus();
}

void CKorvoFEView::OnMouseMove(unsigned flags, int x, int y) {
    // A move never makes a step of its own, but one without the button means the press that
    // began an action was released unseen (a drag and drop swallows the release): it is over.
    const bool released = pendingCause_ && (flags & kMkLButton) == 0;
    DispatchScope scope(*this, true, released ? UndoCue::Record : UndoCue::Never);
    DispatchMouse(&IViewTool::OnMouseMove, flags, x, y);
}

void CKorvoFEView::OnKeyDown(int key, int repeat, unsigned flags) {
    if (key == kVkControl) {
        // Held down, the key repeats; only the first press starts a tap.
        if ((flags & kKeyWasDown) == 0) {
            controlTap_ = true;
        }
        return;
    }
    controlTap_ = false;
    DispatchScope scope(*this, true);
    if (IViewTool* tool = GetActiveTool()) {
        tool->OnKeyDown(key, repeat, flags);
    }
}

void CKorvoFEView::OnKeyUp(int key, unsigned flags) {
    if (key != kVkControl || !std::exchange(controlTap_, false)) {
        return;
    }
    DispatchScope scope(*this, true);
    if (IViewTool* tool = GetActiveTool()) {
        tool->OnKeyDown(kVkControl, 1, flags);
    }
}

void CKorvoFEView::OnKillFocus() {
    DispatchScope scope(*this, true);
    controlTap_ = false;
    if (IViewTool* tool = GetActiveTool()) {
        tool->OnKillFocus();
    }
}

bool CKorvoFEView::OnSetCursor(bool overClientArea) {
    IViewTool* tool = GetActiveTool();
    if (!overClientArea || tool == nullptr) {
        return false;
    }
    host_.SetCursor(tool->GetCursor());
    return true;
}

void CKorvoFEView::OnContextMenu(int screenX, int screenY) {
    DispatchScope scope(*this, false);
    controlTap_ = false;
    if (IViewTool* tool = GetTool()) {
        tool->OnContextMenu(screenX, screenY);
    }
}

void CKorvoFEView::OnTimer(int id) {
    const auto it = timerHandlers_.find(id);
    if (it != timerHandlers_.end() && it->second) {
        // A copy: the handler may replace or remove itself.
        const std::function<void()> handler = it->second;
        handler();
    }
}

void CKorvoFEView::SetTimerHandler(int id, std::function<void()> handler) {
    if (handler) {
        timerHandlers_[id] = std::move(handler);
    } else {
        timerHandlers_.erase(id);
    }
}

int CKorvoFEView::OnToolMessage(int message, int parameter) {
    if (message == kMsgCreateTool) {
        DispatchScope scope(*this, true);
        CreateTool(parameter);
    }
    return 1;
}

// --- tools ------------------------------------------------------------------------------------

int CKorvoFEView::CreateTool(int id) {
    DispatchScope scope(*this, false);
    IToolFactory::Made made = factory_.Make(id, *this);
    switch (made.kind) {
        case IToolFactory::Kind::Main:
            SetTool(id, std::move(made.tool));
            break;
        case IToolFactory::Kind::Temporary:
            SetTemporaryTool(id, std::move(made.tool));
            break;
        case IToolFactory::Kind::NoTool:
            break;
        case IToolFactory::Kind::Unknown:
            // The view is left without any tool; the ended ones' feedback goes.
            tools_.Drop(kToolSelection);
            break;
    }
    UpdateStatus();
    return 1;
}

int CKorvoFEView::SetTool(int id, std::unique_ptr<IViewTool> tool) {
    DispatchScope scope(*this, false);
    ToolInstalled(tools_.InstallMain(id, std::move(tool)));
    return 1;
}

int CKorvoFEView::SetTemporaryTool(int id, std::unique_ptr<IViewTool> tool) {
    DispatchScope scope(*this, false);
    ToolInstalled(tools_.InstallTemporary(id, std::move(tool)));
    return 1;
}

void CKorvoFEView::ToolInstalled(bool ended) {
    if (ended) {
        // The values pane spoke of the tool that just ended; the new one writes its own.
        SetToolStatus({});
    }
    RefreshCursor();
}

void CKorvoFEView::RefreshCursor() {
    if (!closing_ && host_.IsPointerInView()) {
        OnSetCursor(true);
    }
}

void CKorvoFEView::SelectOnly(CData* node) {
    DispatchScope scope(*this, true);
    if (CPaper* paper = GetPaper()) {
        paper->SetMarkAll(kMarkNormal);
    }
    if (node != nullptr) {
        node->SetMark(kMarkSelected);
    }
    AddWorldRect(std::nullopt);
    CreateTool(kToolChangeAttribute);
}

void CKorvoFEView::UpdateStatus() {
    std::vector<CData*> list;
    document_.CollectAreaElements(list, kAreaLinesAndPoints);
    const int pairs = CKorvoFEDoc::CountNeededPairs(list);
    host_.SetStatusText(kPaneElementCount,
                        fmt::sprintf(std::string(LoadString(IDS_ELEMENT_COUNT)), pairs));
}

void CKorvoFEView::SetToolStatus(std::string_view text) {
    host_.SetStatusText(kPaneToolValues, text);
}

void CKorvoFEView::ClearDrawing(bool ask) {
    CPaper* paper = GetPaper();
    if (paper == nullptr) {
        return;
    }
    if (ask) {
        std::vector<CData*> list;
        if (document_.CollectAreaElements(list, kAreaLinesAndPoints) == 0 || list.empty()) {
            return;
        }
        const MessageRequest question{
            MessageId::String(IDS_CLEAR_DRAWING_AREA), {}, MessageButtons::YesNo};
        if (host_.Dialogs().ShowMessage(question) != MessageAnswer::Yes) {
            return;
        }
    }
    paper->SetMarkAll(kMarkDoomed);
    paper->GetCollection()->DeleteSelected();
    UpdateStatus();
}

void CKorvoFEView::OnUpdate(int hint, const UpdateArea& area) {
    pipeline_->OnUpdate(hint, area);
}

// --- drag and drop ----------------------------------------------------------------------------

std::unique_ptr<CDataCollection> CKorvoFEView::LoadClipboard() {
    return dragDrop_->LoadClipboard();
}

void CKorvoFEView::DragSelection(PointF pressPoint) {
    dragDrop_->DragSelection(pressPoint);
}

DropEffect CKorvoFEView::OnDragOver(std::optional<std::span<const std::byte>> data, unsigned flags,
                                    int x, int y) {
    return dragDrop_->DragOver(data, (flags & kMkControl) != 0, {x, y});
}

DropEffect CKorvoFEView::OnDrop(std::optional<std::span<const std::byte>> data, unsigned flags,
                                int x, int y) {
    return dragDrop_->Drop(data, (flags & kMkControl) != 0, {x, y});
}

void CKorvoFEView::OnDragLeave() {
    dragDrop_->Leave();
}

const CDataCollection* CKorvoFEView::GetDragPreview() const {
    return dragDrop_->Preview();
}

}  // namespace korvo
