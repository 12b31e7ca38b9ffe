// The view's paint pipeline: the back buffer, what is pending for it, and the paint itself.
#include "model/DataCollection.h"
#include "model/Paper.h"
#include "platform/DialogHost.h"
#include "platform/DrawSurface.h"
#include "view/BackgroundLayer.h"
#include "view/KorvoFEView.h"
#include "view/ViewTool.h"

namespace korvo {

namespace {

constexpr ColorRef kWhite = 0xFFFFFF;

}  // namespace

void CKorvoFEView::ShowError(FixedText text) {
    host_.Dialogs().ShowMessage(MessageRequest{MessageId::Fixed(text), {}, MessageButtons::Ok});
}

bool CKorvoFEView::PrepareBackBuffer() {
    const DeviceRect client = ClientRect();
    if (backBuffer_ && backBuffer_->Width() == client.right &&
        backBuffer_->Height() == client.bottom) {
        return true;
    }
    std::unique_ptr<IDrawSurface> surface = host_.CreateSurface(client.right, client.bottom);
    if (!surface) {
        ShowError(FixedText::ErrorCreatingDeviceContext);
        return false;
    }
    if (surface->Width() != client.right || surface->Height() != client.bottom) {
        ShowError(FixedText::ErrorStoringBackgroundBitmap);
        return false;
    }
    backBuffer_ = std::move(surface);
    return true;
}

void CKorvoFEView::FullRender() {
    const DeviceRect client = ClientRect();
    if (client.right <= 0 || client.bottom <= 0) {
        return;
    }
    // Without a new buffer the window keeps showing what the old one held.
    if (!PrepareBackBuffer()) {
        return;
    }
    CPaper* paper = GetPaper();
    IDrawContext& dc = backBuffer_->Context();
    if (paper == nullptr) {
        dc.FillRect(client, kWhite);
        return;
    }
    PrepareMapping();
    background_->PaintInto(*backBuffer_, client, *paper);
    paper->GetCollection()->DrawInRect(*paper, &dc, nullptr, ClientWorldRect());
}

void CKorvoFEView::PartialRender(RectF rect) {
    CPaper* paper = GetPaper();
    if (paper == nullptr || !backBuffer_) {
        return;
    }
    PrepareMapping();
    const RectF client = ClientWorldRect();
    rect.minX = std::max(rect.minX, client.minX);
    rect.minY = std::max(rect.minY, client.minY);
    rect.maxX = std::max(std::min(rect.maxX, client.maxX), rect.minX);
    rect.maxY = std::max(std::min(rect.maxY, client.maxY), rect.minY);
    DeviceRect pixels = paper->WorldRectToDevice(rect);
    ++pixels.right;
    ++pixels.bottom;
    IDrawContext& dc = backBuffer_->Context();
    const auto previousClip = dc.SetClipRect(pixels);
    background_->PaintInto(*backBuffer_, pixels, *paper);
    paper->GetCollection()->DrawInRect(*paper, &dc, nullptr, rect);
    dc.SetClipRect(previousClip);
}

void CKorvoFEView::Render(std::optional<RectF> rect) {
    if (rect) {
        PartialRender(*rect);
    } else {
        FullRender();
    }
}

void CKorvoFEView::RenderNow() {
    FullRender();
    host_.Invalidate(std::nullopt);
}

void CKorvoFEView::DrawNode(CData& node) {
    CPaper* paper = GetPaper();
    // Before the first paint there is nothing to draw into; that paint renders everything.
    if (paper == nullptr || !backBuffer_) {
        return;
    }
    PrepareMapping();
    node.Draw(*paper, &backBuffer_->Context());
}

void CKorvoFEView::DrawCollection(CDataCollection& collection) {
    CPaper* paper = GetPaper();
    if (paper == nullptr || !backBuffer_) {
        return;
    }
    PrepareMapping();
    collection.Draw(*paper, &backBuffer_->Context());
}

void CKorvoFEView::Blit(IDrawSurface& window, std::optional<DeviceRect> rect) {
    if (!backBuffer_) {
        return;
    }
    if (!window.CopyFrom(*backBuffer_, rect.value_or(ClientRect()))) {
        ShowError(FixedText::ErrorCreatingDeviceContext);
    }
}

int CKorvoFEView::GetBackgroundRenders() const {
    return background_->Renders();
}

void CKorvoFEView::OnPaint(IDrawSurface& window) {
    PrepareMapping();
    if (!backBuffer_) {
        pendingState_ = 0;
        FullRender();
    } else if (pendingState_ == 2) {
        pendingState_ = 0;
        FullRender();
    } else if (pendingState_ == 1) {
        pendingState_ = 0;
        PartialRender(pendingRect_);
    } else if (forcedFullRender_) {
        FullRender();
    }
    Blit(window);
    CPaper* paper = GetPaper();
    if (paper != nullptr) {
        UpdateScrollBars();
        // The drawing goes over the copied buffer once more, widened by a pixel at the right and
        // bottom so that elements on the client's edge are complete.
        RectF world = ClientWorldRect();
        const double pixel = paper->DeviceLengthToWorld(1);
        world.maxX += static_cast<float>(pixel);
        world.minY -= static_cast<float>(pixel);
        paper->GetCollection()->DrawInRect(*paper, &window.Context(), nullptr, world);
        // A drag passing over the view shows where its nodes would land, on the window only.
        if (dragPreview_) {
            dragPreview_->Draw(*paper, &window.Context());
        }
    }
    if (IViewTool* tool = GetActiveTool()) {
        tool->DrawFeedback(window.Context());
    }
    forcedFullRender_ = false;
}

}  // namespace korvo
