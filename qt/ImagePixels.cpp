#include "ImagePixels.h"

#include <QPainter>

namespace korvo {

namespace {

constexpr QRgb kColourBits = 0x00FFFFFF;
constexpr QRgb kAllBits = 0xFFFFFFFF;

bool IsPlain32Bit(QImage::Format format) {
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
           format == QImage::Format_ARGB32_Premultiplied;
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

PixelOp PixelOpFor(QRgb color, RasterOp op) {
    switch (op) {
        case RasterOp::XorPen:
            return {kAllBits, color & kColourBits};
        case RasterOp::NotXorPen:
            return {kAllBits, ~color & kColourBits};
        case RasterOp::Invert:
            return {kAllBits, kColourBits};
        default:
            return {0, color | ~kColourBits};
    }
}

void WritePixels(QImage& image, std::span<const QPoint> pixels, QRgb color, RasterOp op) {
    const PixelOp combine = PixelOpFor(color, op);
    uchar* const bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    for (const QPoint& p : pixels) {
        auto* pixel = reinterpret_cast<QRgb*>(bits + p.y() * stride) + p.x();
        *pixel = combine.Apply(*pixel);
    }
}

}  // namespace korvo
