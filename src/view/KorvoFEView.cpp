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
#include "view/ViewSwitches.h"
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

ToolEvent CKorvoFEView::MakeToolEvent(const PointerInput& input) {
    ToolEvent event{input};
    CPaper* paper = GetPaper();
    if (paper == nullptr) {
        return event;
    }
    event.world = paper->DeviceToWorld(input.pixel);
    // The same pixel and the same world point: neither the pointer nor the mapping has moved.
    if (input.kind != PointerKind::Move && lastMove_ && lastMove_->input.pixel == input.pixel &&
        lastMove_->world == event.world) {
        event.snapped = lastMove_->snapped;
        event.snapHit = lastMove_->snapHit;
        return event;
    }
    if (g_nSnapMode != 0) {
        event.snapHit = paper->SnapToPoints(g_nSnapMode, input.pixel, event.snapped);
    }
    if (event.snapHit == 0) {
        // The grid comes last: a point of the drawing nearby is what the user aims at.
        event.snapped = g_bSnapToGrid ? paper->SnapToGrid(input.pixel) : event.world;
    }
    if (input.kind == PointerKind::Move) {
        lastMove_ = event;
    }
    return event;
}

void CKorvoFEView::DispatchMouse(void (IViewTool::*handler)(const ToolEvent&),
                                 const PointerInput& input) {
    // Any button makes a Ctrl held meanwhile a modifier (Ctrl + click), not a request.
    if (handler != &IViewTool::OnMouseMove) {
        controlTap_ = false;
    }
    if (IViewTool* tool = GetActiveTool()) {
        (tool->*handler)(MakeToolEvent(input));
    }
}

void CKorvoFEView::OnPointer(const PointerInput& input) {
    switch (input.kind) {
        case PointerKind::Press:
            if (input.button == MouseButton::Left) {
                PressLeft(input);
            } else if (input.button == MouseButton::Right) {
                PressRight(input);
            } else if (input.button == MouseButton::Middle) {
                PressMiddle(input);
            }
            break;
        case PointerKind::Release:
            // No tool takes the release of the right button; the window turns it into a
            // context menu.
            if (input.button == MouseButton::Left) {
                ReleaseLeft(input);
            }
            break;
        case PointerKind::DoubleClick:
            if (input.button == MouseButton::Left) {
                DoubleLeft(input);
            } else if (input.button == MouseButton::Right) {
                DoubleRight(input);
            } else if (input.button == MouseButton::Middle) {
                DoubleMiddle();
            }
            break;
        case PointerKind::Move:
            Move(input);
            break;
    }
}

void CKorvoFEView::OnLButtonDown(unsigned flags, int x, int y) {
    OnPointer(PointerInputOf(PointerKind::Press, MouseButton::Left, flags, x, y));
}

void CKorvoFEView::OnLButtonUp(unsigned flags, int x, int y) {
    OnPointer(PointerInputOf(PointerKind::Release, MouseButton::Left, flags, x, y));
}

void CKorvoFEView::OnLButtonDblClk(unsigned flags, int x, int y) {
    OnPointer(PointerInputOf(PointerKind::DoubleClick, MouseButton::Left, flags, x, y));
}

void CKorvoFEView::OnRButtonDown(unsigned flags, int x, int y) {
    OnPointer(PointerInputOf(PointerKind::Press, MouseButton::Right, flags, x, y));
}

void CKorvoFEView::OnRButtonUp(unsigned flags, int x, int y) {
    OnPointer(PointerInputOf(PointerKind::Release, MouseButton::Right, flags, x, y));
}

void CKorvoFEView::OnRButtonDblClk(unsigned flags, int x, int y) {
    OnPointer(PointerInputOf(PointerKind::DoubleClick, MouseButton::Right, flags, x, y));
}

void CKorvoFEView::OnMButtonDown(unsigned flags, int x, int y) {
    OnPointer(PointerInputOf(PointerKind::Press, MouseButton::Middle, flags, x, y));
}

