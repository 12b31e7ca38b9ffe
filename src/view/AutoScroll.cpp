#include "view/AutoScroll.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace korvo {

namespace {

// The default way of scrolling moves one scroll unit per pixel of speed.
constexpr int kPixelsPerUnit = 1;
// Speed is gathered in hundredths of a pixel, five per tick for each pixel of speed.
constexpr int kTickWeight = 5;
constexpr int kHundredths = 100;
// Where the straight rise of the speed ends, beyond the origin window's edge.
constexpr int kLinearReach = 42;
constexpr double kCurveExponent = 1.1;
constexpr int kCoarseStep = 8;
constexpr int kCoarseFactor = 16;

}  // namespace

CAutoScroll::CAutoScroll(ITarget& target, DevicePoint origin, DevicePoint originSize,
                         std::uint16_t flags)
    : target_(target),
      origin_(origin),
      half_{originSize.x / 2, originSize.y / 2},
      flags_(flags),
      canScrollX_(CanScroll(target.GetScrollBarState(ScrollBar::Horizontal))),
      canScrollY_(CanScroll(target.GetScrollBarState(ScrollBar::Vertical))) {}

int CAutoScroll::SpeedOf(int offset, int half, bool coarse) {
    const int distance = std::abs(offset);
    if (distance < half) {
        return 0;
    }
    if (coarse) {
        return kCoarseFactor * (offset / kCoarseStep);
    }
    if (distance > half + kLinearReach) {
        const double beyond = std::pow(distance - half - kLinearReach, kCurveExponent);
        const int speed = (static_cast<int>(beyond) + kLinearReach + 1) * 2;
        return offset < 0 ? -speed : speed;
    }
    return offset >= 1 ? 2 * (offset - half + 1) : 2 * (offset + half - 1);
}

CAutoScroll::Pair CAutoScroll::SpeedAt(DevicePoint cursor) const {
    const int dx = cursor.x - origin_.x;
    const int dy = cursor.y - origin_.y;
    const bool coarse = (flags_ & kCoarse) != 0;
    Pair speed{canScrollX_ ? SpeedOf(dx, half_.x, coarse) : 0,
               canScrollY_ ? SpeedOf(dy, half_.y, coarse) : 0};
    if ((flags_ & kOneAxis) != 0) {
        if (std::abs(dx) > std::abs(dy)) {
            speed.y = 0;
        } else {
            speed.x = 0;
        }
    }
    return speed;
}

CAutoScroll::Pair CAutoScroll::Tick(DevicePoint cursor) {
    speed_ = SpeedAt(cursor);
    accumulator_.x += speed_.x * kTickWeight;
    accumulator_.y += speed_.y * kTickWeight;
    const Pair units{accumulator_.x / kPixelsPerUnit / kHundredths,
                     accumulator_.y / kPixelsPerUnit / kHundredths};
    if (units.x != 0 || units.y != 0) {
        ScrollBy(units);
        accumulator_.x -= units.x * kPixelsPerUnit * kHundredths;
        accumulator_.y -= units.y * kPixelsPerUnit * kHundredths;
    }
    return units;
}

CAutoScroll::Direction CAutoScroll::CursorDirection() const {
    // Indexed by the signs of the speed, each -1, 0 or 1 shifted to 0 ... 2.
    static constexpr Direction kBySign[3][3] = {
        {Direction::UpLeft, Direction::Left, Direction::DownLeft},
        {Direction::Up, Direction::None, Direction::Down},
        {Direction::UpRight, Direction::Right, Direction::DownRight}};
    const int sx = (speed_.x > 0) - (speed_.x < 0);
    const int sy = (speed_.y > 0) - (speed_.y < 0);
    return kBySign[sx + 1][sy + 1];
}

bool CAutoScroll::IsFast() const {
    return std::abs(speed_.x) + std::abs(speed_.y) > kFastSpeed;
}

// A bar without a range, or one the window has switched off, cannot scroll.
bool CAutoScroll::CanScroll(const ScrollBarState& bar) {
    return bar.enabled && bar.maximum != 0 && bar.minimum != bar.maximum;
}

void CAutoScroll::ScrollBy(Pair units) {
    ScrollBarBy(ScrollBar::Horizontal, units.x);
    ScrollBarBy(ScrollBar::Vertical, units.y);
}

void CAutoScroll::ScrollBarBy(ScrollBar bar, int units) {
    if (units == 0) {
        return;
    }
    const ScrollBarState state = target_.GetScrollBarState(bar);
    const int limit = std::max(state.maximum - std::max(state.page - 1, 0), 0);
    const int position = std::clamp(state.position + units, 0, limit);
    if (position != state.position) {
        target_.ThumbTrack(bar, position);
    }
}

}  // namespace korvo
