#include "tools/FuncToolDraw.h"

#include <new>

#include "model/Data.h"
#include "model/DrawObjEllipse.h"
#include "model/DrawObjLine.h"
#include "model/Paper.h"
#include "view/KorvoFEView.h"
#include "view/RedrawBatch.h"
#include "view/ViewCommands.h"

namespace korvo {

namespace {

// The node factories take the width in drawing units.
float WidthInUnits(std::uint16_t thousandths) {
    return static_cast<float>(thousandths) * 0.001f;
}

}  // namespace

CFuncToolDraw::CFuncToolDraw(CKorvoFEView& view) : CFuncTool(view) {
    ReadRubberPen();
}

void CFuncToolDraw::Start() {
    SetCursor(CursorShape::None);
    SetFeedback(true);
}

void CFuncToolDraw::ReadRubberPen() {
    if (const CPaper* paper = Paper()) {
        const SheetValues& values = paper->Values();
        penStyle_ = values.penStyle;
        penWidth_ = values.width;
        penColor_ = values.color;
    }
}

void CFuncToolDraw::DrawRubberLine(IDrawContext& dc, PointF from, PointF to) const {
    CPaper* paper = Paper();
    if (paper == nullptr) {
        return;
    }
    CDrawObjLine band(from.x, from.y, to.x, to.y, penStyle_, penWidth_, penColor_, 1);
    band.Draw(*paper, &dc, nullptr);
}

void CFuncToolDraw::DrawRubberCurve(IDrawContext& dc, PointF centre, float a, float b, float start,
                                    float end) const {
    CPaper* paper = Paper();
    if (paper == nullptr) {
        return;
    }
    CDrawObjEllipse band(centre.x, centre.y, a, b, start, end, 0.0f, penStyle_, penWidth_,
                         penColor_, 1);
    band.Draw(*paper, &dc, nullptr);
}

std::unique_ptr<CData> CFuncToolDraw::MakeLineNode(PointF from, PointF to) const {
    std::unique_ptr<CData> node(new (std::nothrow) CData(kNodeLine));
    const CPaper* paper = Paper();
    if (node == nullptr || paper == nullptr) {
        return node;
    }
    const SheetValues& v = paper->Values();
    node->CreateLine(from.x, from.y, to.x, to.y, v.penStyle, WidthInUnits(v.width), v.color,
                     v.level);
    node->SetFactor(GetFactor());
    return node;
}

std::unique_ptr<CData> CFuncToolDraw::MakeCurveNode(PointF centre, float a, float b, float start,
                                                    float end) const {
    std::unique_ptr<CData> node(new (std::nothrow) CData(kNodeEllipse));
    const CPaper* paper = Paper();
    if (node == nullptr || paper == nullptr) {
        return node;
    }
    const SheetValues& v = paper->Values();
    node->CreateEllipse(centre.x, centre.y, a, b, start, end, 0.0f, v.penStyle,
                        WidthInUnits(v.width), kCurveColor, v.level);
    node->SetFactor(GetFactor());
    return node;
}

bool CFuncToolDraw::AddNode(std::unique_ptr<CData> node) {
    CPaper* paper = Paper();
    if (node == nullptr || paper == nullptr) {
        return false;
    }
    node->GetExtents(*paper);
    if (!AcceptElement(node->GetElement())) {
        return false;
    }
    CRedrawBatch batch(View());
    CData* added = paper->AddNode(std::move(node));
    batch.DrawNode(*added);
    batch.AddScreenRect();
    return true;
}

void CFuncToolDraw::ClickAtSnapPoint(const InputState& state) {
    // The typed point shows at once, not only at the next mouse move.
    MarkScreen();
    OnLButtonDown(TypedClick(state));
}

void CFuncToolDraw::SwitchToSelectionTool() const {
    View().CreateTool(kToolSelectionTool);
}

}  // namespace korvo
