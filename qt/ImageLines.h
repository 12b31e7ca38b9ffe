#pragma once

#include <QImage>
#include <cstddef>
#include <cstdint>
#include <span>

#include "DashPattern.h"
#include "ImagePixels.h"
#include "LinePixels.h"
#include "platform/DrawContext.h"

namespace korvo {

// What a line does to the pixels it covers: where its dash pattern is on, `pen`; in the gaps,
// `gap`.
struct LineInk {
    PixelOp pen;
    PixelOp gap = kUntouched;
};

// Draws one-pixel lines straight into the scanlines of a 32-bit image. The pixels are exactly
// those TraceLine yields inside the bounds and the dashes fall where CDashPattern puts them, but
// nothing is collected on the way: a font's character table is tens of thousands of short
// strokes, and for those the list of pixels and the dash test per pixel cost more than the
// writing.
//
// Pixels are written as the walk meets them. Where the lines of one path cross, the caller
// decides whether that order matters (it does only when pen and gaps both overwrite).
class CImageLineWriter {
public:
    // `bounds` must lie inside the image; the image must be one DirectlyWritableImage accepts.
    CImageLineWriter(QImage& image, const DeviceRect& bounds, const LineInk& ink);
    // The same on the image's scanlines, `stride` pixels apart, for callers that keep them.
    CImageLineWriter(QRgb* bits, std::ptrdiff_t stride, const DeviceRect& bounds,
                     const LineInk& ink)
        : bits_(bits), stride_(stride), bounds_(bounds), ink_(ink) {}

    // Like TraceLine, leaves out the pixel of `to`, and of a line running far off the bounds only
    // the part inside costs anything. The pattern is taken as standing at the start of the
    // line. Returns the number of steps of the whole line, to advance the pattern by.
    std::int64_t Line(DevicePoint from, DevicePoint to, const CDashPattern& dashes) {
        // A line to a neighbouring pixel is its first pixel alone. Styled strokes are made of
        // such lines, a step of their pattern apart, and they need none of the walk's set-up.
        const std::int64_t dx = std::int64_t{to.x} - from.x;
        const std::int64_t dy = std::int64_t{to.y} - from.y;
        if (dx < -1 || dx > 1 || dy < -1 || dy > 1) {
            return LongLine(from, to, dashes);
        }
        if ((dx | dy) == 0) {
            return 0;
        }
        if (Contains(bounds_, from)) {
            QRgb& pixel = bits_[from.y * stride_ + from.x];
            const PixelOp& op = dashes.IsSolid() || dashes.IsOn(0) ? ink_.pen : ink_.gap;
            // A copy does not read the pixel, so the store need not wait for the image memory.
            pixel = op.Overwrites() ? op.Apply(0) : op.Apply(pixel);
        }
        return 1;
    }

    // The solid path through `points` with an ink that overwrites, as Line would draw it segment
    // by segment. Styled strokes hand over a dash at a time as points a step apart, mostly
    // neighbouring pixels; for those this loop does the least a pixel needs.
    void SolidPath(std::span<const DevicePoint> points);

private:
    std::int64_t LongLine(DevicePoint from, DevicePoint to, const CDashPattern& dashes);
    std::int64_t ClippedLine(DevicePoint from, DevicePoint to, const CDashPattern& dashes);

    QRgb* bits_;
    std::ptrdiff_t stride_;  // in pixels
    DeviceRect bounds_;
    LineInk ink_;
};

}  // namespace korvo
