// Dragging the selection with the mouse: within a view, between views and between fonts.
#include <fmt/printf.h>

#include <string>
#include <utility>

#include "model/ClipboardCollection.h"
#include "model/DataCollection.h"
#include "model/Paper.h"
#include "platform/DialogHost.h"
#include "platform/KeyCodes.h"
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

std::unique_ptr<CDataCollection> CKorvoFEView::LoadClipboard() {
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

void CKorvoFEView::ShowDamagedData(const ClipboardRead& read) {
    const MessageRequest notice{MessageId::Fixed(FixedText::DrawingDataDamaged),
                                {read.error, static_cast<long long>(read.errorOffset)},
                                MessageButtons::Ok};
    host_.Dialogs().ShowMessage(notice);
}

void CKorvoFEView::DragSelection(PointF pressPoint) {
    CPaper* paper = GetPaper();
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
    CDragDropState::Current() = {this, nullptr, pressPoint, {0.0f, 0.0f}};
    const DropEffect effect = host_.DoDragDrop(kClipboardFormat, data);
    const CDragDropState drag = std::exchange(CDragDropState::Current(), {});
    DispatchScope scope(*this, true);
    FinishDrag(effect, drag, nodes);
    CreateTool(kToolSelection);
}

void CKorvoFEView::FinishDrag(DropEffect effect, const CDragDropState& drag,
                              const std::vector<CData*>& nodes) {
    CKorvoFEView* target = drag.target;
    CPaper* paper = GetPaper();
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
    if (target != this) {
        RenderNow();
        UpdateStatus();
    }
}

DropEffect CKorvoFEView::OnDragOver(std::optional<std::span<const std::byte>> data, unsigned flags,
                                    int x, int y) {
    CPaper* paper = GetPaper();
    if (paper == nullptr || !data) {
        ForgetDragPreview();
        return DropEffect::None;
    }
    PrepareMapping();
    const PointF p = paper->DeviceToWorld({x, y});
    const CDragDropState& drag = CDragDropState::Current();
    if (drag.source == this && p == drag.press) {
        ForgetDragPreview();
        return DropEffect::None;
    }
    if (lastDragPoint_ != p) {
        ForgetDragPreview();
        lastDragPoint_ = p;
        SetToolStatus(fmt::sprintf(std::string(LoadString(IDS_STATUS_POINT)), p.x, p.y));
        ClipboardRead read = ReadClipboardCollection(*data);
        if (read.nodes) {
            read.nodes->MoveByAll(p.x, p.y);
            dragPreview_ = std::move(read.nodes);
        }
    }
    // Damaged data shows nothing and cannot be dropped.
    if (!dragPreview_) {
        return DropEffect::None;
    }
    return (flags & kMkControl) != 0 ? DropEffect::Copy : DropEffect::Move;
}

DropEffect CKorvoFEView::OnDrop(std::optional<std::span<const std::byte>> data, unsigned flags,
                                int x, int y) {
    ForgetDragPreview();
    CPaper* paper = GetPaper();
    if (paper == nullptr || !data) {
        return DropEffect::None;
    }
    ClipboardRead read = ReadClipboardCollection(*data);
    if (!read.nodes) {
        ShowDamagedData(read);
        return DropEffect::None;
    }
    PrepareMapping();
    const PointF p = paper->DeviceToWorld({x, y});
    CDragDropState& drag = CDragDropState::Current();
    if (drag.source == nullptr) {
        // From another program: no view here hands the nodes over, so they are added as copies,
        // and the sender keeps its own.
        DispatchScope scope(*this, true);
        AddDropped(*read.nodes, p);
        return DropEffect::Copy;
    }
    if (drag.source == this && p == drag.press) {
        return DropEffect::None;
    }
    drag.target = this;
    drag.drop = p;
    return (flags & kMkControl) != 0 ? DropEffect::Copy : DropEffect::Move;
}

void CKorvoFEView::AddDropped(CDataCollection& nodes, PointF at) {
    CPaper* paper = GetPaper();
    nodes.MoveByAll(at.x, at.y);
    while (!nodes.IsEmpty()) {
        std::unique_ptr<CData> node = nodes.Detach(nodes.GetAt(0));
        node->SetMark(kMarkSelected);
        paper->AddNode(std::move(node));
    }
    RenderNow();
    UpdateStatus();
}

void CKorvoFEView::OnDragLeave() {
    ForgetDragPreview();
}

void CKorvoFEView::ForgetDragPreview() {
    lastDragPoint_.reset();
    dragPreview_.reset();
    // The window shows the back buffer again, without the nodes that were being dragged.
    host_.Invalidate(std::nullopt);
}

}  // namespace korvo
