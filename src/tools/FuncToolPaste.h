#pragma once

#include <string_view>

#include "tools/FuncToolPlace.h"

namespace korvo {

// Paste (19059): the placement tool for what Copy or Cut put on the clipboard. The elements are
// held by their middle, the selection on the drawing is cleared when they are picked up, and each
// copy keeps the levels the elements had.
class CFuncToolPaste final : public CFuncToolPlace {
public:
    using CFuncToolPlace::CFuncToolPlace;

    std::string_view Prompt() const override;

protected:
    void PickUp(CPaper& paper) override;
    std::optional<RectF> PlaceCopy(CPaper& paper, const CDataCollection& carried) override;
};

}  // namespace korvo
