#include "tools/FuncToolCircle.h"

#include <algorithm>
#include <cmath>

namespace korvo {

void CFuncToolCircle::End() {
    Suspend();
    CFuncToolCentreAxes::End();
}

bool CFuncToolCircle::TrackAxes(PointF snap) {
    const PointF c = Centre();
    const float r = std::max(std::fabs(c.x - snap.x), std::fabs(c.y - snap.y));
    if (r == AxisA() && r == AxisB()) {
        return false;
    }
    SetAxes(r, r);
    return true;
}

void CFuncToolCircle::ShowAxesStatus() const {
    const float factor = GetFactor();
    ShowStatus(IDS_STATUS_CIRCLE, Centre().x * factor, Centre().y * factor, AxisA() * factor);
}

bool CFuncToolCircle::AskAxes() {
    const float factor = GetFactor();
    float r = AxisA() * factor;
    if (!AskValues("R", r)) {
        return false;
    }
    SetAxes(r / factor, r / factor);
    return true;
}

std::string_view CFuncToolCircle::Prompt() const {
    return GetStep() == Step::Centre ? "Centre of the circle" : "Radius";
}

}  // namespace korvo
