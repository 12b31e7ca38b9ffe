#pragma once

#include "geometry/PlaneGeometry.h"

namespace korvo {

class CKorvoFEView;

// The one drag of a selection that can be under way in the process: which view it came from,
// which view took the drop, and where (world units) it was picked up and put down. The source
// fills it when the drag starts; the view it is dropped on records itself; the source reads it
// once the drag is over and empties it.
struct CDragDropState {
    CKorvoFEView* source = nullptr;
    CKorvoFEView* target = nullptr;
    PointF press{0.0f, 0.0f};
    PointF drop{0.0f, 0.0f};

    static CDragDropState& Current();
};

}  // namespace korvo
