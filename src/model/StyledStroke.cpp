#include "model/StyledStroke.h"

#include <array>
#include <cmath>

#include "model/Data.h"
#include "model/Paper.h"

namespace korvo {

namespace {

// clang-format off
constexpr std::array<std::uint8_t, 16> kDashed{1,1,1,1,1,1,1,1,1,1,1,1, 0,0,0,0};
constexpr std::array<std::uint8_t, 8> kDotted{1,1,1,1, 0,0,0,0};
constexpr std::array<std::uint8_t, 24> kDashDot{1,1,1,1,1,1,1,1,1,1,1,1, 0,0,0,0, 1,1,1,1,
                                                0,0,0,0};
constexpr std::array<std::uint8_t, 32> kDashDotDot{1,1,1,1,1,1,1,1,1,1,1,1, 0,0,0,0, 1,1,1,1,
                                                   0,0,0,0, 1,1,1,1, 0,0,0,0};
// clang-format on

}  // namespace

MarkPen ChooseMarkPen(const CPaper& paper, int mark, int ownPenIndex, ColorRef ownColor) {
    switch (mark) {
        case kMarkNormal:
            return {true, paper.PenAt(ownPenIndex), ownColor};
        case kMarkSelected:
            return {true, paper.MarkedPen(), paper.Values().selectionColor};
        case kMarkBackground:
            return {true, paper.BackgroundPen(), paper.Values().backgroundColor};
        default:
            return {};
    }
}

std::span<const std::uint8_t> DashPattern(std::uint16_t style) {
    switch (style) {
        case 0:
            return {};
        case 1:
            return kDashed;
        case 2:
            return kDotted;
        case 3:
            return kDashDot;
        default:
            return kDashDotDot;
    }
}

Pen MakeStyledPen(const CPaper& paper, std::uint16_t style, std::uint16_t width, ColorRef color) {
    Pen pen;
    pen.style = PenStyle::Solid;  // the pattern is drawn step by step, not by the device
    pen.color = color;
    pen.geometric = true;
    pen.width = static_cast<int>(std::floor(paper.GetScale() * width * 0.001));
    pen.cap = style == 0 ? PenCap::Round : PenCap::Flat;
    return pen;
}

CDashRun::CDashRun(IDrawContext& dc, std::uint16_t style) : dc_(dc), pattern_(DashPattern(style)) {}

void CDashRun::Finish() {
    Flush();
}

void CDashRun::Flush() {
    if (size_ == 1 && steps_ > 1) {
        run_[1] = run_[0];  // the run has room for 16 once it has a point
        size_ = 2;
    }
    if (size_ != 0) {
        dc_.Polyline(std::span<const DevicePoint>(run_.data(), size_));
    }
    size_ = 0;
    steps_ = 0;
    last_ = kNoPoint;
}

void DrawStyledLine(const CPaper& paper, IDrawContext& dc, PointF from, PointF to,
                    std::uint16_t style, std::uint16_t width, ColorRef color) {
    const Pen previous = dc.SelectPen(MakeStyledPen(paper, style, width, color));
    if (style == 0) {
        dc.MoveTo(paper.WorldToDevice(from));
        dc.LineTo(paper.WorldToDevice(to));
    } else {
        const double angle = DirectionAngle(from.x, from.y, to.x, to.y);
        const double length = Distance(from.x, from.y, to.x, to.y);
        const double ux = std::cos(angle);
        const double uy = std::sin(angle);
        CDashRun run(dc, style);
        // Counting steps rather than summing 0.25s keeps long lines free of drift; the step count
        // is bounded so a wildly long line cannot stall the view.
        const double bounded = std::min(std::ceil(length / kDashStep), 4.0e6);
        const std::int64_t steps = bounded > 0.0 ? static_cast<std::int64_t>(bounded) : 0;
        const CPaper::DeviceMap toDevice = paper.WorldToDeviceMap();
        run.Steps(steps, [&](std::int64_t i) {
            const double s = static_cast<double>(i) * kDashStep;
            return toDevice(
                {static_cast<float>(from.x + s * ux), static_cast<float>(from.y + s * uy)});
        });
        run.Finish();
    }
    dc.SelectPen(previous);
}

}  // namespace korvo
