#include "tools/FuncToolErase.h"

#include "edit/SheetEdits.h"
#include "model/Paper.h"
#include "view/KorvoFEView.h"
#include "view/RedrawBatch.h"
#include "view/ViewCommands.h"

namespace korvo {

void CFuncToolErase::Start() {
    CKorvoFEView& view = View();
    CRedrawBatch batch(view);
    if (CPaper* paper = Paper()) {
        const RectF erased = EraseMarked(*paper);
        if (erased.IsValid()) {
            batch.AddWorldRect(erased);
        }
    }
    // This ends the tool; only the batch, which belongs to the view, is left to close.
    view.CreateTool(kToolSelection);
}

}  // namespace korvo
