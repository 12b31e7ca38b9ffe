#include "tools/FuncToolPaste.h"

#include "edit/PlaceEdits.h"
#include "model/DataCollection.h"
#include "model/Paper.h"
#include "view/KorvoFEView.h"
#include "view/RedrawBatch.h"

namespace korvo {

void CFuncToolPaste::PickUp(CPaper& paper) {
    CRedrawBatch batch(View());
    const PointF at = GetSnapPoint();
    CentreNodesAt(paper, Carried(), at);
    SetReferencePoint(at);
    // Only the copies about to be dropped are to be selected.
    paper.SetMarkAll(kMarkNormal);
    batch.AddWorldRect();
    batch.AddScreenRect();
}

std::optional<RectF> CFuncToolPaste::PlaceCopy(CPaper& paper, const CDataCollection& carried) {
    return DropCopies(paper, carried, std::nullopt);
}

std::string_view CFuncToolPaste::Prompt() const {
    return "Where the pasted elements go, right click ends";
}

}  // namespace korvo
