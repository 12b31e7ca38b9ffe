#include "tools/FuncToolPlaceholder.h"

namespace korvo {

void CFuncToolPlaceholder::Start() {
    SetCursor(CursorShape::Arrow);
    SetFeedback(false);
}

}  // namespace korvo
