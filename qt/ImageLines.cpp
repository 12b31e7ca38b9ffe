#include "ImageLines.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "LinePixels.h"

namespace korvo {

namespace {

using Wide = __int128;

bool FitsIn64(Wide value) {
    return value >= std::numeric_limits<std::int64_t>::min() &&
           value <= std::numeric_limits<std::int64_t>::max();
}

// Quotient and remainder of a non-negative numerator whose quotient fits in 64 bits. Lines
// crossing the whole coordinate range need 128 bits, but the 64-bit division is far cheaper and
// covers every line on screen.
struct Division {
    std::int64_t quotient = 0;
    std::int64_t remainder = 0;
};

Division Divide(Wide numerator, std::int64_t denominator) {
    if (numerator < denominator) {
        return {0, static_cast<std::int64_t>(numerator)};  // every line that starts inside
    }
    if (FitsIn64(numerator)) {
        const auto n = static_cast<std::int64_t>(numerator);
        return {n / denominator, n % denominator};
    }
    return {static_cast<std::int64_t>(numerator / denominator),
            static_cast<std::int64_t>(numerator % denominator)};
}

// ceil(numerator / denominator) for a positive denominator, clamped to [0, limit]. The ceiling
// itself may not fit in 64 bits when the line spans the whole coordinate range.
std::int64_t CeilDivideClamped(Wide numerator, std::int64_t denominator, std::int64_t limit) {
    if (numerator <= 0) {
        return 0;
    }
    if (FitsIn64(numerator)) {
        return std::min((static_cast<std::int64_t>(numerator) - 1) / denominator + 1, limit);
    }
    const Wide ceiling = (numerator - 1) / denominator + 1;
    return ceiling < limit ? static_cast<std::int64_t>(ceiling) : limit;
}

// The first step whose minor offset floor((2 i rise + steps) / (2 steps)) is at least m:
// ceil((2 m - 1) steps / (2 rise)), or `steps` when no step of the line reaches m.
std::int64_t FirstStepReaching(const LineAxes& a, std::int64_t m) {
    const Wide numerator = (Wide{2} * m - 1) * a.steps;
    return CeilDivideClamped(numerator, 2 * a.rise, a.steps);
}

// The steps whose pixels lie inside the bounds. The minor offset never decreases along the line,
// so the steps inside are one range, and its ends are found exactly: the walk then checks
// nothing per pixel.
OffsetRange StepsInside(const LineAxes& a) {
    OffsetRange range{std::max<std::int64_t>(0, a.majorInside.lo),
                      std::min(a.steps - 1, a.majorInside.hi)};
    if (a.rise == 0) {
        if (a.minorInside.lo > 0 || a.minorInside.hi < 0) {
            range.hi = -1;
        }
        return range;
    }
    range.lo = std::max(range.lo, FirstStepReaching(a, a.minorInside.lo));
    range.hi = std::min(range.hi, FirstStepReaching(a, a.minorInside.hi + 1) - 1);
    return range;
}

// The pixels of a line inside the bounds as offsets into the image: where the first one is, how
// far a step moves along the major axis and how much more a step across adds, and the lag that
// says when the next step goes across (when it is negative).
struct Walk {
    std::ptrdiff_t at = 0;
    std::ptrdiff_t along = 0;
    std::ptrdiff_t across = 0;
    std::int64_t count = 0;
    std::int64_t lag = 0;
    std::int64_t twiceRise = 0;
    std::int64_t twiceSteps = 0;
};

Walk WalkOf(const LineAxes& a, const OffsetRange& steps, std::ptrdiff_t stride) {
    // The minor offset of the first step as an exact fraction over 2 * steps.
    const Wide numerator = Wide{2} * steps.lo * a.rise + a.steps;
    const Division minor = Divide(numerator, 2 * a.steps);
    const std::int64_t major = a.major0 + a.majorSign * steps.lo;
    const std::int64_t across = a.minor0 + a.minorSign * minor.quotient;
    const std::int64_t x = a.xMajor ? major : across;
    const std::int64_t y = a.xMajor ? across : major;
    Walk w;
    w.at = static_cast<std::ptrdiff_t>(y * stride + x);
    w.along = a.xMajor ? a.majorSign : a.majorSign * stride;
    w.across = a.xMajor ? a.minorSign * stride : a.minorSign;
    w.count = steps.hi - steps.lo + 1;
    w.twiceRise = 2 * a.rise;
    w.twiceSteps = 2 * a.steps;
    // The next step goes across when the fraction, grown by the rise, reaches a whole pixel.
    w.lag = w.twiceSteps - (minor.remainder + w.twiceRise) - 1;
    return w;
}

// A line with both ends inside the bounds lies inside them all along, and its walk starts at its
// first pixel with nothing to divide. The axes are picked by selection rather than by branches:
// the strokes of glyphs point every which way.
Walk WalkInside(DevicePoint from, DevicePoint to, std::ptrdiff_t stride) {
    const std::int64_t dx = std::int64_t{to.x} - from.x;
    const std::int64_t dy = std::int64_t{to.y} - from.y;
    const std::int64_t width = dx < 0 ? -dx : dx;
    const std::int64_t height = dy < 0 ? -dy : dy;
    const bool xMajor = width >= height;
    const std::ptrdiff_t stepX = dx < 0 ? -1 : 1;
    const std::ptrdiff_t stepY = dy < 0 ? -stride : stride;
    const std::int64_t steps = xMajor ? width : height;
    const std::int64_t rise = xMajor ? height : width;
    // Compilers turn the selection of the two steps into a branch; the mask swaps them without.
    const std::ptrdiff_t swap = (stepX ^ stepY) & (xMajor ? 0 : -1);
    Walk w;
    w.at = static_cast<std::ptrdiff_t>(from.y * stride + from.x);
    w.along = stepX ^ swap;
    w.across = stepY ^ swap;
    w.count = steps;
    w.twiceRise = 2 * rise;
    w.twiceSteps = 2 * steps;
    w.lag = steps - w.twiceRise - 1;  // as WalkOf has it for a first pixel at the start
    return w;
}

// The walk itself: one pixel per step along the major axis, and a step across whenever the
// fraction comes round. There is no branch in it: on slanted lines the steps across follow no
// pattern a branch predictor could learn. In this form compilers keep it so, the position taking
// the step across through a mask and the lag picking one of two sums worked out ahead, and each
// step waits for the lag of the one before for two instructions only.
template <typename Put>
void Run(const Walk& w, Put put) {
    std::ptrdiff_t at = w.at;
    std::int64_t lag = w.lag;
    const std::int64_t diagonalLag = w.twiceSteps - w.twiceRise;
    for (std::int64_t n = w.count; n > 0; --n) {
        put(at);
        const std::int64_t across = lag >> 63;  // all ones when the lag is negative
        at += w.along + (w.across & across);
        lag = lag < 0 ? lag + diagonalLag : lag - w.twiceRise;
    }
}

// The same pixels, the line's two halves walked side by side: each step of a walk waits for the
// one before it, and two walks at once keep the processor busy while they wait. The second half
// starts where the first would have arrived, worked out exactly. Only for puts whose order does
// not matter (a line meets each of its pixels once); dash patterns count along the line.
template <typename Put>
void RunInTwo(const Walk& w, Put put) {
    constexpr std::int64_t kWorthSplitting = 32;  // below this the division costs more
    if (w.count < kWorthSplitting) {
        Run(w, put);
        return;
    }
    const std::int64_t half = w.count / 2;
    // The fraction of the walk's first step, as WalkOf and WalkInside put it into the lag.
    const std::int64_t first = w.twiceSteps - w.twiceRise - 1 - w.lag;
    const std::int64_t total = first + half * w.twiceRise;
    std::ptrdiff_t a = w.at;
    std::ptrdiff_t b = w.at + half * w.along + (total / w.twiceSteps) * w.across;
    std::int64_t lagA = w.lag;
    std::int64_t lagB = w.twiceSteps - total % w.twiceSteps - w.twiceRise - 1;
    const std::int64_t diagonalLag = w.twiceSteps - w.twiceRise;
    for (std::int64_t n = half; n > 0; --n) {
        put(a);
        put(b);
        const std::int64_t acrossA = lagA >> 63;
        const std::int64_t acrossB = lagB >> 63;
        a += w.along + (w.across & acrossA);
        b += w.along + (w.across & acrossB);
        lagA = lagA < 0 ? lagA + diagonalLag : lagA - w.twiceRise;
        lagB = lagB < 0 ? lagB + diagonalLag : lagB - w.twiceRise;
    }
    if (w.count - half > half) {
        put(b);
    }
}

// Copying needs no pixel read, so the walk does not wait for the image memory: most of a large
// back buffer is not in the cache.
void DrawSolid(QRgb* bits, const Walk& walk, PixelOp op) {
    if (op.Overwrites()) {
        const QRgb value = op.Apply(0);
        RunInTwo(walk, [bits, value](std::ptrdiff_t at) { bits[at] = value; });
    } else {
        RunInTwo(walk, [bits, op](std::ptrdiff_t at) { bits[at] = op.Apply(bits[at]); });
    }
}

void DrawDashed(QRgb* bits, const Walk& walk, const LineInk& ink, DashCursor dash) {
    if (ink.pen.Overwrites() && ink.gap.Overwrites()) {
        const QRgb pen = ink.pen.Apply(0);
        const QRgb gap = ink.gap.Apply(0);
        Run(walk, [bits, pen, gap, &dash](std::ptrdiff_t at) {
            bits[at] = dash.IsOn() ? pen : gap;
            dash.Next();
        });
    } else {
        Run(walk, [bits, &ink, &dash](std::ptrdiff_t at) {
            bits[at] = (dash.IsOn() ? ink.pen : ink.gap).Apply(bits[at]);
            dash.Next();
        });
    }
}

// Puts down the pixels of the walk, `first` being the step of the line the walk starts at.
void Draw(QRgb* bits, const Walk& walk, const LineInk& ink, const CDashPattern& dashes,
          std::int64_t first) {
    if (dashes.IsSolid()) {
        DrawSolid(bits, walk, ink.pen);
    } else {
        DrawDashed(bits, walk, ink, dashes.CursorAt(first));
    }
}

}  // namespace

CImageLineWriter::CImageLineWriter(QImage& image, const DeviceRect& bounds, const LineInk& ink)
    : bits_(reinterpret_cast<QRgb*>(image.bits())),
      stride_(image.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb))),
      bounds_(bounds),
      ink_(ink) {}

