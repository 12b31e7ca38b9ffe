#pragma once

#include <string_view>

#include "tools/FuncToolPickPair.h"

namespace korvo {

// Extend element (19173): the first pick is the boundary; each further click lengthens another line
// or arc, at the end nearer the click, up to its crossing with the boundary.
class CFuncToolExtend final : public CFuncToolPickPair {
public:
    explicit CFuncToolExtend(CKorvoFEView& view) : CFuncToolPickPair(view, false) {}

    std::string_view Prompt() const override;

protected:
    void EditPair(CPaper& paper, CData& first, CData& second, PointF click) override;
};

}  // namespace korvo
