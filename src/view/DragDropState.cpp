#include "view/DragDropState.h"

namespace korvo {

CDragDropState& CDragDropState::Current() {
    // One pointer drives every drag, so one state serves all views of the process.
    static CDragDropState state;
    return state;
}

}  // namespace korvo
