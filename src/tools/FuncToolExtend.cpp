#include "tools/FuncToolExtend.h"

#include "edit/ExtendEdits.h"
#include "tools/PickFeedback.h"
#include "view/RedrawBatch.h"

namespace korvo {

void CFuncToolExtend::EditPair(CPaper& paper, CData& first, CData& second, PointF click) {
    CRedrawBatch batch(View());
    MarkNode(batch, paper, second);
    EditResult result;
    if (ExtendElement(first, second, click, result) == PairEdit::NotLinesOrEllipses) {
        ReportNotLinesOrEllipses();
        return;
    }
    MarkEdited(batch, paper, second, result);
    batch.AddScreenRect();
}

std::string_view CFuncToolExtend::Prompt() const {
    return GetFirst() == nullptr ? "Pick the boundary" : "Pick the end to extend";
}

}  // namespace korvo
