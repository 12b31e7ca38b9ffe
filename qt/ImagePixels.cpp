#include "ImagePixels.h"

#include <QPainter>

namespace korvo {

namespace {

constexpr QRgb kColourBits = 0x00FFFFFF;

bool IsPlain32Bit(QImage::Format format) {
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
           format == QImage::Format_ARGB32_Premultiplied;
}

template <typename Combine>
void ForEachPixel(QImage& image, std::span<const QPoint> pixels, Combine combine) {
    uchar* const bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    for (const QPoint& p : pixels) {
        auto* pixel = reinterpret_cast<QRgb*>(bits + p.y() * stride) + p.x();
        *pixel = combine(*pixel);
    }
}

}  // namespace

QImage* DirectlyWritableImage(QPainter& painter) {
    auto* image = dynamic_cast<QImage*>(painter.device());
    if (image == nullptr || !IsPlain32Bit(image->format()) || image->devicePixelRatio() != 1.0 ||
        painter.deviceTransform().type() != QTransform::TxNone) {
        return nullptr;
    }
    return image;
}

void WritePixels(QImage& image, std::span<const QPoint> pixels, QRgb color, RasterOp op) {
    // The alpha channel is left alone by the bitwise operations, as Qt's raster operations do.
    switch (op) {
        case RasterOp::XorPen:
            ForEachPixel(image, pixels, [&](QRgb d) { return d ^ (color & kColourBits); });
            break;
        case RasterOp::NotXorPen:
            ForEachPixel(image, pixels, [&](QRgb d) { return d ^ (~color & kColourBits); });
            break;
        case RasterOp::Invert:
            ForEachPixel(image, pixels, [](QRgb d) { return d ^ kColourBits; });
            break;
        default:
            ForEachPixel(image, pixels, [&](QRgb) { return color | ~kColourBits; });
            break;
    }
}

}  // namespace korvo
