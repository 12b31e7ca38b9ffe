#pragma once

#include <QImage>
#include <QPainter>
#include <QPoint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "DashPattern.h"
#include "ImageLines.h"
#include "LinePixels.h"
#include "QtFontResolver.h"
#include "TextStamps.h"
#include "platform/DrawContext.h"

namespace korvo {

// The draw context on a QPainter, whatever it paints on: the view's back buffer (QImage), a
// widget, a printer or an SVG file. The painter must be active; its state is saved on
// construction and put back on destruction, and its transform must not change in between.
//
// On raster devices cosmetic pens are drawn pixel by pixel with the context's own line walk,
// so the "last pixel not set" rule and xor rubber bands are exact (on 32-bit images the pixels
// are walked straight into the image's scanlines, which is faster than Qt's own line drawing).
// So are solid geometric pens no wider than a pixel (styled drawing at ordinary zooms): they draw
// the same one-pixel lines, a round end adding the pixel of the end point. Wider geometric pens,
// and everything on vector devices, go through Qt's stroker. Raster operations need
// a raster device; elsewhere everything is drawn as plain copies.
//
// A fresh context behaves like a fresh device context of the classic desktop: black cosmetic
// solid pen, white solid brush, copy raster operation, opaque white background, no clipping,
// current position (0, 0).
class CQtDrawContext final : public IDrawContext {
public:
    CQtDrawContext(QPainter& painter, bool isPrinter);
    ~CQtDrawContext() override;
    CQtDrawContext(const CQtDrawContext&) = delete;
    CQtDrawContext& operator=(const CQtDrawContext&) = delete;

    bool IsPrinter() const override { return isPrinter_; }

    Pen SelectPen(const Pen& pen) override;
    Brush SelectBrush(const Brush& brush) override;
    RasterOp SetRasterOp(RasterOp op) override;
    bool SetTransparentBackground(bool transparent) override;
    std::optional<DeviceRect> SetClipRect(std::optional<DeviceRect> clip) override;

    void MoveTo(DevicePoint p) override;
    void LineTo(DevicePoint p) override;
    void Polyline(std::span<const DevicePoint> points) override;
    void Polygon(std::span<const DevicePoint> points) override;
    void SetPixel(DevicePoint p, ColorRef color) override;
    void Rectangle(const DeviceRect& rect) override;
    void FillRect(const DeviceRect& rect, ColorRef color) override;
    void InvertRect(const DeviceRect& rect) override;
    void FocusRect(const DeviceRect& rect) override;

    void TextOut(DevicePoint p, std::string_view text, const TextFont& font,
                 ColorRef color) override;
    DevicePoint TextExtent(std::string_view text, const TextFont& font) override;

private:
    bool DrawsPixels() const { return pixelExact_ && (!pen_.geometric || IsThinGeometric(pen_)); }
    static bool IsThinGeometric(const Pen& pen) {
        return pen.geometric && pen.width <= 1 && pen.style == PenStyle::Solid;
    }
    void CapEnd(std::span<const DevicePoint> points);
    QPainter::CompositionMode ModeFor(RasterOp op) const;
    QPen StrokePen() const;
    QBrush FillBrush() const;
    DeviceRect TraceBounds() const;
    QImage* DirectImage() const;

    void RefreshInk();
    void DrawCosmeticPath(std::span<const DevicePoint> points, bool closed);
    CDashPattern WritePath(std::span<const DevicePoint> points, bool closed,
                           const LineInk& ink) const;
    void TraceSegment(DevicePoint from, DevicePoint to);
    void TracePath(std::span<const DevicePoint> points, bool closed);
    void PaintTracedPixels();
    void PaintPixels(const std::vector<QPoint>& pixels, QRgb color, RasterOp op);
    void StrokePath(std::span<const DevicePoint> points, bool closed);
    void FillPolygon(std::span<const DevicePoint> points);

    QPainter& painter_;
    bool isPrinter_;
    bool pixelExact_;
    bool rasterOps_;
    DeviceRect deviceBounds_;  // the paint device, which stays while the painter is active
    QImage* image_ = nullptr;  // the device when the context may write its pixels itself
    // Its scanlines: the painter has the image to itself while it is active.
    QRgb* bits_ = nullptr;
    std::ptrdiff_t stride_ = 0;

    Pen pen_;
    Brush brush_{BrushStyle::Solid, MakeColor(255, 255, 255), 0};
    RasterOp rasterOp_ = RasterOp::CopyPen;
    bool transparent_ = false;
    std::optional<DeviceRect> clip_;
    DevicePoint current_;
    CDashPattern dashes_;
    LineInk ink_{kUntouched};  // what lines write under the current pen, mode and background
    bool inkStale_ = true;
    CQtFontResolver fonts_;
    CTextStamps stamps_;  // for text on images the context writes itself

    // Reused between calls so drawing does not allocate once the buffers have grown.
    std::vector<TracedPixel> traced_;
    std::vector<QPoint> onPixels_;
    std::vector<QPoint> gapPixels_;
};

}  // namespace korvo
