#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "platform/DrawContext.h"

namespace korvo {

// The calls a piece of painting made, kept to be made again on another context. Replaying gives
// the very calls, in order, that painting straight onto that context would have made, so the
// pixels are the same; what is saved is the work that worked the calls out (text layout, glyph
// decoding, mapping). Measuring text goes to the context being recorded for, so the recording
// holds only for contexts that measure alike (the view's own surfaces).
//
// Selections answer with what the recording itself had selected before; it starts from the state
// given, which must be the state of the context at replay.
class CDrawRecording final : public IDrawContext {
public:
    CDrawRecording(IDrawContext& measure, const Pen& pen, RasterOp op);

    void Replay(IDrawContext& dc) const;
    std::size_t CallCount() const { return calls_.size(); }

    bool IsPrinter() const override { return measure_.IsPrinter(); }
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
    struct PolylineCall {
        std::vector<DevicePoint> points;
    };
    struct PolygonCall {
        std::vector<DevicePoint> points;
    };
    struct MoveCall {
        DevicePoint p;
    };
    struct LineCall {
        DevicePoint p;
    };
    struct PixelCall {
        DevicePoint p;
        ColorRef color;
    };
    struct RectCall {
        enum Kind { Outline, Fill, Invert, Focus } kind;
        DeviceRect rect;
        ColorRef color;
    };
    struct TextCall {
        DevicePoint p;
        std::string text;
        TextFont font;
        ColorRef color;
    };
    struct TransparentCall {
        bool transparent;
    };
    struct ClipCall {
        std::optional<DeviceRect> clip;
    };
    using Call = std::variant<Pen, Brush, RasterOp, TransparentCall, ClipCall, MoveCall, LineCall,
                              PolylineCall, PolygonCall, PixelCall, RectCall, TextCall>;

    IDrawContext& measure_;
    Pen pen_;
    Brush brush_{BrushStyle::Solid, 0xFFFFFF, 0};
    RasterOp op_;
    bool transparent_ = false;
    std::optional<DeviceRect> clip_;
    std::vector<Call> calls_;
};

}  // namespace korvo
