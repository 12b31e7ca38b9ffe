#pragma once

#include <cstdint>

#include "platform/DrawContext.h"
#include "platform/ViewHost.h"

namespace korvo {

// One run of middle-button auto-scrolling: while the origin window is open, every tick scrolls
// the target window at a speed that grows with the pointer's distance from the origin. Slow
// speeds are gathered over several ticks, so even a pointer just outside the origin window
// moves the window, a unit at a time. The window system supplies the pointer and the ticks.
class CAutoScroll {
public:
    // Flags of a run.
    static constexpr std::uint16_t kOneAxis = 0x1;  // only the axis of the larger offset scrolls
    static constexpr std::uint16_t kCoarse = 0x8;   // speed in steps of 16 instead of the curve
    // The run's timer and its period.
    static constexpr int kTimerId = 1968;
    static constexpr int kTickMs = 50;
    // Beyond this combined speed the cursor shows the fast variant.
    static constexpr int kFastSpeed = 200;

    // A per-axis quantity: speed, or whole scroll units.
    struct Pair {
        int x = 0;
        int y = 0;
        friend bool operator==(const Pair&, const Pair&) = default;
    };

    // A scroll bar as the target shows it; a hidden bar is not enabled. `page` counts inside
    // `maximum`, as classic scroll bars have it, so the last position is maximum - (page - 1);
    // a bar whose maximum is already the last position (a QScrollBar) reports a page of 0.
    struct ScrollBarState {
        int minimum = 0;
        int maximum = 0;
        int page = 0;
        int position = 0;
        bool enabled = true;
    };

    // The scrolled window. Auto-scroll moves it the way dragging a scroll box would, so the
    // window's own scroll handling keeps its scroll bars and its contents in step.
    class ITarget {
    public:
        virtual ~ITarget() = default;
        virtual ScrollBarState GetScrollBarState(ScrollBar bar) const = 0;
        // Scroll-box dragging to `position` on that bar (the thumb-track scroll request).
        virtual void ThumbTrack(ScrollBar bar, int position) = 0;
    };

    // Where the cursor points: the direction of the current speed, y downwards.
    enum class Direction { None, Up, UpRight, Right, DownRight, Down, DownLeft, Left, UpLeft };

    // `origin` is the centre of the origin window in screen pixels, `originSize` its width and
    // height. Which axes can scroll is decided here, once, from the target's scroll bars.
    CAutoScroll(ITarget& target, DevicePoint origin, DevicePoint originSize,
                std::uint16_t flags = 0);

    // The speed along one axis for a pointer `offset` pixels from the origin, where `half` is
    // half the origin window's extent on that axis: nothing inside the origin window, then a
    // straight rise, then a slightly steeper curve.
    static int SpeedOf(int offset, int half, bool coarse);

    // The speeds for a pointer at `cursor` (screen pixels), after the run's flags and the axes
    // that cannot scroll.
    Pair SpeedAt(DevicePoint cursor) const;

    // One timer tick with the pointer at `cursor`: gathers the speeds and scrolls the target by
    // the whole units gathered. Returns those units (also when the target was already at its end).
    Pair Tick(DevicePoint cursor);

    // The speed of the last tick, and the cursor that shows it.
    Pair LastSpeed() const { return speed_; }
    Direction CursorDirection() const;
    bool IsFast() const;

    bool CanScrollX() const { return canScrollX_; }
    bool CanScrollY() const { return canScrollY_; }

private:
    static bool CanScroll(const ScrollBarState& bar);
    // The default way to scroll by units: new positions within 0 ... the bar's limit.
    void ScrollBy(Pair units);
    void ScrollBarBy(ScrollBar bar, int units);

    ITarget& target_;
    DevicePoint origin_;
    DevicePoint half_;
    std::uint16_t flags_;
    bool canScrollX_;
    bool canScrollY_;
    Pair accumulator_;
    Pair speed_;
};

}  // namespace korvo
