#include "QtImageSurface.h"

#include <algorithm>
#include <cstring>

namespace korvo {

CQtImageSurface::CQtImageSurface(int width, int height) {
    if (width > 0 && height > 0) {
        image_ = QImage(width, height, QImage::Format_ARGB32_Premultiplied);
        image_.fill(Qt::white);
    }
    painter_ = std::make_unique<QPainter>();
    if (!image_.isNull()) {
        painter_->begin(&image_);
    }
    context_ = std::make_unique<CQtDrawContext>(*painter_, false);
}

CQtImageSurface::~CQtImageSurface() {
    context_.reset();
    if (painter_->isActive()) {
        painter_->end();
    }
}

bool CQtImageSurface::CopyFrom(const IDrawSurface& source, const DeviceRect& rect) {
    const auto* other = dynamic_cast<const CQtImageSurface*>(&source);
    if (other == nullptr) {
        return false;
    }
    const int left = std::max({rect.left, 0});
    const int top = std::max({rect.top, 0});
    const int right = std::min({rect.right, Width(), other->Width()});
    const int bottom = std::min({rect.bottom, Height(), other->Height()});
    if (left >= right || top >= bottom) {
        return true;
    }
    // Both images share one format, so a scanline copy is the plain source copy, and far
    // cheaper than a composition through the painter.
    const std::size_t bytes = static_cast<std::size_t>(right - left) * 4;
    for (int y = top; y < bottom; ++y) {
        const uchar* from = other->image_.constScanLine(y) + static_cast<std::size_t>(left) * 4;
        uchar* to = image_.scanLine(y) + static_cast<std::size_t>(left) * 4;
        std::memcpy(to, from, bytes);
    }
    return true;
}

}  // namespace korvo
