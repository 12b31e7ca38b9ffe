#include "view/KorvoFEView.h"

#include "app/KorvoFEDoc.h"
#include "platform/DrawSurface.h"
#include "view/BackgroundLayer.h"
#include "view/ToolFactory.h"
#include "view/ViewTool.h"

namespace korvo {

CKorvoFEView::CKorvoFEView(CKorvoFEDoc& document, IViewHost& host, IToolFactory& factory)
    : document_(document), host_(host), factory_(factory) {}

CKorvoFEView::~CKorvoFEView() = default;

CPaper* CKorvoFEView::GetPaper() const {
    return document_.GetPaper();
}

void CKorvoFEView::OnInitialUpdate() {}
void CKorvoFEView::OnSize(int, int) {}
void CKorvoFEView::OnPaint(IDrawSurface&) {}
void CKorvoFEView::OnLButtonDown(unsigned, int, int) {}
void CKorvoFEView::OnLButtonUp(unsigned, int, int) {}
void CKorvoFEView::OnLButtonDblClk(unsigned, int, int) {}
void CKorvoFEView::OnRButtonDown(unsigned, int, int) {}
void CKorvoFEView::OnRButtonUp(unsigned, int, int) {}
void CKorvoFEView::OnRButtonDblClk(unsigned, int, int) {}
void CKorvoFEView::OnMButtonDown(unsigned, int, int) {}
void CKorvoFEView::OnMButtonDblClk(unsigned, int, int) {}
void CKorvoFEView::OnMouseMove(unsigned, int, int) {}
void CKorvoFEView::OnMouseWheel(unsigned, int, int, int) {}
void CKorvoFEView::OnKeyDown(int, int, unsigned) {}
void CKorvoFEView::OnKillFocus() {}
bool CKorvoFEView::OnSetCursor(bool) {
    return false;
}
void CKorvoFEView::OnContextMenu(int, int) {}
void CKorvoFEView::OnHScroll(int, int) {}
void CKorvoFEView::OnVScroll(int, int) {}
void CKorvoFEView::OnTimer(int) {}
bool CKorvoFEView::OnCommand(int) {
    return false;
}
std::optional<CommandUi> CKorvoFEView::OnUpdateCommand(int) const {
    return std::nullopt;
}
void CKorvoFEView::OnUpdate(int, const UpdateArea&) {}
int CKorvoFEView::OnToolMessage(int, int) {
    return 1;
}
void CKorvoFEView::SetTimerHandler(int id, std::function<void()> handler) {
    timerHandlers_[id] = std::move(handler);
}
int CKorvoFEView::CreateTool(int) {
    return 1;
}
int CKorvoFEView::SetTool(int, std::unique_ptr<IViewTool>) {
    return 1;
}
int CKorvoFEView::SetTemporaryTool(int, std::unique_ptr<IViewTool>) {
    return 1;
}
void CKorvoFEView::SelectOnly(CData*) {}
void CKorvoFEView::UpdateStatus() {}
void CKorvoFEView::SetToolStatus(std::string_view) {}
void CKorvoFEView::ClearDrawing(bool) {}
IViewTool* CKorvoFEView::GetActiveTool() const {
    return tempTool_ ? tempTool_.get() : tool_.get();
}
void CKorvoFEView::ZoomOriginal() {}
void CKorvoFEView::ZoomToRect(PointF, PointF) {}
int CKorvoFEView::GridCommandFor(PointF) {
    return 0;
}
void CKorvoFEView::SyncGridCommand() {}
void CKorvoFEView::Render(std::optional<RectF>) {}
void CKorvoFEView::DrawNode(CData&) {}
void CKorvoFEView::DrawCollection(CDataCollection&) {}
void CKorvoFEView::Blit(IDrawSurface&, std::optional<DeviceRect>) {}
void CKorvoFEView::RenderNow() {}
int CKorvoFEView::GetBackgroundRenders() const {
    return 0;
}
void CKorvoFEView::BeginBatch() {}
void CKorvoFEView::AddWorldRect(std::optional<RectF>) {}
void CKorvoFEView::AddScreenRect(std::optional<DeviceRect>) {}
void CKorvoFEView::EndBatch() {}

}  // namespace korvo
