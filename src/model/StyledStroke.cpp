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

// The device point of step i of a straight stroke: the world point from + i * kDashStep * u,
// rounded to floats as a PointF holds it, through the paper's conversion, both coordinates at
// once. The operations are those of CPaper::DeviceMap in the same order and precision, so every
// point is the one the map gives; a stroke converts one for every quarter unit it runs.
class StepMap {
public:
    StepMap(const CPaper::DeviceMap& map, PointF from, double ux, double uy)
        : from_{from.x, from.y},
          unit_{ux * kDashStep, uy * kDashStep},
          origin_{map.origin.x, map.origin.y},
          scale_{map.scale, -map.scale},
          offset_{map.offsetX, map.offsetY} {}

    DevicePoint operator()(std::int64_t i) const {
        Doubles device = Unclamped(i);
        // As ToDevice clamps: not a number counts as far out to the left.
        const Doubles low{-kLimit, -kLimit};
        const Doubles high{kLimit, kLimit};
        device = low < device ? device : low;
        device = high < device ? high : device;
        return ToPoint(device);
    }
    // Whether no step from `first` to `last` comes near the clamp: the steps lie on a line, so
    // between its two ends, give or take far less than a pixel.
    bool StaysInRange(std::int64_t first, std::int64_t last) const {
        constexpr double kSafe = kLimit / 16;
        const Doubles a = Unclamped(first);
        const Doubles b = Unclamped(last);
        for (const double v : {a[0], a[1], b[0], b[1]}) {
            if (!(v > -kSafe && v < kSafe)) {
                return false;
            }
        }
        return true;
    }
    // The point of step i of a stroke that StaysInRange.
    DevicePoint InRange(std::int64_t i) const { return ToPoint(Unclamped(i)); }

private:
    using Doubles = double __attribute__((vector_size(16)));
    using Floats = float __attribute__((vector_size(8)));
    using Ints = std::int32_t __attribute__((vector_size(8)));

    Doubles Unclamped(std::int64_t i) const {
        const double s = static_cast<double>(i);
        const Doubles world = from_ + Doubles{s, s} * unit_;
        const Floats relative = __builtin_convertvector(world, Floats) - origin_;
        return __builtin_convertvector(relative, Doubles) * scale_ + offset_ + 0.5;
    }
    static DevicePoint ToPoint(Doubles device) {
        const Ints pixel = __builtin_convertvector(device, Ints);
        return {pixel[0], pixel[1]};
    }
    static constexpr double kLimit = 1.0e9;

    Doubles from_;
    Doubles unit_;
    Floats origin_;
    Doubles scale_;
    Doubles offset_;
};

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
        const StepMap toDevice(paper.WorldToDeviceMap(), from, ux, uy);
        if (steps > 0 && toDevice.StaysInRange(0, steps - 1)) {
            run.Steps(steps, [&](std::int64_t i) { return toDevice.InRange(i); });
        } else {
            run.Steps(steps, [&](std::int64_t i) { return toDevice(i); });
        }
        run.Finish();
    }
    dc.SelectPen(previous);
}

}  // namespace korvo
