// The view's paint: the pipeline's back buffer with the drawing, a drag's preview and the tool's
// feedback over it.
#include "model/DataCollection.h"
#include "model/Paper.h"
#include "platform/DialogHost.h"
#include "platform/DrawSurface.h"
#include "view/KorvoFEView.h"
#include "view/ViewDragDrop.h"
#include "view/ViewTool.h"

namespace korvo {

void CKorvoFEView::ShowError(FixedText text) {
    host_.Dialogs().ShowMessage(MessageRequest{MessageId::Fixed(text), {}, MessageButtons::Ok});
}

void CKorvoFEView::OnPaint(IDrawSurface& window) {
    PrepareMapping();
    pipeline_->RenderStale();
    pipeline_->Blit(window);
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
        if (CDataCollection* preview = dragDrop_->Preview()) {
            preview->Draw(*paper, &window.Context());
        }
    }
    if (IViewTool* tool = GetActiveTool()) {
        tool->DrawFeedback(window.Context());
    }
    pipeline_->EndPaint();
}

}  // namespace korvo
