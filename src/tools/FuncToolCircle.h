#pragma once

#include <string_view>

#include "tools/FuncToolCentreAxes.h"

namespace korvo {

// Draws a whole circle: the centre, then the radius. The radius is the larger of the cursor's
// two axis distances from the centre, so the circle fits the square the cursor spans.
class CFuncToolCircle : public CFuncToolCentreAxes {
public:
    using CFuncToolCentreAxes::CFuncToolCentreAxes;

    void End() override;
    std::string_view Prompt() const override;
    void ResetInput(const ToolEvent&) override { SetStep(Step::Centre); }
    void OnKillFocus() override { Suspend(); }

protected:
    bool TrackAxes(PointF snap) override;
    void ShowAxesStatus() const override;
    bool AskAxes() override;
};

}  // namespace korvo
