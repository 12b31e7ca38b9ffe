#include "tools/FuncToolSelectAll.h"

#include "model/DataCollection.h"
#include "model/Paper.h"
#include "view/KorvoFEView.h"
#include "view/RedrawBatch.h"
#include "view/ViewCommands.h"

namespace korvo {

void CFuncToolSelectAll::Start() {
    CKorvoFEView& view = View();
    CRedrawBatch batch(view);
    if (CPaper* paper = Paper()) {
        CDataCollection& nodes = *paper->GetCollection();
        for (CData* node : nodes) {
            if (node->IsVisible()) {
                node->SetMark(MarkFor(mode_));
            }
        }
        batch.DrawCollection(nodes);
        batch.AddScreenRect();
    }
    // This ends the tool; only the batch, which belongs to the view, is left to close.
    view.CreateTool(kToolSelection);
}

}  // namespace korvo
