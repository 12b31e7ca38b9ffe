#include "view/RenderPipeline.h"

#include <algorithm>
#include <utility>

#include "app/KorvoFEDoc.h"
#include "model/DataCollection.h"
#include "model/Paper.h"
#include "platform/DialogHost.h"
#include "platform/DrawSurface.h"
#include "view/BackgroundLayer.h"
#include "view/KorvoFEView.h"
#include "view/ViewCommands.h"

namespace korvo {

namespace {

constexpr ColorRef kWhite = 0xFFFFFF;

}  // namespace

CRenderPipeline::CRenderPipeline(CKorvoFEView& view, IViewHost& host)
    : view_(view), host_(host), background_(std::make_unique<CBackgroundLayer>(host)) {}

CRenderPipeline::~CRenderPipeline() = default;

// --- redraw batches ---------------------------------------------------------------------------

void CRenderPipeline::AddWorldRect(const std::optional<RectF>& rect) {
    batchWorld_.Add(rect);
    const CPaper* paper = view_.GetPaper();
    if (!rect || paper == nullptr) {
        AddScreenRect(std::nullopt);
        return;
    }
    DeviceRect pixels = paper->WorldRectToDevice(*rect);
    // The last column and row of a rectangle's pixels are still the rectangle's.
    ++pixels.right;
    ++pixels.bottom;
    AddScreenRect(pixels);
}

void CRenderPipeline::AddScreenRect(const std::optional<DeviceRect>& rect) {
    batchScreen_.Add(rect);
}

void CRenderPipeline::EndBatch(bool deliver) {
    if (batchDepth_ > 0) {
        --batchDepth_;
    }
    if (batchDepth_ != 0) {
        return;
    }
    const DirtyArea<RectF> world = std::exchange(batchWorld_, {});
    const DirtyArea<DeviceRect> screen = std::exchange(batchScreen_, {});
    if (!deliver) {
        return;
    }
    if (world.State() == Stale::Rect) {
        OnUpdate(kHintWorldRect, world.Bounds());
    } else if (world.State() == Stale::Everything) {
        OnUpdate(kHintWorldRect);
    }
    switch (screen.State()) {
        case Stale::Rect:
            OnUpdate(kHintScreenRect, screen.Bounds());
            break;
        case Stale::Everything:
            OnUpdate(kHintScreenRect);
            break;
        case Stale::Nothing:
            // A re-render alone still needs a paint to happen; one pixel asks for it.
            if (!world.IsClean()) {
                OnUpdate(kHintScreenRect, DeviceRect{1, 1, 1, 1});
            }
            break;
    }
}

void CRenderPipeline::OnUpdate(int hint, const UpdateArea& area) {
    switch (hint) {
        case kHintUpdateDrawing:
            forced_ = true;
            stale_.MarkAll();
            host_.Invalidate(std::nullopt);
            break;
        case kHintWorldRect:
            if (const RectF* rect = std::get_if<RectF>(&area)) {
                stale_.Add(*rect);
            } else {
                stale_.MarkAll();
            }
            break;
        case kHintScreenRect:
            if (const DeviceRect* rect = std::get_if<DeviceRect>(&area)) {
                host_.Invalidate(*rect);
            } else {
                host_.Invalidate(std::nullopt);
            }
            break;
        default:  // kHintUpdateAll and any hint without a rule of its own
            stale_.MarkAll();
            host_.Invalidate(std::nullopt);
            break;
    }
}

// --- rendering --------------------------------------------------------------------------------

void CRenderPipeline::ShowError(FixedText text) const {
    host_.Dialogs().ShowMessage(MessageRequest{MessageId::Fixed(text), {}, MessageButtons::Ok});
}

bool CRenderPipeline::PrepareBackBuffer() {
    const DeviceRect client = view_.ClientRect();
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

void CRenderPipeline::FullRender() {
    const DeviceRect client = view_.ClientRect();
    if (client.right <= 0 || client.bottom <= 0) {
        return;
    }
    // Without a new buffer the window keeps showing what the old one held.
    if (!PrepareBackBuffer()) {
        return;
    }
    CPaper* paper = view_.GetPaper();
    IDrawContext& dc = backBuffer_->Context();
    if (paper == nullptr) {
        dc.FillRect(client, kWhite);
        return;
    }
    view_.PrepareMapping();
    background_->PaintInto(*backBuffer_, client, *paper);
    paper->GetCollection()->DrawInRect(*paper, &dc, nullptr, view_.ClientWorldRect());
}

void CRenderPipeline::PartialRender(RectF rect) {
    CPaper* paper = view_.GetPaper();
    if (paper == nullptr || !backBuffer_) {
        return;
    }
    view_.PrepareMapping();
    const RectF client = view_.ClientWorldRect();
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

void CRenderPipeline::Render(const std::optional<RectF>& rect) {
    if (rect) {
        PartialRender(*rect);
    } else {
        FullRender();
    }
}

void CRenderPipeline::RenderNow() {
    FullRender();
    host_.Invalidate(std::nullopt);
}

void CRenderPipeline::RenderStale() {
    if (!backBuffer_ || stale_.State() == Stale::Everything) {
        stale_.Clear();
        FullRender();
    } else if (stale_.State() == Stale::Rect) {
        const RectF rect = stale_.Bounds();
        stale_.Clear();
        PartialRender(rect);
    } else if (forced_) {
        FullRender();
    }
}

void CRenderPipeline::DrawNode(CData& node) {
    CPaper* paper = view_.GetPaper();
    // Before the first paint there is nothing to draw into; that paint renders everything.
    if (paper == nullptr || !backBuffer_) {
        return;
    }
    view_.PrepareMapping();
    node.Draw(*paper, &backBuffer_->Context());
}

void CRenderPipeline::DrawCollection(CDataCollection& collection) {
    CPaper* paper = view_.GetPaper();
    if (paper == nullptr || !backBuffer_) {
        return;
    }
    view_.PrepareMapping();
    collection.Draw(*paper, &backBuffer_->Context());
}

void CRenderPipeline::Blit(IDrawSurface& window, const std::optional<DeviceRect>& rect) {
    if (!backBuffer_) {
        return;
    }
    if (!window.CopyFrom(*backBuffer_, rect.value_or(view_.ClientRect()))) {
        ShowError(FixedText::ErrorCreatingDeviceContext);
    }
}

int CRenderPipeline::BackgroundRenders() const {
    return background_->Renders();
}

}  // namespace korvo
