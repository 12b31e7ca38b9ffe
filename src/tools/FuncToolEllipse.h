#pragma once

#include <string_view>

#include "tools/FuncToolCentreAxes.h"

namespace korvo {

// Draws a whole axis-parallel ellipse: the centre, then the cursor gives a corner of its bounding
// box, so mirrored cursor positions give the same ellipse.
class CFuncToolEllipse : public CFuncToolCentreAxes {
public:
    using CFuncToolCentreAxes::CFuncToolCentreAxes;

    std::string_view Prompt() const override;

protected:
    bool TrackAxes(PointF snap) override;
    void ShowAxesStatus() const override;
    bool AskAxes() override;
};

}  // namespace korvo
