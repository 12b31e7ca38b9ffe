#pragma once

#include <string_view>

#include "tools/FuncToolPickPair.h"

namespace korvo {

// Join elements (19088): the first pick is a line; each further click on another line makes a
// corner of the two at their crossing, each line keeping the side it was clicked on.
class CFuncToolJoin final : public CFuncToolPickPair {
public:
    explicit CFuncToolJoin(CKorvoFEView& view) : CFuncToolPickPair(view, true) {}

    std::string_view Prompt() const override;

protected:
    void EditPair(CPaper& paper, CData& first, CData& second, PointF click) override;
};

}  // namespace korvo
