#include "tools/FuncToolPlace.h"

#include <cstdint>
#include <vector>

#include "edit/PlaceEdits.h"
#include "model/DataCollection.h"
#include "model/Paper.h"
#include "platform/Message.h"
#include "view/KorvoFEView.h"
#include "view/RedrawBatch.h"
#include "view/ViewCommands.h"

namespace korvo {

CFuncToolPlace::~CFuncToolPlace() = default;

void CFuncToolPlace::Start() {
    CFuncToolDraw::Start();
    placingMode_ = kPlacingModeFirst;
    carried_ = GetSymbol();
    CPaper* paper = Paper();
    if (!carried_ || paper == nullptr) {
        carried_.reset();
        // This ends the tool.
        View().CreateTool(kToolSelectionTool);
        return;
    }
    PickUp(*paper);
}

void CFuncToolPlace::End() {
    SetStatusText("");
    CFuncToolDraw::End();
}

std::unique_ptr<CDataCollection> CFuncToolPlace::GetSymbol() {
    std::unique_ptr<CDataCollection> nodes = View().LoadClipboard();
    if (!nodes || nodes->IsEmpty()) {
        return nullptr;
    }
    return nodes;
}

void CFuncToolPlace::PickUp(CPaper&) {
    // A symbol is held by its own origin, so a drawing stored with its handle at (0, 0) lands
    // where the user points.
    reference_ = PointF{};
    MoveCarriedTo(GetSnapPoint());
    MarkScreen();
}

std::optional<RectF> CFuncToolPlace::PlaceCopy(CPaper& paper, const CDataCollection& carried) {
    return DropCopies(paper, carried, paper.Values().level);
}

void CFuncToolPlace::MoveCarriedTo(PointF p) {
    carried_->MoveByAll(p.x - reference_.x, p.y - reference_.y);
    reference_ = p;
}

void CFuncToolPlace::DrawFeedback(IDrawContext& dc) {
    CFuncToolDraw::DrawFeedback(dc);
    CPaper* paper = Paper();
    if (carried_ && paper != nullptr) {
        carried_->Draw(*paper, &dc);
    }
}

void CFuncToolPlace::OnLButtonDown(const ToolEvent&) {
    CPaper* paper = Paper();
    if (!carried_ || paper == nullptr) {
        return;
    }
    CRedrawBatch batch(View());
    const std::optional<RectF> covered = PlaceCopy(*paper, *carried_);
    if (!covered) {
        return;
    }
    if (covered->IsValid()) {
        batch.AddWorldRect(*covered);
    }
    View().Host().PostFrameMessage(kMsgSymbolPlaced);
}

void CFuncToolPlace::OnMouseMove(const ToolEvent& e) {
    CFuncToolDraw::OnMouseMove(e);
    const PointF p = GetSnapPoint();
    if (!carried_ || p == reference_) {
        return;
    }
    const float factor = GetFactor();
    ShowStatus(IDS_STATUS_POINT, p.x * factor, p.y * factor);
    MoveCarriedTo(p);
}

void CFuncToolPlace::OnRButtonDown(const ToolEvent&) {
    View().CreateTool(kToolSelectionTool);
}

void CFuncToolPlace::OnKeyDown(const KeyEvent& event) {
    if (!carried_) {
        return;
    }
    switch (event.key) {
        case Key::Space: {
            const float factor = GetFactor();
            float x = reference_.x * factor;
            float y = reference_.y * factor;
            if (AskValues("X", x, "Y", y)) {
                MoveCarriedTo({x / factor, y / factor});
                MarkScreen();
            }
            break;
        }
        case Key::Oem102:
            // The mode only flips: placing works the same in both, nothing reads it yet.
            placingMode_ =
                placingMode_ == kPlacingModeFirst ? kPlacingModeSecond : kPlacingModeFirst;
            break;
        default:
            TurnOrScaleByKeypad(event.key);
            break;
    }
}

void CFuncToolPlace::OnContextMenu(int, int) {
    // A pop-up with the turn and scale commands (41055, 41058, 41059, 41060) belongs here, but
    // the view's host has no pop-up menus yet; the keypad and those commands reach RotateBy and
    // ScaleBy meanwhile.
}

void CFuncToolPlace::RotateBy(float radians) {
    if (carried_) {
        carried_->RotateAll(reference_.x, reference_.y, radians);
        MarkScreen();
    }
}

void CFuncToolPlace::ScaleBy(float factorX, float factorY) {
    if (carried_) {
        carried_->ScaleAll(reference_.x, reference_.y, factorX, factorY);
        MarkScreen();
    }
}

std::string_view CFuncToolPlace::Prompt() const {
    return "Where the symbol goes, right click ends";
}

}  // namespace korvo
