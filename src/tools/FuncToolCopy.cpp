#include "tools/FuncToolCopy.h"

#include <vector>

#include "model/ClipboardCollection.h"
#include "model/DataCollection.h"
#include "model/Paper.h"
#include "view/KorvoFEView.h"
#include "view/RedrawBatch.h"
#include "view/ViewCommands.h"

namespace korvo {

void CFuncToolCopy::Start() {
    CKorvoFEView& view = View();
    CRedrawBatch batch(view);
    if (CPaper* paper = Paper()) {
        const std::vector<CData*> selected = CollectSelectedNodes(*paper->GetCollection());
        if (!selected.empty() && PutOnClipboard(selected)) {
            if (mode_ == Mode::Cut) {
                // Only what went onto the clipboard goes from the drawing.
                paper->GetCollection()->DeleteMarked(kMarkSelected);
                batch.AddWorldRect();
            } else {
                for (CData* node : selected) {
                    node->SetMark(kMarkNormal);
                    batch.DrawNode(*node);
                }
                batch.AddScreenRect();
            }
        }
    }
    // This ends the tool; only the batch, which belongs to the view, is left to close.
    view.CreateTool(kToolSelection);
}

bool CFuncToolCopy::PutOnClipboard(std::span<CData* const> nodes) const {
    const std::vector<std::byte> bytes = StoreClipboardCollection(nodes);
    return !bytes.empty() && View().Host().SetClipboardData(kClipboardFormat, bytes);
}

}  // namespace korvo
