#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "geometry/PlaneGeometry.h"
#include "geometry/RectF.h"
#include "platform/DrawContext.h"

namespace korvo {

class CKorvoFont;
class CPaper;

// Layout bits of a text element. The low bits 0x7 carry no layout meaning; the element keeps and
// stores them as given.
inline constexpr std::uint16_t kTextProportional = 0x0100;
inline constexpr std::uint16_t kTextSlanted = 0x0200;
inline constexpr std::uint16_t kTextUnderline = 0x0800;
inline constexpr std::uint16_t kTextOverline = 0x1000;
inline constexpr std::uint16_t kTextAlignRight = 0x4000;
inline constexpr std::uint16_t kTextAlignCenter = 0x8000;

// Everything a text element hands over to be laid out and drawn.
struct VectorTextParams {
    // Lines separated by the character 10: the font's own codes for the vector font, display
    // (Windows-1252) characters for a system font.
    std::string_view text;
    PointF origin;       // placement point: start of the first line's baseline
    double angle = 0.0;  // text direction in radians, counter-clockwise
    float height = 0.0f;
    float charWidth = 0.0f;  // W: width of the 200-unit glyph square
    float pitch = 0.0f;      // P: character pitch, or the gap between proportional characters
    std::uint16_t flags = 0;
    // Stored and handed over with the rest; no layout rule uses it yet.
    float textValue = 0.0f;
    std::int32_t fontNumber = 0;  // 0: the font being edited; otherwise the system font below
    std::string_view fontName;
};

// What the strokes are drawn with: the chosen device pen in plain mode, or a geometric pen of
// `width` thousandths of a unit in `color` in styled mode.
struct VectorTextInk {
    Pen pen;
    ColorRef color = 0;
    bool styled = false;
    std::uint16_t width = 0;
};

// Lays out a text element and, given a device, draws it. Vector-font text takes its characters
// from the glyph command streams of the paper's font; any other font number is device text in the
// named system font. Without a device only the bounding rectangle is computed.
class CVectorTextRenderer {
public:
    // A text that needs more than these is skipped: it would take the view too long to draw.
    static constexpr std::size_t kMaxPoints = 20000;
    static constexpr std::size_t kMaxPolylines = 1000;
    // Distance between the baselines of consecutive lines, in text heights.
    static constexpr double kLineSpacing = 1.5;
    // Slanted text leans forward by this much of the height above the baseline.
    static constexpr double kSlant = 0.33;
    // Distance of the underline and overline from the glyph square, in text heights.
    static constexpr double kDecorationGap = 0.25;
    // Without a device to measure with, a system-font character is assumed this wide (heights).
    static constexpr double kEstimatedCharWidth = 0.6;

    // With `cull`, nothing is drawn when the text lies wholly outside the paper's visible window.
    CVectorTextRenderer(const CPaper& paper, IDrawContext* dc, bool cull = true);

    // The bounding rectangle of the text in drawing units.
    RectF Render(const VectorTextParams& text, const VectorTextInk& ink);

    struct Stroke {
        std::size_t first = 0;
        std::size_t count = 0;
        bool point = false;
    };
    // A vector-font text laid out in drawing units, to be drawn as often as needed while the
    // paper's font stays as it was.
    struct Layout {
        std::vector<PointF> points;
        std::vector<Stroke> strokes;
        RectF bounds;
        bool drawable = false;
    };
    Layout LayOut(const VectorTextParams& text);
    // Draws what Render would have drawn for the text laid out.
    void Draw(const Layout& layout, const VectorTextInk& ink);

private:
    void Start(const VectorTextParams& text);
    // Calls `layoutLine` for every non-empty line with baseline_ set to that line's baseline.
    template <class LineFn>
    void ForEachLine(LineFn&& layoutLine);
    // Takes the corners of a line's box (sheared like the glyphs) into the bounding rectangle.
    void IncludeBox(double left, double right, double bottom, double top);

    // --- vector font ---
    bool HasGlyphs() const;
    double Advance(std::uint8_t code) const;
    double LineWidth(std::string_view line) const;
    void LayoutVectorLine(std::string_view line);
    void AddGlyph(std::uint8_t code, double x);
    void AddDecorations(double left, double right);
    void BeginStroke(bool point);
    void AddPoint(double x, double y);
    bool IsOverLimit() const;
    void DrawStrokes(const VectorTextInk& ink, const std::vector<PointF>& points,
                     const std::vector<Stroke>& strokes);
    void DrawStroke(const Stroke& stroke, const std::vector<PointF>& points, const Pen& pen,
                    bool styled, std::vector<DevicePoint>& device);

    // --- system font ---
    RectF RenderSystemText(const VectorTextInk& ink);
    TextFont SystemFont() const;
    double SystemLineWidth(std::string_view line, const TextFont& font) const;

    double AlignedStart(double width) const;
    // Local (x along the text, y across it) to drawing units: sheared about the current line's
    // baseline, turned by the text angle and moved to the placement point.
    PointF ToWorld(double x, double y) const;

    const CPaper& paper_;
    IDrawContext* dc_;
    bool cull_;
    const CKorvoFont* font_ = nullptr;

    VectorTextParams text_;
    double cos_ = 1.0;
    double sin_ = 0.0;
    double shear_ = 0.0;
    double baseline_ = 0.0;
    RectF bounds_;
    std::vector<PointF> points_;
    std::vector<Stroke> strokes_;
    std::size_t strokeCount_ = 0;
    std::size_t pointCount_ = 0;
    // System-font lines and where their first character cell starts, in drawing units.
    std::vector<std::pair<std::string_view, PointF>> systemLines_;
};

}  // namespace korvo
