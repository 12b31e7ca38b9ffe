#include "tools/FuncToolFitPaper.h"

#include "edit/SheetEdits.h"
#include "model/Paper.h"
#include "view/KorvoFEView.h"
#include "view/ViewCommands.h"

namespace korvo {

void CFuncToolFitPaper::Start() {
    CKorvoFEView& view = View();
    CPaper* paper = Paper();
    if (paper != nullptr && FitDrawingToPaper(*paper)) {
        view.CreateTool(kToolZoomExtents);
        view.CreateTool(kToolRedraw);
    }
    // This ends the tool.
    view.CreateTool(kToolSelection);
}

}  // namespace korvo
