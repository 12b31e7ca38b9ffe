#include "edit/SheetEdits.h"

#include "model/DataCollection.h"
#include "model/Paper.h"

namespace korvo {

RectF EraseMarked(CPaper& paper) {
    CDataCollection& nodes = *paper.GetCollection();
    const RectF covered = nodes.GetMarkedExtents(paper, kMarkSelected);
    nodes.DeleteMarked(kMarkSelected);
    return covered;
}

bool FitDrawingToPaper(CPaper& paper) {
    CDataCollection& nodes = *paper.GetCollection();
    const RectF drawing = nodes.GetExtents(paper);
    if (!drawing.IsValid()) {
        return false;
    }
    const PointF extension = paper.GetExtension();
    const bool outside = drawing.minX < 0.0f || drawing.minY < 0.0f || drawing.maxY > extension.y ||
                         drawing.maxX > extension.x;
    if (!outside) {
        return false;
    }
    nodes.MoveByAll(-drawing.minX, -drawing.minY);
    // The sheet keeps each side within what it can show.
    paper.SetExtension(drawing.maxX - drawing.minX, drawing.maxY - drawing.minY);
    return true;
}

}  // namespace korvo
