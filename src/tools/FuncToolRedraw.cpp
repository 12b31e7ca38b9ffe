#include "tools/FuncToolRedraw.h"

#include "view/KorvoFEView.h"
#include "view/RedrawBatch.h"
#include "view/ViewCommands.h"

namespace korvo {

void CFuncToolRedraw::Start() {
    CRedrawBatch batch(View());
    batch.AddWorldRect();
    // Ends this tool; it is destroyed after the event, so returning here is safe.
    View().SetTemporaryTool(kToolSelection, nullptr);
}

}  // namespace korvo
