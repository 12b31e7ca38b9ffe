#include "tools/FuncToolPoint.h"

#include <memory>
#include <new>

#include "model/Data.h"
#include "model/Paper.h"
#include "view/KorvoFEView.h"
#include "view/RedrawBatch.h"

namespace korvo {

void CFuncToolPoint::End() {
    SetStatusText("");
    CFuncToolDraw::End();
}

void CFuncToolPoint::OnLButtonDown(const ToolEvent&) {
    const CPaper* paper = Paper();
    if (paper == nullptr) {
        return;
    }
    std::unique_ptr<CData> node(new (std::nothrow) CData(kNodePoint));
    if (node == nullptr) {
        return;
    }
    // Points are solid black dots on level 1; only the pen width follows the sheet.
    const PointF at = GetSnapPoint();
    node->CreateCircle(at.x, at.y, kPointRadius, 0, paper->Values().width * 0.001f, 0, 0, 0, 0, 1);
    node->SetFactor(GetFactor());
    AddNode(std::move(node));
}

void CFuncToolPoint::OnMouseMove(const ToolEvent& e) {
    CFuncToolDraw::OnMouseMove(e);
    const PointF snap = GetSnapPoint();
    ShowStatus(IDS_STATUS_POINT, snap.x * GetFactor(), snap.y * GetFactor());
}

void CFuncToolPoint::OnRButtonDown(const ToolEvent&) {
    CRedrawBatch batch(View());
    batch.AddScreenRect();
    SwitchToSelectionTool();
}

std::string_view CFuncToolPoint::Prompt() const {
    return "Place a point, right click ends";
}

}  // namespace korvo
