#include "tools/FuncToolSelectSingle.h"

#include "model/DataCollection.h"
#include "model/Paper.h"
#include "view/KorvoFEView.h"
#include "view/RedrawBatch.h"
#include "view/ViewCommands.h"

namespace korvo {

void CFuncToolSelectSingle::Start() {
    SetCursor(CursorShape::Arrow);
}

void CFuncToolSelectSingle::OnLButtonDown(const ToolEvent& e) {
    CPaper* paper = Paper();
    if (paper == nullptr) {
        return;
    }
    CData* node = paper->PickElement(e.Pixel(), 0);
    if (node == nullptr) {
        return;
    }
    CRedrawBatch batch(View());
    if (mode_ == SelectionMode::Deselect) {
        node->SetMark(kMarkNormal);
    } else {
        Select(*node, e.State());
    }
    batch.DrawNode(*node);
    batch.AddScreenRect();
}

void CFuncToolSelectSingle::Select(CData& node, const InputState& state) {
    if (state.shift) {
        node.SetMark(node.GetMark() != kMarkNormal ? kMarkNormal : kMarkSelected);
        return;
    }
    if (!state.control) {
        CPaper& paper = *Paper();
        paper.SetMarkAll(kMarkNormal);
        View().DrawCollection(*paper.GetCollection());
    }
    node.SetMark(kMarkSelected);
}

void CFuncToolSelectSingle::OnRButtonDown(const ToolEvent&) {
    View().CreateTool(kToolSelection);
}

std::string_view CFuncToolSelectSingle::Prompt() const {
    return mode_ == SelectionMode::Select ? "Pick the element to select"
                                          : "Pick the element to deselect";
}

}  // namespace korvo
