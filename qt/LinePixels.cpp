#include "LinePixels.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace korvo {

namespace {

// The offsets k >= 0 for which c0 + sign * k lies in [lo, hi].
OffsetRange OffsetsInside(std::int64_t c0, int sign, std::int64_t lo, std::int64_t hi) {
    return sign > 0 ? OffsetRange{lo - c0, hi - c0} : OffsetRange{c0 - hi, c0 - lo};
}

std::int64_t ClampStep(double step, std::int64_t steps) {
    return static_cast<std::int64_t>(std::clamp(step, -1.0, static_cast<double>(steps)));
}

// The steps whose pixels can lie inside the bounds. The minor offset of step i is
// round(i * rise / steps) with halves rounded up; the doubles only narrow the range, with a
// step to spare either side, and every pixel is still checked exactly.
OffsetRange StepsToVisit(const LineAxes& a) {
    OffsetRange range{std::max<std::int64_t>(0, a.majorInside.lo),
                      std::min(a.steps - 1, a.majorInside.hi)};
    if (a.rise == 0) {
        if (a.minorInside.lo > 0 || a.minorInside.hi < 0) {
            range.hi = -1;
        }
        return range;
    }
    const double perMinor = static_cast<double>(a.steps) / static_cast<double>(a.rise);
    const double lo = std::floor((static_cast<double>(a.minorInside.lo) - 0.5) * perMinor) - 1;
    const double hi = std::ceil((static_cast<double>(a.minorInside.hi) + 0.5) * perMinor) + 1;
    range.lo = std::max(range.lo, ClampStep(lo, a.steps));
    range.hi = std::min(range.hi, ClampStep(hi, a.steps));
    return range;
}

}  // namespace

LineAxes AxesOf(DevicePoint from, DevicePoint to, const DeviceRect& bounds) {
    const std::int64_t dx = std::int64_t{to.x} - from.x;
    const std::int64_t dy = std::int64_t{to.y} - from.y;
    LineAxes a;
    a.xMajor = std::llabs(dx) >= std::llabs(dy);
    const std::int64_t dMajor = a.xMajor ? dx : dy;
    const std::int64_t dMinor = a.xMajor ? dy : dx;
    a.steps = std::llabs(dMajor);
    a.rise = std::llabs(dMinor);
    a.major0 = a.xMajor ? from.x : from.y;
    a.minor0 = a.xMajor ? from.y : from.x;
    a.majorSign = dMajor < 0 ? -1 : 1;
    a.minorSign = dMinor < 0 ? -1 : 1;
    const std::int64_t left = bounds.left;
    const std::int64_t right = std::int64_t{bounds.right} - 1;
    const std::int64_t top = bounds.top;
    const std::int64_t bottom = std::int64_t{bounds.bottom} - 1;
    a.majorInside = a.xMajor ? OffsetsInside(a.major0, a.majorSign, left, right)
                             : OffsetsInside(a.major0, a.majorSign, top, bottom);
    a.minorInside = a.xMajor ? OffsetsInside(a.minor0, a.minorSign, top, bottom)
                             : OffsetsInside(a.minor0, a.minorSign, left, right);
    return a;
}

std::int64_t TraceLine(DevicePoint from, DevicePoint to, const DeviceRect& bounds,
                       std::vector<TracedPixel>& out) {
    const LineAxes a = AxesOf(from, to, bounds);
    if (a.steps == 0 || bounds.right <= bounds.left || bounds.bottom <= bounds.top) {
        return a.steps;
    }
    const OffsetRange visit = StepsToVisit(a);
    if (visit.lo > visit.hi) {
        return a.steps;
    }
    // Minor offset of the first visited step, kept as an exact fraction over 2 * steps; the
    // product can exceed 64 bits for lines spanning the whole coordinate range.
    const std::int64_t denominator = 2 * a.steps;
    const __int128 numerator = static_cast<__int128>(2 * visit.lo) * a.rise + a.steps;
    auto minor = static_cast<std::int64_t>(numerator / denominator);
    auto remainder = static_cast<std::int64_t>(numerator % denominator);
    for (std::int64_t i = visit.lo; i <= visit.hi; ++i) {
        if (minor >= a.minorInside.lo && minor <= a.minorInside.hi) {
            const auto major = static_cast<int>(a.major0 + a.majorSign * i);
            const auto across = static_cast<int>(a.minor0 + a.minorSign * minor);
            out.push_back(a.xMajor ? TracedPixel{i, major, across} : TracedPixel{i, across, major});
        }
        remainder += 2 * a.rise;
        if (remainder >= denominator) {
            remainder -= denominator;
            ++minor;
        }
    }
    return a.steps;
}

}  // namespace korvo
