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
