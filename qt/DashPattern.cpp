#include "DashPattern.h"

#include <array>

namespace korvo {

namespace {

// The classic display-driver rhythms: long enough to tell the styles apart on screen.
constexpr std::array<int, 2> kCosmeticDash{18, 6};
constexpr std::array<int, 2> kCosmeticDot{3, 3};
constexpr std::array<int, 4> kCosmeticDashDot{9, 6, 3, 6};
constexpr std::array<int, 6> kCosmeticDashDotDot{9, 3, 3, 3, 3, 3};

constexpr std::array<int, 2> kGeometricDash{3, 1};
constexpr std::array<int, 2> kGeometricDot{1, 1};
constexpr std::array<int, 4> kGeometricDashDot{3, 1, 1, 1};
constexpr std::array<int, 6> kGeometricDashDotDot{3, 1, 1, 1, 1, 1};

}  // namespace

CDashPattern::CDashPattern(PenStyle style) {
    bool on = true;
    for (const int run : CosmeticRuns(style)) {
        for (int i = 0; i < run; ++i, ++period_) {
            if (on) {
                onMask_ |= 1U << period_;
            }
        }
        on = !on;
    }
}

DashCursor CDashPattern::CursorAt(std::int64_t step) const {
    if (period_ == 0) {
        return {};  // always on
    }
    return {onMask_, period_, static_cast<int>((phase_ + step % period_) % period_)};
}

void CDashPattern::Advance(std::int64_t steps) {
    if (period_ != 0) {
        phase_ = static_cast<int>((phase_ + steps % period_) % period_);
    }
}

std::span<const int> CDashPattern::CosmeticRuns(PenStyle style) {
    switch (style) {
        case PenStyle::Dash:
            return kCosmeticDash;
        case PenStyle::Dot:
            return kCosmeticDot;
        case PenStyle::DashDot:
            return kCosmeticDashDot;
        case PenStyle::DashDotDot:
            return kCosmeticDashDotDot;
        default:
            return {};
    }
}

std::span<const int> CDashPattern::GeometricRuns(PenStyle style) {
    switch (style) {
        case PenStyle::Dash:
            return kGeometricDash;
        case PenStyle::Dot:
            return kGeometricDot;
        case PenStyle::DashDot:
            return kGeometricDashDot;
        case PenStyle::DashDotDot:
            return kGeometricDashDotDot;
        default:
            return {};
    }
}

}  // namespace korvo
