#include "tools/FuncTool.h"

#include "view/KorvoFEView.h"

namespace korvo {

CFuncTool::CFuncTool(CKorvoFEView& view) : view_(view) {}

void CFuncTool::End() {}
void CFuncTool::Suspend() {}
void CFuncTool::Finish() {}
void CFuncTool::DrawFeedback(IDrawContext&) {}
void CFuncTool::OnMouseMove(unsigned, int, int) {}
void CFuncTool::OnScroll(int, int, ScrollBar) {}
void CFuncTool::OnReservedScroll(int, int, ScrollBar) {}

CPaper* CFuncTool::Paper() const {
    return view_.GetPaper();
}

void CFuncTool::SetStatusText(std::string_view text) const {
    view_.SetToolStatus(text);
}

void CFuncTool::MarkScreen() const {}

PointF CFuncTool::ToWorld(int, int) const {
    return {};
}

DevicePoint CFuncTool::ToDevice(PointF) const {
    return {};
}

void CFuncTool::DrawSnapMarker(IDrawContext&, DevicePoint) const {}

}  // namespace korvo
