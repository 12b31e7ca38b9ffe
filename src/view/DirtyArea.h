#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>

#include "geometry/RectF.h"
#include "platform/DrawContext.h"

namespace korvo {

// How much of something (the back buffer, the window) no longer shows what it should.
enum class Stale : std::uint8_t {
    Nothing,     // up to date
    Rect,        // the bounds of the marked rectangles
    Everything,  // all of it
};

inline void Unite(RectF& bounds, const RectF& rect) {
    bounds.Include(rect);
}

inline void Unite(DeviceRect& bounds, const DeviceRect& rect) {
    bounds.left = std::min(bounds.left, rect.left);
    bounds.top = std::min(bounds.top, rect.top);
    bounds.right = std::max(bounds.right, rect.right);
    bounds.bottom = std::max(bounds.bottom, rect.bottom);
}

// The stale part of a world (RectF) or screen (DeviceRect) area: rectangles gather into their
// bounds until something marks everything, which no rectangle narrows again.
template <class Rect>
class DirtyArea {
public:
    // A rectangle, or everything when there is none.
    void Add(const std::optional<Rect>& rect) {
        if (!rect) {
            stale_ = Stale::Everything;
        } else if (stale_ == Stale::Nothing) {
            bounds_ = *rect;
            stale_ = Stale::Rect;
        } else if (stale_ == Stale::Rect) {
            Unite(bounds_, *rect);
        }
    }
    void MarkAll() { stale_ = Stale::Everything; }
    void Clear() { stale_ = Stale::Nothing; }

    Stale State() const { return stale_; }
    bool IsClean() const { return stale_ == Stale::Nothing; }
    // Meaningful only while the state is Rect.
    const Rect& Bounds() const { return bounds_; }

private:
    Stale stale_ = Stale::Nothing;
    Rect bounds_{};
};

}  // namespace korvo
