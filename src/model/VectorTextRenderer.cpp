#include "model/VectorTextRenderer.h"

#include <algorithm>
#include <cmath>

#include "font/GlyphStream.h"
#include "font/KorvoFont.h"
#include "model/Paper.h"
#include "model/StyledStroke.h"

namespace korvo {

namespace {

// Glyph coordinates run over a 200-unit square; the text's sizes are that square's sizes.
constexpr double kGlyphScale = 0.005;
constexpr double kGlyphSquare = 200.0;

// A text with nothing visible in it would leave nothing to see or pick, so it shows a dot.
std::string_view VisibleText(std::string_view text) {
    if (text.empty() || text == " " || text == "  ") {
        return ".";
    }
    return text;
}

}  // namespace

CVectorTextRenderer::CVectorTextRenderer(const CPaper& paper, IDrawContext* dc, bool cull)
    : paper_(paper), dc_(dc), cull_(cull), font_(paper.GetFont()) {}

RectF CVectorTextRenderer::Render(const VectorTextParams& text, const VectorTextInk& ink) {
    Start(text);
    if (text_.fontNumber != 0) {
        return RenderSystemText(ink);
    }
    ForEachLine([this](std::string_view line) { LayoutVectorLine(line); });
    const bool visible = !(cull_ && paper_.IsOutside(bounds_));
    if (dc_ != nullptr && HasGlyphs() && !IsOverLimit() && visible) {
        DrawStrokes(ink, points_, strokes_);
    }
    return bounds_;
}

CVectorTextRenderer::Layout CVectorTextRenderer::LayOut(const VectorTextParams& text) {
    Start(text);
    ForEachLine([this](std::string_view line) { LayoutVectorLine(line); });
    return {points_, strokes_, bounds_, HasGlyphs() && !IsOverLimit()};
}

void CVectorTextRenderer::Draw(const Layout& layout, const VectorTextInk& ink) {
    if (dc_ != nullptr && layout.drawable && !(cull_ && paper_.IsOutside(layout.bounds))) {
        DrawStrokes(ink, layout.points, layout.strokes);
    }
}

void CVectorTextRenderer::Start(const VectorTextParams& text) {
    text_ = text;
    text_.text = VisibleText(text.text);
    cos_ = std::cos(text_.angle);
    sin_ = std::sin(text_.angle);
    shear_ = 0.0;
    baseline_ = 0.0;
    bounds_ = RectF::Empty();
    points_.clear();
    strokes_.clear();
    strokeCount_ = 0;
    pointCount_ = 0;
    systemLines_.clear();
}

// Each line hangs kLineSpacing heights below the one before it, so lines of the same height never
// touch and leave room for descending strokes and decorations.
template <class LineFn>
void CVectorTextRenderer::ForEachLine(LineFn&& layoutLine) {
    std::string_view rest = text_.text;
    const double step = kLineSpacing * text_.height;
    for (double index = 0.0;; index += 1.0) {
        const std::size_t end = rest.find('\n');
        baseline_ = -index * step;
        const std::string_view line = rest.substr(0, end);
        if (!line.empty()) {
            layoutLine(line);
        }
        if (end == std::string_view::npos) {
            break;
        }
        rest.remove_prefix(end + 1);
    }
}

void CVectorTextRenderer::IncludeBox(double left, double right, double bottom, double top) {
    for (const double y : {bottom, top}) {
        for (const double x : {left, right}) {
            const PointF corner = ToWorld(x, y);
            bounds_.Include(corner.x, corner.y);
        }
    }
}

// --- vector font --------------------------------------------------------------------------------

bool CVectorTextRenderer::HasGlyphs() const {
    return font_ != nullptr && font_->Table() != nullptr;
}

double CVectorTextRenderer::Advance(std::uint8_t code) const {
    if ((text_.flags & kTextProportional) == 0) {
        return text_.pitch;
    }
    // A character without strokes (a blank, an undefined code) still needs room: the font's
    // default advance. Without a font every character is taken as the whole glyph square.
    double units = kGlyphSquare;
    if (HasGlyphs()) {
        const std::int32_t width = font_->GetGlyphWidth(code);
        const bool drawn = !font_->GetCommands(code).empty() && width >= 0;
        units = drawn ? width : font_->GetDefaultAdvance();
    }
    return units * text_.charWidth * kGlyphScale + text_.pitch;
}

double CVectorTextRenderer::LineWidth(std::string_view line) const {
    const double n = static_cast<double>(line.size());
    if ((text_.flags & kTextProportional) == 0) {
        return (n - 1.0) * text_.pitch + text_.charWidth;
    }
    // Every advance carries one gap; the line adds one more before its first character.
    double width = text_.pitch;
    for (const char c : line) {
        width += Advance(static_cast<std::uint8_t>(c));
    }
    return width;
}

void CVectorTextRenderer::LayoutVectorLine(std::string_view line) {
    const double width = LineWidth(line);
    const double left = AlignedStart(width);
    shear_ = (text_.flags & kTextSlanted) != 0 ? kSlant : 0.0;
    IncludeBox(left, left + width, baseline_, baseline_ + text_.height);
    AddDecorations(left, left + width);
    if (!HasGlyphs()) {
        return;
    }
    double x = left + ((text_.flags & kTextProportional) != 0 ? text_.pitch : 0.0);
    for (const char c : line) {
        const auto code = static_cast<std::uint8_t>(c);
        AddGlyph(code, x);
        x += Advance(code);
    }
}

void CVectorTextRenderer::AddGlyph(std::uint8_t code, double x) {
    if (IsOverLimit()) {
        return;  // the text is skipped anyway; no need to walk the rest of it
    }
    const bool proportional = (text_.flags & kTextProportional) != 0;
    // Proportional glyphs start at their leftmost stroke; fixed-pitch ones keep their square.
    const double offset = proportional ? font_->GetLeft(code) : 0.0;
    const double sx = text_.charWidth * kGlyphScale;
    const double sy = text_.height * kGlyphScale;
    bool open = false;  // whether a draw-to may extend the current stroke
    double lastX = 0.0;
    double lastY = 0.0;
    bool haveLast = false;
    for (const GlyphCommand& command : ReadGlyphCommands(font_->GetCommands(code))) {
        const double px = x + (command.x - offset) * sx;
        const double py = baseline_ + command.y * sy;
        if (command.op == GlyphOp::Draw && !open) {
            BeginStroke(false);
            if (haveLast) {
                AddPoint(lastX, lastY);  // a draw-to after a single point starts from it
            }
        } else if (command.op != GlyphOp::Draw) {
            BeginStroke(command.op == GlyphOp::Point);
        }
        AddPoint(px, py);
        open = command.op != GlyphOp::Point;
        lastX = px;
        lastY = py;
        haveLast = true;
    }
}

// The underline runs below the glyph square and the overline above it, a gap away so that they
// never touch the strokes; both together close into a frame around the line.
void CVectorTextRenderer::AddDecorations(double left, double right) {
    const bool under = (text_.flags & kTextUnderline) != 0;
    const bool over = (text_.flags & kTextOverline) != 0;
    const double gap = kDecorationGap * text_.height;
    const double low = baseline_ - gap;
    const double high = baseline_ + text_.height + gap;
    if (under && over) {
        BeginStroke(false);
        AddPoint(left, low);
        AddPoint(right, low);
        AddPoint(right, high);
        AddPoint(left, high);
        AddPoint(left, low);
    } else if (under || over) {
        const double y = under ? low : high;
        BeginStroke(false);
        AddPoint(left, y);
        AddPoint(right, y);
    }
}

void CVectorTextRenderer::BeginStroke(bool point) {
    ++strokeCount_;
    if (!IsOverLimit()) {
        strokes_.push_back({points_.size(), 0, point});
    }
}

void CVectorTextRenderer::AddPoint(double x, double y) {
    ++pointCount_;
    const PointF world = ToWorld(x, y);
    bounds_.Include(world.x, world.y);
    if (!IsOverLimit()) {
        points_.push_back(world);
        ++strokes_.back().count;
    }
}

bool CVectorTextRenderer::IsOverLimit() const {
    return pointCount_ > kMaxPoints || strokeCount_ > kMaxPolylines;
}

void CVectorTextRenderer::DrawStrokes(const VectorTextInk& ink, const std::vector<PointF>& points,
                                      const std::vector<Stroke>& strokes) {
    // Text has no dash pattern of its own: styled strokes are solid with round ends.
    const Pen pen = ink.styled ? MakeStyledPen(paper_, 0, ink.width, ink.color) : ink.pen;
    const Pen previousPen = dc_->SelectPen(pen);
    const RasterOp previousOp = dc_->SetRasterOp(RasterOp::CopyPen);
    std::vector<DevicePoint> device;
    for (const Stroke& stroke : strokes) {
        DrawStroke(stroke, points, pen, ink.styled, device);
    }
    dc_->SetRasterOp(previousOp);
    dc_->SelectPen(previousPen);
}

void CVectorTextRenderer::DrawStroke(const Stroke& stroke, const std::vector<PointF>& points,
                                     const Pen& pen, bool styled,
                                     std::vector<DevicePoint>& device) {
    device.clear();
    for (std::size_t i = 0; i < stroke.count; ++i) {
        device.push_back(paper_.WorldToDevice(points[stroke.first + i]));
    }
    if (stroke.point && !device.empty()) {
        if (styled) {
            // A zero-length stroke of the wide round pen leaves a dot as wide as the strokes.
            device.push_back(device.front());
            dc_->Polyline(device);
        } else {
            dc_->SetPixel(device.front(), pen.color);
        }
    } else if (device.size() >= 2) {
        dc_->Polyline(device);
    }
}

// --- system font --------------------------------------------------------------------------------

RectF CVectorTextRenderer::RenderSystemText(const VectorTextInk& ink) {
    const TextFont font = SystemFont();
    ForEachLine([this, &font](std::string_view line) {
        const double width = SystemLineWidth(line, font);
        const double left = AlignedStart(width);
        IncludeBox(left, left + width, baseline_, baseline_ + text_.height);
        systemLines_.emplace_back(line, ToWorld(left, baseline_ + text_.height));
    });
    if (dc_ == nullptr || (cull_ && paper_.IsOutside(bounds_))) {
        return bounds_;
    }
    const ColorRef color = ink.styled ? ink.color : ink.pen.color;
    for (const auto& [line, topLeft] : systemLines_) {
        dc_->TextOut(paper_.WorldToDevice(topLeft), line, font, color);
    }
    return bounds_;
}

TextFont CVectorTextRenderer::SystemFont() const {
    TextFont font;
    font.face = std::string(text_.fontName);
    font.height = std::max(1, paper_.LengthToDevice(text_.height));
    const long tenths = std::lround(text_.angle * 1800.0 / kPi) % 3600;
    font.angleTenths = static_cast<int>(tenths < 0 ? tenths + 3600 : tenths);
    font.italic = (text_.flags & kTextSlanted) != 0;
    font.underline = (text_.flags & kTextUnderline) != 0;
    return font;
}

double CVectorTextRenderer::SystemLineWidth(std::string_view line, const TextFont& font) const {
    if (dc_ != nullptr) {
        return paper_.DeviceLengthToWorld(dc_->TextExtent(line, font).x);
    }
    // Nothing to measure with: an average proportional font is about this wide per character.
    return static_cast<double>(line.size()) * kEstimatedCharWidth * text_.height;
}

// --- shared -------------------------------------------------------------------------------------

double CVectorTextRenderer::AlignedStart(double width) const {
    if ((text_.flags & kTextAlignCenter) != 0) {
        return -0.5 * width;  // both alignment bits together centre as well
    }
    if ((text_.flags & kTextAlignRight) != 0) {
        return -width;
    }
    return 0.0;
}

PointF CVectorTextRenderer::ToWorld(double x, double y) const {
    const double sheared = x + shear_ * (y - baseline_);
    return {static_cast<float>(text_.origin.x + sheared * cos_ - y * sin_),
            static_cast<float>(text_.origin.y + sheared * sin_ + y * cos_)};
}

}  // namespace korvo
