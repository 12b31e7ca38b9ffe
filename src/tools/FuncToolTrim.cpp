#include "tools/FuncToolTrim.h"

#include "edit/TrimEdits.h"
#include "model/Paper.h"
#include "tools/PickFeedback.h"
#include "view/RedrawBatch.h"

namespace korvo {

void CFuncToolTrim::EditPair(CPaper& paper, CData& first, CData& second, PointF click) {
    CRedrawBatch batch(View());
    MarkNode(batch, paper, second);
    EditResult result;
    if (TrimElement(first, second, *paper.GetCollection(), click, result) ==
        PairEdit::NotLinesOrEllipses) {
        ReportNotLinesOrEllipses();
        return;
    }
    MarkEdited(batch, paper, second, result);
    batch.AddScreenRect();
}

std::string_view CFuncToolTrim::Prompt() const {
    return GetFirst() == nullptr ? "Pick the cutting edge" : "Pick the piece to cut away";
}

}  // namespace korvo
