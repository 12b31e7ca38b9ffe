#pragma once

#include <cstdint>
#include <vector>

#include "platform/DrawContext.h"

namespace korvo {

struct TracedPixel {
    std::int64_t step = 0;  // how many pixels after the start of the line
    int x = 0;
    int y = 0;
};

inline bool Contains(const DeviceRect& r, DevicePoint p) {
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

// A span of offsets, both ends included; empty when lo > hi.
struct OffsetRange {
    std::int64_t lo = 0;
    std::int64_t hi = 0;
};

// One line seen along its longer (major) and shorter (minor) axis. Step i of the line lies at
// major0 + majorSign * i and minor0 + minorSign * round(i * rise / steps), halves rounded away
// from the start. The ranges say which offsets from the start along each axis lie inside the
// bounds the axes were taken against.
struct LineAxes {
    bool xMajor = true;
    std::int64_t steps = 0;  // length along the major axis
    std::int64_t rise = 0;   // length along the minor axis, <= steps
    std::int64_t major0 = 0;
    std::int64_t minor0 = 0;
    int majorSign = 1;
    int minorSign = 1;
    OffsetRange majorInside;
    OffsetRange minorInside;
};

LineAxes AxesOf(DevicePoint from, DevicePoint to, const DeviceRect& bounds);

// Walks the one-pixel line from `from` to `to` and appends its pixels that lie inside `bounds`
// to `out`, in order. The pixel of `to` itself is not part of the line: joined segments then
// share each joint pixel exactly once, so a polyline drawn with xor keeps its vertices and any
// line drawn twice with xor vanishes. A line has one pixel per step along its longer axis.
//
// Only the steps that can reach `bounds` are visited, so a line running far off the device
// costs no more than one crossing it. Returns the number of steps of the whole line, for
// patterns that continue into the next segment.
std::int64_t TraceLine(DevicePoint from, DevicePoint to, const DeviceRect& bounds,
                       std::vector<TracedPixel>& out);

}  // namespace korvo
