#pragma once

#include <string_view>

#include "tools/FuncToolPickPair.h"

namespace korvo {

// Trim element (19171): the first pick is the cutting element; each further click removes the
// clicked piece of another line or arc at its crossings with it.
class CFuncToolTrim final : public CFuncToolPickPair {
public:
    explicit CFuncToolTrim(CKorvoFEView& view) : CFuncToolPickPair(view, false) {}

    std::string_view Prompt() const override;

protected:
    void EditPair(CPaper& paper, CData& first, CData& second, PointF click) override;
};

}  // namespace korvo
