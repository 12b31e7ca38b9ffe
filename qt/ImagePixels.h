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

// Combines `color` with each pixel the way the raster operation says. The pixels must lie
// inside the image. Cosmetic lines are thousands of scattered pixels; putting them one by one
// through QPainter costs an order of magnitude more than this.
void WritePixels(QImage& image, std::span<const QPoint> pixels, QRgb color, RasterOp op);

}  // namespace korvo
