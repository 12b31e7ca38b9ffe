#pragma once

#include <span>

#include "tools/FuncTool.h"

namespace korvo {

class CData;

// Copy (19058) and Cut (19057): one shot. Starting puts the selected nodes on the clipboard as
// one collection; Copy then deselects them, Cut deletes them. Either way the default tool takes
// over.
class CFuncToolCopy final : public CFuncTool {
public:
    enum class Mode { Copy, Cut };

    CFuncToolCopy(CKorvoFEView& view, Mode mode) : CFuncTool(view), mode_(mode) {}

    void Start() override;

private:
    // False when the clipboard did not take them (nothing is then deleted).
    bool PutOnClipboard(std::span<CData* const> nodes) const;

    Mode mode_;
};

}  // namespace korvo
