#include "view/RedrawBatch.h"

#include "view/KorvoFEView.h"

namespace korvo {

CRedrawBatch::CRedrawBatch(CKorvoFEView& view) : view_(view) {
    view_.BeginBatch();
}

CRedrawBatch::~CRedrawBatch() {
    view_.EndBatch();
}

void CRedrawBatch::AddWorldRect(std::optional<RectF> rect) {
    view_.AddWorldRect(rect);
}

void CRedrawBatch::AddScreenRect(std::optional<DeviceRect> rect) {
    view_.AddScreenRect(rect);
}

void CRedrawBatch::DrawNode(CData& node) {
    view_.DrawNode(node);
}

void CRedrawBatch::DrawCollection(CDataCollection& collection) {
    view_.DrawCollection(collection);
}

}  // namespace korvo
