#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace korvo {

// Colours are 0x00BBGGRR, the way the drawing elements store them.
using ColorRef = std::uint32_t;

constexpr ColorRef MakeColor(int r, int g, int b) {
    return static_cast<ColorRef>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int RedOf(ColorRef c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int GreenOf(ColorRef c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int BlueOf(ColorRef c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

// Device coordinates: pixels (or printer dots), y downwards.
struct DevicePoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const DevicePoint&, const DevicePoint&) = default;
};

// Left/top inclusive, right/bottom exclusive, as device rectangles usually are.
struct DeviceRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const DeviceRect&, const DeviceRect&) = default;
};

// Pen styles share their numbers with the elements' `style` attribute.
enum class PenStyle : std::uint16_t { Solid = 0, Dash = 1, Dot = 2, DashDot = 3, DashDotDot = 4 };
enum class PenCap : std::uint8_t { Round, Flat };

// A cosmetic pen is always one device pixel wide whatever the transformation; a geometric pen is
// `width` device units wide and has caps.
struct Pen {
    PenStyle style = PenStyle::Solid;
    ColorRef color = 0;
    bool geometric = false;
    int width = 0;
    PenCap cap = PenCap::Round;
    friend bool operator==(const Pen&, const Pen&) = default;
};

// Brush styles share their numbers with the elements' `fillStyle` attribute; hatch numbers are
// 0 horizontal, 1 vertical, 2 forward diagonal (\), 3 backward diagonal (/), 4 cross,
// 5 diagonal cross.
enum class BrushStyle : std::uint32_t { Solid = 0, Hollow = 1, Hatched = 2 };

struct Brush {
    BrushStyle style = BrushStyle::Solid;
    ColorRef color = 0;
    std::uint32_t hatch = 0;
    friend bool operator==(const Brush&, const Brush&) = default;
};

// How the pen combines with what is already there. Xor and NotXor draw rubber bands that a
// second drawing removes; Invert ignores the pen colour.
enum class RasterOp : std::uint8_t { CopyPen, XorPen, NotXorPen, Invert };

// Text in a named system font. Height in device units (cell height), angle in tenths of a
// degree counter-clockwise.
struct TextFont {
    std::string face;
    int height = 0;
    int angleTenths = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    friend bool operator==(const TextFont&, const TextFont&) = default;
};

// Where everything the drawing model paints ends up: the screen's back buffer, a printer, an
// image file or, in tests, a recorder. The calls mirror what the elements need and no more.
//
// Line rules: `LineTo` draws from the current position to the point without setting the last
// pixel and makes the point the new current position; `Polyline` behaves like a move followed
// by line-tos. Closed figures (`Polygon`, `Rectangle`) are outlined with the pen and filled with
// the brush. Selecting a pen, brush, raster operation or clip returns what was selected before so
// callers can put it back.
class IDrawContext {
public:
    virtual ~IDrawContext() = default;

    virtual bool IsPrinter() const = 0;

    virtual Pen SelectPen(const Pen& pen) = 0;
    virtual Brush SelectBrush(const Brush& brush) = 0;
    virtual RasterOp SetRasterOp(RasterOp op) = 0;
    // Whether the gaps of dashed pens and hatches are left untouched (true) or painted white.
    virtual bool SetTransparentBackground(bool transparent) = 0;
    // Drawing outside the rectangle is discarded; no rectangle means no clipping.
    virtual std::optional<DeviceRect> SetClipRect(std::optional<DeviceRect> clip) = 0;

    virtual void MoveTo(DevicePoint p) = 0;
    virtual void LineTo(DevicePoint p) = 0;
    virtual void Polyline(std::span<const DevicePoint> points) = 0;
    virtual void Polygon(std::span<const DevicePoint> points) = 0;
    virtual void SetPixel(DevicePoint p, ColorRef color) = 0;
    virtual void Rectangle(const DeviceRect& rect) = 0;
    virtual void FillRect(const DeviceRect& rect, ColorRef color) = 0;
    virtual void InvertRect(const DeviceRect& rect) = 0;
    virtual void FocusRect(const DeviceRect& rect) = 0;

    // Draws `text` with its reference point at the top-left of the first character cell.
    virtual void TextOut(DevicePoint p, std::string_view text, const TextFont& font,
                         ColorRef color) = 0;
    // Width and height of `text` in device units in that font (unrotated).
    virtual DevicePoint TextExtent(std::string_view text, const TextFont& font) = 0;
};

}  // namespace korvo
