#include "tools/FuncToolSelectSingle.h"

#include "model/DataCollection.h"
#include "model/Paper.h"
#include "platform/KeyCodes.h"
#include "view/KorvoFEView.h"
#include "view/RedrawBatch.h"
#include "view/ViewCommands.h"

namespace korvo {

void CFuncToolSelectSingle::Start() {
    SetCursor(CursorShape::Arrow);
}

void CFuncToolSelectSingle::OnLButtonDown(unsigned flags, int x, int y) {
    CPaper* paper = Paper();
    if (paper == nullptr) {
        return;
    }
    CData* node = paper->PickElement({x, y}, 0);
    if (node == nullptr) {
        return;
    }
    CRedrawBatch batch(View());
    if (mode_ == SelectionMode::Deselect) {
        node->SetMark(kMarkNormal);
    } else {
        Select(*node, flags);
    }
    batch.DrawNode(*node);
    batch.AddScreenRect();
}

void CFuncToolSelectSingle::Select(CData& node, unsigned flags) {
    if ((flags & kMkShift) != 0) {
        node.SetMark(node.GetMark() != kMarkNormal ? kMarkNormal : kMarkSelected);
        return;
    }
    if ((flags & kMkControl) == 0) {
        CPaper& paper = *Paper();
        paper.SetMarkAll(kMarkNormal);
        View().DrawCollection(*paper.GetCollection());
    }
    node.SetMark(kMarkSelected);
}

void CFuncToolSelectSingle::OnRButtonDown(unsigned, int, int) {
    View().CreateTool(kToolSelection);
}

std::string_view CFuncToolSelectSingle::Prompt() const {
    return mode_ == SelectionMode::Select ? "Pick the element to select"
                                          : "Pick the element to deselect";
}

}  // namespace korvo
