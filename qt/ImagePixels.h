#pragma once

#include <QImage>
#include <QPoint>
#include <span>

#include "platform/DrawContext.h"

class QPainter;

namespace korvo {

// The image a painter draws on, when single pixels may be written straight into it: a 32-bit
// QImage without scaling or transformation. Otherwise nullptr.
QImage* DirectlyWritableImage(QPainter& painter);

// What a raster operation makes of a pixel: (pixel & keep) ^ flip. Copying keeps nothing and
// sets the pen; the bitwise operations keep everything and flip colour bits only, leaving the
// alpha channel alone as Qt's raster operations do. One formula for all of them lets the line
// walks run without a branch per operation.
struct PixelOp {
    QRgb keep = 0;
    QRgb flip = 0;

    QRgb Apply(QRgb pixel) const { return (pixel & keep) ^ flip; }
    // Whether the result depends on the pen alone, so that of two such operations on one pixel
    // the later one wins.
    bool Overwrites() const { return keep == 0; }
};

// Leaves the pixel as it was: what the gaps of a line on a transparent background do.
constexpr PixelOp kUntouched{0xFFFFFFFF, 0};

PixelOp PixelOpFor(QRgb color, RasterOp op);

// Combines `color` with each pixel the way the raster operation says. The pixels must lie
// inside the image. Cosmetic lines are thousands of scattered pixels; putting them one by one
// through QPainter costs an order of magnitude more than this.
void WritePixels(QImage& image, std::span<const QPoint> pixels, QRgb color, RasterOp op);

}  // namespace korvo
