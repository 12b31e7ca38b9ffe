// Dragging the selection with the mouse: within a view, between views and between fonts.
#include "view/ViewDragDrop.h"

#include <fmt/printf.h>

#include <string>
#include <utility>

#include "model/ClipboardCollection.h"
#include "model/DataCollection.h"
#include "model/Paper.h"
#include "platform/DialogHost.h"
#include "resources/StringTable.h"
#include "view/DispatchScope.h"
#include "view/DragDropState.h"
#include "view/KorvoFEView.h"
#include "view/ViewCommands.h"

namespace korvo {

namespace {

// Takes the node out of whatever list holds it.
std::unique_ptr<CData> DetachFromDrawing(CPaper& paper, CData* node) {
    CData* parent = node->GetParent();
    CDataCollection* list = parent != nullptr ? parent->GetChildren() : paper.GetCollection();
    return list != nullptr ? list->Detach(node) : nullptr;
}

}  // namespace

CViewDragDrop::CViewDragDrop(CKorvoFEView& view, IViewHost& host) : view_(view), host_(host) {}

CViewDragDrop::~CViewDragDrop() = default;

std::unique_ptr<CDataCollection> CViewDragDrop::LoadClipboard() {
    const std::optional<std::vector<std::byte>> bytes = host_.GetClipboardData(kClipboardFormat);
    if (!bytes || bytes->empty()) {
        return nullptr;
    }
    ClipboardRead read = ReadClipboardCollection(*bytes);
    if (!read.nodes) {
        ShowDamagedData(read);
    }
    return std::move(read.nodes);
}

void CViewDragDrop::ShowDamagedData(const ClipboardRead& read) {
    const MessageRequest notice{MessageId::Fixed(FixedText::DrawingDataDamaged),
                                {read.error, static_cast<long long>(read.errorOffset)},
                                MessageButtons::Ok};
    host_.Dialogs().ShowMessage(notice);
}

void CViewDragDrop::DragSelection(PointF pressPoint) {
    CPaper* paper = view_.GetPaper();
    if (paper == nullptr || CDragDropState::Current().source != nullptr) {
        return;
    }
    std::vector<CData*> nodes = CollectSelectedNodes(*paper->GetCollection());
    if (nodes.empty()) {
        return;
    }
    // The press point becomes the origin of what travels, so a drop point places it directly.
    const std::vector<std::byte> data =
        StoreClipboardCollection(nodes, {-pressPoint.x, -pressPoint.y});
    if (data.empty()) {
        return;
    }
    CDragDropState::Current() = {&view_, nullptr, pressPoint, {0.0f, 0.0f}};
    const DropEffect effect = host_.DoDragDrop(kClipboardFormat, data);
    const CDragDropState drag = std::exchange(CDragDropState::Current(), {});
    CKorvoFEView::DispatchScope scope(view_, true);
    FinishDrag(effect, drag, nodes);
    view_.CreateTool(kToolSelection);
}

void CViewDragDrop::FinishDrag(DropEffect effect, const CDragDropState& drag,
                               const std::vector<CData*>& nodes) {
    CKorvoFEView* target = drag.target;
    CPaper* paper = view_.GetPaper();
    CPaper* targetPaper = target != nullptr ? target->GetPaper() : nullptr;
    // Dropped in another program, or nowhere: what is here stays as it was.
    if (effect == DropEffect::None || targetPaper == nullptr || paper == nullptr) {
        return;
    }
    const PointF by{drag.drop.x - drag.press.x, drag.drop.y - drag.press.y};
    if (effect == DropEffect::Copy) {
        for (const CData* node : nodes) {
            std::unique_ptr<CData> copy = node->Clone();
            if (!copy) {
                continue;
            }
            copy->MoveBy(-drag.press.x, -drag.press.y);
            copy->MoveBy(drag.drop.x, drag.drop.y);
            copy->SetMark(kMarkSelected);
            targetPaper->AddNode(std::move(copy));
        }
    } else if (targetPaper == paper) {
        for (CData* node : nodes) {
            node->MoveBy(by.x, by.y);
        }
    } else {
        // Moved onto another font: the nodes leave this drawing and join that one.
        for (CData* node : nodes) {
            std::unique_ptr<CData> moved = DetachFromDrawing(*paper, node);
            if (moved) {
                moved->MoveBy(by.x, by.y);
                targetPaper->AddNode(std::move(moved));
            }
        }
    }
    target->RenderNow();
    target->UpdateStatus();
    if (target != &view_) {
        view_.RenderNow();
        view_.UpdateStatus();
    }
}

DropEffect CViewDragDrop::DragOver(std::optional<std::span<const std::byte>> data, bool copy,
                                   DevicePoint at) {
    CPaper* paper = view_.GetPaper();
    if (paper == nullptr || !data) {
        ForgetPreview();
        return DropEffect::None;
    }
    view_.PrepareMapping();
    const PointF p = paper->DeviceToWorld(at);
    const CDragDropState& drag = CDragDropState::Current();
    if (drag.source == &view_ && p == drag.press) {
        ForgetPreview();
        return DropEffect::None;
    }
    if (lastPoint_ != p) {
        ForgetPreview();
        lastPoint_ = p;
        view_.SetToolStatus(fmt::sprintf(std::string(LoadString(IDS_STATUS_POINT)), p.x, p.y));
        ClipboardRead read = ReadClipboardCollection(*data);
        if (read.nodes) {
            read.nodes->MoveByAll(p.x, p.y);
            preview_ = std::move(read.nodes);
        }
    }
    // Damaged data shows nothing and cannot be dropped.
    if (!preview_) {
        return DropEffect::None;
    }
    return copy ? DropEffect::Copy : DropEffect::Move;
}

DropEffect CViewDragDrop::Drop(std::optional<std::span<const std::byte>> data, bool copy,
                               DevicePoint at) {
    ForgetPreview();
    CPaper* paper = view_.GetPaper();
    if (paper == nullptr || !data) {
        return DropEffect::None;
    }
    ClipboardRead read = ReadClipboardCollection(*data);
    if (!read.nodes) {
        ShowDamagedData(read);
        return DropEffect::None;
    }
    view_.PrepareMapping();
    const PointF p = paper->DeviceToWorld(at);
    CDragDropState& drag = CDragDropState::Current();
    if (drag.source == nullptr) {
        // From another program: no view here hands the nodes over, so they are added as copies,
        // and the sender keeps its own.
        CKorvoFEView::DispatchScope scope(view_, true);
        AddDropped(*read.nodes, p);
        return DropEffect::Copy;
    }
    if (drag.source == &view_ && p == drag.press) {
        return DropEffect::None;
    }
    drag.target = &view_;
    drag.drop = p;
    return copy ? DropEffect::Copy : DropEffect::Move;
}

void CViewDragDrop::AddDropped(CDataCollection& nodes, PointF at) {
    CPaper* paper = view_.GetPaper();
    nodes.MoveByAll(at.x, at.y);
    while (!nodes.IsEmpty()) {
        std::unique_ptr<CData> node = nodes.Detach(nodes.GetAt(0));
        node->SetMark(kMarkSelected);
        paper->AddNode(std::move(node));
    }
    view_.RenderNow();
    view_.UpdateStatus();
}

void CViewDragDrop::ForgetPreview() {
    lastPoint_.reset();
    preview_.reset();
    // The window shows the back buffer again, without the nodes that were being dragged.
    host_.Invalidate(std::nullopt);
}

}  // namespace korvo
