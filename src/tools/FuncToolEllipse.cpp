#include "tools/FuncToolEllipse.h"

#include <cmath>

namespace korvo {

bool CFuncToolEllipse::TrackAxes(PointF snap) {
    const PointF c = Centre();
    const float a = std::fabs(c.x - snap.x);
    const float b = std::fabs(c.y - snap.y);
    if (a == AxisA() && b == AxisB()) {
        return false;
    }
    SetAxes(a, b);
    return true;
}

void CFuncToolEllipse::ShowAxesStatus() const {
    const float factor = GetFactor();
    ShowStatus(IDS_STATUS_ELLIPSE, Centre().x * factor, Centre().y * factor, AxisA() * factor,
               AxisB() * factor);
}

bool CFuncToolEllipse::AskAxes() {
    const float factor = GetFactor();
    float a = AxisA() * factor;
    float b = AxisB() * factor;
    if (!AskValues("A", a, "B", b)) {
        return false;
    }
    SetAxes(a / factor, b / factor);
    return true;
}

std::string_view CFuncToolEllipse::Prompt() const {
    return GetStep() == Step::Centre ? "Centre of the ellipse" : "Corner of the ellipse's box";
}

}  // namespace korvo
