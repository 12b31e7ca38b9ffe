#pragma once

#include <string>
#include <vector>

#include "platform/DrawContext.h"

namespace korvo::test {

// Records every primitive with the pen, brush and raster operation in force when it was drawn,
// so tests can assert exactly what an element painted and with what.
class RecordingDrawContext : public IDrawContext {
public:
    struct Call {
        std::string op;  // "line", "polyline", "polygon", "pixel", "rect", "fill", "invert",
                         // "focus", "text"
        std::vector<DevicePoint> points;
        Pen pen;
        Brush brush;
        RasterOp rop = RasterOp::CopyPen;
        ColorRef color = 0;
        std::string text;
        TextFont font;
    };

    explicit RecordingDrawContext(bool printer = false) : printer_(printer) {}

    bool IsPrinter() const override { return printer_; }
    Pen SelectPen(const Pen& pen) override;
    Brush SelectBrush(const Brush& brush) override;
    RasterOp SetRasterOp(RasterOp op) override;
    bool SetTransparentBackground(bool transparent) override;
    std::optional<DeviceRect> SetClipRect(std::optional<DeviceRect> clip) override;

    void MoveTo(DevicePoint p) override { position_ = p; }
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

    const std::vector<Call>& Calls() const { return calls_; }
    std::vector<Call> CallsOf(const std::string& op) const;
    // The state a drawing call leaves behind must be what it found.
    const Pen& CurrentPen() const { return pen_; }

private:
    Call& Record(std::string op);

    bool printer_;
    Pen pen_;
    Brush brush_;
    RasterOp rop_ = RasterOp::CopyPen;
    bool transparent_ = false;
    std::optional<DeviceRect> clip_;
    DevicePoint position_;
    std::vector<Call> calls_;
};

}  // namespace korvo::test
