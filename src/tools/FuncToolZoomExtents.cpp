#include "tools/FuncToolZoomExtents.h"

#include "view/KorvoFEView.h"
#include "view/ViewCommands.h"

namespace korvo {

void CFuncToolZoomExtents::Start() {
    View().ZoomOriginal();
    View().SetTemporaryTool(kToolSelection, nullptr);
}

}  // namespace korvo
