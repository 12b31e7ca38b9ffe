#include "tools/FuncToolJoin.h"

#include "edit/JoinEdits.h"
#include "model/Paper.h"
#include "tools/PickFeedback.h"
#include "view/RedrawBatch.h"

namespace korvo {

void CFuncToolJoin::EditPair(CPaper& paper, CData& first, CData& second, PointF click) {
    CRedrawBatch batch(View());
    MarkNode(batch, paper, first);
    MarkNode(batch, paper, second);
    const JoinResult result = JoinLines(first, FirstPoint(), second, click, *paper.GetCollection());
    MarkEdited(batch, paper, first, result.first);
    MarkEdited(batch, paper, second, result.second);
    batch.AddScreenRect();
}

std::string_view CFuncToolJoin::Prompt() const {
    return GetFirst() == nullptr ? "Pick the first line on the side to keep"
                                 : "Pick the line to keep";
}

}  // namespace korvo
