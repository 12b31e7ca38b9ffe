#include "tools/ToolFactory.h"

namespace korvo {

IToolFactory::Made CToolFactory::Make(int, CKorvoFEView&) {
    return {};
}

bool CToolFactory::IsAcceptedWithoutTool(int) {
    return false;
}

}  // namespace korvo