void CKorvoFEView::OnMButtonDblClk(unsigned flags, int x, int y) {
    OnPointer(PointerInputOf(PointerKind::DoubleClick, MouseButton::Middle, flags, x, y));
}

void CKorvoFEView::OnMouseMove(unsigned flags, int x, int y) {
    OnPointer(PointerInputOf(PointerKind::Move, MouseButton::None, flags, x, y));
}

void CKorvoFEView::PressLeft(const PointerInput& input) {
    DispatchScope scope(*this, true, UndoCue::AtButtonUp);
    DispatchMouse(&IViewTool::OnLButtonDown, input);
}

void CKorvoFEView::ReleaseLeft(const PointerInput& input) {
    DispatchScope scope(*this, true);
    DispatchMouse(&IViewTool::OnLButtonUp, input);
    UpdateStatus();
}

void CKorvoFEView::DoubleLeft(const PointerInput& input) {
    DispatchScope scope(*this, true);
    DispatchMouse(&IViewTool::OnLButtonDblClk, input);
    if (input.state.shift) {
        // Shift + double click copies the whole drawing.
        if (CPaper* paper = GetPaper()) {
            paper->SetMarkAll(kMarkSelected);
            AddWorldRect(std::nullopt);
        }
        CreateTool(kToolCopy);
    }
    UpdateStatus();
}

void CKorvoFEView::PressRight(const PointerInput& input) {
    DispatchScope scope(*this, true);
    DispatchMouse(&IViewTool::OnRButtonDown, input);
    UpdateStatus();
}

void CKorvoFEView::DoubleRight(const PointerInput& input) {
    DispatchScope scope(*this, true);
    DispatchMouse(&IViewTool::OnRButtonDblClk, input);
    UpdateStatus();
}

void CKorvoFEView::PressMiddle(const PointerInput& input) {
    DispatchScope scope(*this, true);
    controlTap_ = false;
    if (input.state.shift) {
        host_.PostCommand(kCmdZoomOriginal);
    } else {
        host_.StartAutoScroll(input.pixel);
    }
    UpdateStatus();
}

void CKorvoFEView::DoubleMiddle() {
    DispatchScope scope(*this, true);
    controlTap_ = false;
    UpdateStatus();
}

void CKorvoFEView::Move(const PointerInput& input) {
    // A move never makes a step of its own, but one without the button means the press that
    // began an action was released unseen (a drag and drop swallows the release): it is over.
    const bool released = pendingCause_ && !input.state.leftHeld;
    DispatchScope scope(*this, true, released ? UndoCue::Record : UndoCue::Never);
    DispatchMouse(&IViewTool::OnMouseMove, input);
}

void CKorvoFEView::OnKeyDown(int key, int, unsigned flags) {
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
        tool->OnKeyDown(KeyEventOf(key, flags));
    }
}

void CKorvoFEView::OnKeyUp(int key, unsigned flags) {
    if (key != kVkControl || !std::exchange(controlTap_, false)) {
        return;
    }
    DispatchScope scope(*this, true);
    if (IViewTool* tool = GetActiveTool()) {
        tool->OnKeyDown(KeyEventOf(kVkControl, flags));
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

DropEffect CKorvoFEView::OnDragOver(std::optional<std::span<const std::byte>> data,
                                    const InputState& state, DevicePoint at) {
    return dragDrop_->DragOver(data, state.control, at);
}

DropEffect CKorvoFEView::OnDrop(std::optional<std::span<const std::byte>> data,
                                const InputState& state, DevicePoint at) {
    return dragDrop_->Drop(data, state.control, at);
}

void CKorvoFEView::OnDragLeave() {
    dragDrop_->Leave();
}

const CDataCollection* CKorvoFEView::GetDragPreview() const {
    return dragDrop_->Preview();
}

}  // namespace korvo
