#pragma once

#include <QImage>
#include <QPainter>
#include <memory>

#include "QtDrawContext.h"
#include "platform/DrawSurface.h"

namespace korvo {

// A draw surface on a QImage (32-bit premultiplied ARGB): the view's back buffer in the editor
// and in the benchmarks, and the window image the view widget paints through. A painter stays
// open on the image for the surface's life, so drawing needs no set-up per call.
class CQtImageSurface final : public IDrawSurface {
public:
    // A surface of that size filled with white; a size of 0 or less gives a null image.
    CQtImageSurface(int width, int height);
    ~CQtImageSurface() override;
    CQtImageSurface(const CQtImageSurface&) = delete;
    CQtImageSurface& operator=(const CQtImageSurface&) = delete;

    int Width() const override { return image_.width(); }
    int Height() const override { return image_.height(); }
    IDrawContext& Context() override { return *context_; }
    bool CopyFrom(const IDrawSurface& source, const DeviceRect& rect) override;

    bool IsNull() const { return image_.isNull(); }
    // The pixels, for drawing them elsewhere (QPainter::drawImage). Do not keep a copy: a shared
    // image would be detached from the painter at the next direct write.
    const QImage& Image() const { return image_; }

private:
    QImage image_;
    std::unique_ptr<QPainter> painter_;
    std::unique_ptr<CQtDrawContext> context_;
};

}  // namespace korvo