void CImageLineWriter::SolidPath(std::span<const DevicePoint> points) {
    const CDashPattern solid;
    const QRgb value = ink_.pen.Apply(0);
    // Unsigned differences put both sides of each bound into one comparison.
    const auto width = static_cast<std::uint64_t>(
        std::max<std::int64_t>(0, std::int64_t{bounds_.right} - bounds_.left));
    const auto height = static_cast<std::uint64_t>(
        std::max<std::int64_t>(0, std::int64_t{bounds_.bottom} - bounds_.top));
    for (std::size_t i = 1; i < points.size(); ++i) {
        const DevicePoint from = points[i - 1];
        const DevicePoint to = points[i];
        const std::int64_t dx = std::int64_t{to.x} - from.x;
        const std::int64_t dy = std::int64_t{to.y} - from.y;
        if (static_cast<std::uint64_t>(dx + 1) > 2 || static_cast<std::uint64_t>(dy + 1) > 2) {
            LongLine(from, to, solid);
            continue;
        }
        const auto x = static_cast<std::uint64_t>(std::int64_t{from.x} - bounds_.left);
        const auto y = static_cast<std::uint64_t>(std::int64_t{from.y} - bounds_.top);
        if ((dx | dy) != 0 && x < width && y < height) {
            bits_[from.y * stride_ + from.x] = value;
        }
    }
}

std::int64_t CImageLineWriter::LongLine(DevicePoint from, DevicePoint to,
                                        const CDashPattern& dashes) {
    if (!Contains(bounds_, from) || !Contains(bounds_, to)) {
        return ClippedLine(from, to, dashes);
    }
    const Walk walk = WalkInside(from, to, stride_);
    Draw(bits_, walk, ink_, dashes, 0);
    return walk.count;
}

std::int64_t CImageLineWriter::ClippedLine(DevicePoint from, DevicePoint to,
                                           const CDashPattern& dashes) {
    const LineAxes a = AxesOf(from, to, bounds_);
    if (a.steps == 0 || bounds_.right <= bounds_.left || bounds_.bottom <= bounds_.top) {
        return a.steps;
    }
    const OffsetRange steps = StepsInside(a);
    if (steps.lo <= steps.hi) {
        Draw(bits_, WalkOf(a, steps, stride_), ink_, dashes, steps.lo);
    }
    return a.steps;
}

}  // namespace korvo
