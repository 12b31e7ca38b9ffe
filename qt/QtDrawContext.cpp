#include "QtDrawContext.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPolygon>
#include <algorithm>
#include <array>
#include <cmath>

#include "ImagePixels.h"
#include "resources/CodePages.h"

namespace korvo {

namespace {

// Gaps of styled pens and hatches in opaque mode, as on a fresh classic device context.
constexpr QRgb kBackground = 0xFFFFFFFF;

QRgb ToQRgb(ColorRef color) {
    return qRgb(RedOf(color), GreenOf(color), BlueOf(color));
}

QColor ToQColor(ColorRef color) {
    return QColor::fromRgb(ToQRgb(color));
}

QPoint ToQPoint(DevicePoint p) {
    return {p.x, p.y};
}

QRect ToQRect(const DeviceRect& r) {
    return {r.left, r.top, std::max(0, r.right - r.left), std::max(0, r.bottom - r.top)};
}

QPolygon ToQPolygon(std::span<const DevicePoint> points) {
    QPolygon polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (const DevicePoint& p : points) {
        polygon.append(ToQPoint(p));
    }
    return polygon;
}

// The outermost pixels of a rectangle whose right and bottom edges lie outside it.
std::array<DevicePoint, 4> CornersOf(const DeviceRect& r) {
    return {DevicePoint{r.left, r.top}, DevicePoint{r.right - 1, r.top},
            DevicePoint{r.right - 1, r.bottom - 1}, DevicePoint{r.left, r.bottom - 1}};
}

DeviceRect Intersect(const DeviceRect& a, const DeviceRect& b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

// Hatch numbers are those of the classic desktop's hatched brushes; both it and Qt call the
// diagonal from top left to bottom right "forward".
Qt::BrushStyle HatchPattern(std::uint32_t hatch) {
    switch (hatch) {
        case 0:
            return Qt::HorPattern;
        case 1:
            return Qt::VerPattern;
        case 2:
            return Qt::FDiagPattern;  // '\'
        case 3:
            return Qt::BDiagPattern;  // '/'
        case 4:
            return Qt::CrossPattern;
        case 5:
            return Qt::DiagCrossPattern;
        default:
            return Qt::NoBrush;  // no such hatch: the classic call fails and nothing is filled
    }
}

void SetDashes(QPen& pen, std::span<const int> runs) {
    if (runs.empty()) {
        pen.setStyle(Qt::SolidLine);
        return;
    }
    QList<qreal> pattern;
    for (const int run : runs) {
        pattern.append(run);
    }
    pen.setDashPattern(pattern);
}

bool HasFeature(const QPainter& painter, QPaintEngine::PaintEngineFeature feature) {
    const QPaintEngine* engine = painter.paintEngine();
    return engine != nullptr && engine->hasFeature(feature);
}

bool IsRaster(const QPainter& painter) {
    const QPaintEngine* engine = painter.paintEngine();
    return engine != nullptr && engine->type() == QPaintEngine::Raster;
}

// Calls `segment(from, to)` for each leg of the path, and for the closing leg of a closed one.
template <typename Segment>
void ForEachSegment(std::span<const DevicePoint> points, bool closed, Segment segment) {
    for (std::size_t i = 1; i < points.size(); ++i) {
        segment(points[i - 1], points[i]);
    }
    if (closed && points.size() > 1) {
        segment(points.back(), points.front());
    }
}

// Painting puts down all the dashes of a path first and then all its gaps, so where a copied,
// opaque dashed path crosses itself the gap wins. Lines written straight into the image keep that
// order by going over such a path twice, dashes first; a single line never meets itself.
bool GapsMustFollow(std::span<const DevicePoint> points, bool closed, const CDashPattern& dashes,
                    const LineInk& ink) {
    const bool mayCross = points.size() > 2 || (closed && points.size() == 2);
    return mayCross && !dashes.IsSolid() && ink.pen.Overwrites() && ink.gap.Overwrites();
}

}  // namespace

CQtDrawContext::CQtDrawContext(QPainter& painter, bool isPrinter)
    : painter_(painter),
      isPrinter_(isPrinter),
      pixelExact_(IsRaster(painter)),
      rasterOps_(HasFeature(painter, QPaintEngine::RasterOpModes)),
      deviceBounds_{0, 0, painter.device()->width(), painter.device()->height()} {
    painter_.save();
    // CAD pixels must be crisp; only text keeps its smoothing.
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setBackground(QColor::fromRgb(kBackground));
    painter_.setBackgroundMode(Qt::OpaqueMode);
    painter_.setClipping(false);
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
    image_ = rasterOps_ ? DirectlyWritableImage(painter_) : nullptr;
    if (image_ != nullptr) {
        bits_ = reinterpret_cast<QRgb*>(image_->bits());
        stride_ = image_->bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
    }
}

CQtDrawContext::~CQtDrawContext() {
    painter_.restore();
}

Pen CQtDrawContext::SelectPen(const Pen& pen) {
    const Pen previous = pen_;
    pen_ = pen;
    dashes_ = CDashPattern(pen.style);
    inkStale_ = true;
    return previous;
}

Brush CQtDrawContext::SelectBrush(const Brush& brush) {
    const Brush previous = brush_;
    brush_ = brush;
    return previous;
}

RasterOp CQtDrawContext::SetRasterOp(RasterOp op) {
    const RasterOp previous = rasterOp_;
    rasterOp_ = op;
    inkStale_ = true;
    return previous;
}

bool CQtDrawContext::SetTransparentBackground(bool transparent) {
    const bool previous = transparent_;
    transparent_ = transparent;
    inkStale_ = true;
    painter_.setBackgroundMode(transparent ? Qt::TransparentMode : Qt::OpaqueMode);
    return previous;
}

std::optional<DeviceRect> CQtDrawContext::SetClipRect(std::optional<DeviceRect> clip) {
    const std::optional<DeviceRect> previous = clip_;
    clip_ = clip;
    if (clip) {
        painter_.setClipRect(ToQRect(*clip));
    } else {
        painter_.setClipping(false);
    }
    return previous;
}

void CQtDrawContext::MoveTo(DevicePoint p) {
    current_ = p;
    dashes_.Restart();
}

void CQtDrawContext::LineTo(DevicePoint p) {
    const std::array<DevicePoint, 2> segment{current_, p};
    if (DrawsPixels()) {
        DrawCosmeticPath(segment, false);
        if (pen_.geometric && pen_.cap == PenCap::Round) {
            CapEnd(segment);
        }
    } else {
        StrokePath(segment, false);
    }
    current_ = p;
}

void CQtDrawContext::Polyline(std::span<const DevicePoint> points) {
    if (points.empty()) {
        return;
    }
    // The dashes of styled strokes and the character table's glyphs: hundreds of thousands of
    // short solid paths a frame, for which the general path costs more than the pixels.
    const bool roundEnd = pen_.geometric && pen_.cap == PenCap::Round;
    if (DirectImage() != nullptr && DrawsPixels() && pen_.style == PenStyle::Solid && !roundEnd) {
        RefreshInk();
        if (ink_.pen.Overwrites()) {
            CImageLineWriter(bits_, stride_, TraceBounds(), ink_).SolidPath(points);
            dashes_.Restart();
            current_ = points.back();
            return;
        }
    }
    MoveTo(points.front());
    if (DrawsPixels()) {
        DrawCosmeticPath(points, false);
        if (pen_.geometric && pen_.cap == PenCap::Round) {
            CapEnd(points);
        }
    } else {
        StrokePath(points, false);
    }
    current_ = points.back();
}

void CQtDrawContext::Polygon(std::span<const DevicePoint> points) {
    if (points.size() < 2) {
        return;
    }
    FillPolygon(points);
    if (DrawsPixels()) {
        dashes_.Restart();
        DrawCosmeticPath(points, true);
    } else {
        StrokePath(points, true);
    }
}

void CQtDrawContext::SetPixel(DevicePoint p, ColorRef color) {
    // A set pixel takes its colour whatever the raster operation, as on the classic desktop.
    // On raster devices a pixel outside is dropped here: at the end of the coordinate range
    // QPainter's fill overflows and paints whole rows.
    if (pixelExact_ && !Contains(TraceBounds(), p)) {
        return;
    }
    // Grids are thousands of single pixels, each of which costs QPainter a whole rectangle fill.
    if (DirectImage() != nullptr) {
        bits_[p.y * stride_ + p.x] = PixelOpFor(ToQRgb(color), RasterOp::CopyPen).Apply(0);
        return;
    }
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter_.fillRect(QRect(p.x, p.y, 1, 1), ToQColor(color));
}

void CQtDrawContext::Rectangle(const DeviceRect& rect) {
    if (rect.right <= rect.left || rect.bottom <= rect.top) {
        return;
    }
    const std::array<DevicePoint, 4> corners = CornersOf(rect);
    if (!DrawsPixels()) {
        Polygon(corners);
        return;
    }
    // The brush fills only what the outline leaves, so xor rectangles touch each pixel once.
    const QBrush brush = FillBrush();
    if (brush.style() != Qt::NoBrush) {
        painter_.setCompositionMode(ModeFor(rasterOp_));
        painter_.fillRect(ToQRect({rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1}),
                          brush);
    }
    dashes_.Restart();
    DrawCosmeticPath(corners, true);
}

void CQtDrawContext::FillRect(const DeviceRect& rect, ColorRef color) {
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter_.fillRect(ToQRect(rect), ToQColor(color));
}

void CQtDrawContext::InvertRect(const DeviceRect& rect) {
    painter_.setCompositionMode(ModeFor(RasterOp::Invert));
    painter_.fillRect(ToQRect(rect), Qt::black);
}

void CQtDrawContext::FocusRect(const DeviceRect& rect) {
    if (rect.right <= rect.left || rect.bottom <= rect.top) {
        return;
    }
    const std::array<DevicePoint, 4> corners = CornersOf(rect);
    traced_.clear();
    for (std::size_t i = 0; i < corners.size(); ++i) {
        TraceLine(corners[i], corners[(i + 1) % corners.size()], TraceBounds(), traced_);
    }
    // Every other pixel on a fixed checkerboard, so a second drawing hits the same pixels.
    onPixels_.clear();
    for (const TracedPixel& pixel : traced_) {
        if (((pixel.x + pixel.y) & 1) == 0) {
            onPixels_.emplace_back(pixel.x, pixel.y);
        }
    }
    PaintPixels(onPixels_, qRgb(0, 0, 0), RasterOp::Invert);
}

void CQtDrawContext::TextOut(DevicePoint p, std::string_view text, const TextFont& font,
                             ColorRef color) {
    const QFont& qfont = fonts_.Resolve(font, painter_.device());
    const double ascent = fonts_.Ascent();
    // Text is not subject to the pen's raster operation. Every other drawing call sets the
    // painter's pen and mode it needs, so unturned text (the character table's hundreds of
    // labels) leaves them as they are rather than saving and restoring the painter.
    if (font.angleTenths == 0 && DirectImage() != nullptr) {
        const double baseline = p.y + ascent;
        const double whole = std::floor(baseline);
        const CTextStamps::Stamp& stamp =
            stamps_.Get(text, font, qfont, ToQRgb(color), baseline - whole);
        painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
        painter_.drawImage(QPoint(p.x, static_cast<int>(whole)) + stamp.offset, stamp.image);
        return;
    }
    const QString shown = QString::fromStdU16String(AnsiToUtf16(text));
    if (font.angleTenths == 0) {
        painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
        painter_.setFont(qfont);
        painter_.setPen(ToQColor(color));
        painter_.drawText(QPointF(p.x, p.y + ascent), shown);
        return;
    }
    painter_.save();
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter_.setFont(qfont);
    painter_.setPen(ToQColor(color));
    painter_.translate(p.x, p.y);
    painter_.rotate(-font.angleTenths / 10.0);
    painter_.drawText(QPointF(0.0, ascent), shown);
    painter_.restore();
}

DevicePoint CQtDrawContext::TextExtent(std::string_view text, const TextFont& font) {
    const QFontMetrics metrics(fonts_.Resolve(font, painter_.device()), painter_.device());
    return {metrics.horizontalAdvance(QString::fromStdU16String(AnsiToUtf16(text))),
            metrics.ascent() + metrics.descent()};
}

QPainter::CompositionMode CQtDrawContext::ModeFor(RasterOp op) const {
    if (!rasterOps_) {
        return QPainter::CompositionMode_SourceOver;
    }
    switch (op) {
        case RasterOp::XorPen:
            return QPainter::RasterOp_SourceXorDestination;
        case RasterOp::NotXorPen:
            return QPainter::RasterOp_NotSourceXorDestination;
        case RasterOp::Invert:
            return QPainter::RasterOp_NotDestination;
        default:
            return QPainter::CompositionMode_SourceOver;
    }
}

QPen CQtDrawContext::StrokePen() const {
    QPen pen(ToQColor(pen_.color));
    pen.setJoinStyle(Qt::RoundJoin);
    if (pen_.geometric) {
        pen.setWidth(std::max(1, pen_.width));
        pen.setCapStyle(pen_.cap == PenCap::Round ? Qt::RoundCap : Qt::FlatCap);
        SetDashes(pen, CDashPattern::GeometricRuns(pen_.style));
    } else {
        pen.setWidth(0);
        pen.setCosmetic(true);
        pen.setCapStyle(Qt::FlatCap);
        SetDashes(pen, CDashPattern::CosmeticRuns(pen_.style));
    }
    return pen;
}

QBrush CQtDrawContext::FillBrush() const {
    switch (brush_.style) {
        case BrushStyle::Solid:
            return {ToQColor(brush_.color)};
        case BrushStyle::Hatched:
            return {ToQColor(brush_.color), HatchPattern(brush_.hatch)};
        default:
            return {Qt::NoBrush};
    }
}

DeviceRect CQtDrawContext::TraceBounds() const {
    return clip_ ? Intersect(deviceBounds_, *clip_) : deviceBounds_;
}

// Settled on construction: the device stays while the painter is active, and the transform as
// long as the context lives (turned text puts it back before it returns).
QImage* CQtDrawContext::DirectImage() const {
    return image_;
}

// On images the context writes itself the lines go straight into the pixels; elsewhere they are
// traced and then painted.
void CQtDrawContext::DrawCosmeticPath(std::span<const DevicePoint> points, bool closed) {
    if (DirectImage() == nullptr) {
        TracePath(points, closed);
        PaintTracedPixels();
        return;
    }
    RefreshInk();
    if (GapsMustFollow(points, closed, dashes_, ink_)) {
        WritePath(points, closed, {ink_.pen, kUntouched});
        dashes_ = WritePath(points, closed, {kUntouched, ink_.gap});
    } else {
        dashes_ = WritePath(points, closed, ink_);
    }
}

// Styled strokes draw a path per dash, with the same pen each time.
void CQtDrawContext::RefreshInk() {
    if (inkStale_) {
        ink_ = {PixelOpFor(ToQRgb(pen_.color), rasterOp_),
                transparent_ ? kUntouched : PixelOpFor(kBackground, rasterOp_)};
        inkStale_ = false;
    }
}

// A line leaves out the pixel of its end point; a round end (the caller's test) covers it, and a
// stroke of no length with round ends leaves that one pixel as a dot.
void CQtDrawContext::CapEnd(std::span<const DevicePoint> points) {
    if (points.size() < 2 || !Contains(TraceBounds(), points.back())) {
        return;
    }
    const DevicePoint end = points.back();
    if (DirectImage() != nullptr) {
        QRgb& pixel = bits_[end.y * stride_ + end.x];
        pixel = PixelOpFor(ToQRgb(pen_.color), rasterOp_).Apply(pixel);
        return;
    }
    onPixels_.assign(1, QPoint(end.x, end.y));
    PaintPixels(onPixels_, ToQRgb(pen_.color), rasterOp_);
}

// Returns the pattern as it stands after the path.
CDashPattern CQtDrawContext::WritePath(std::span<const DevicePoint> points, bool closed,
                                       const LineInk& ink) const {
    CImageLineWriter lines(bits_, stride_, TraceBounds(), ink);
    CDashPattern dashes = dashes_;
    if (dashes.IsSolid() && ink.pen.Overwrites() && !closed) {
        lines.SolidPath(points);
        return dashes;
    }
    if (dashes.IsSolid()) {
        ForEachSegment(points, closed,
                       [&](DevicePoint from, DevicePoint to) { lines.Line(from, to, dashes); });
        return dashes;
    }
    ForEachSegment(points, closed, [&](DevicePoint from, DevicePoint to) {
        dashes.Advance(lines.Line(from, to, dashes));
    });
    return dashes;
}

void CQtDrawContext::TracePath(std::span<const DevicePoint> points, bool closed) {
    traced_.clear();
    onPixels_.clear();
    gapPixels_.clear();
    ForEachSegment(points, closed,
                   [this](DevicePoint from, DevicePoint to) { TraceSegment(from, to); });
}

void CQtDrawContext::TraceSegment(DevicePoint from, DevicePoint to) {
    traced_.clear();
    const std::int64_t steps = TraceLine(from, to, TraceBounds(), traced_);
    for (const TracedPixel& pixel : traced_) {
        auto& target = dashes_.IsOn(pixel.step) ? onPixels_ : gapPixels_;
        target.emplace_back(pixel.x, pixel.y);
    }
    dashes_.Advance(steps);
}

void CQtDrawContext::PaintTracedPixels() {
    PaintPixels(onPixels_, ToQRgb(pen_.color), rasterOp_);
    if (!transparent_) {
        PaintPixels(gapPixels_, kBackground, rasterOp_);
    }
}

void CQtDrawContext::PaintPixels(const std::vector<QPoint>& pixels, QRgb color, RasterOp op) {
    if (pixels.empty()) {
        return;
    }
    if (QImage* image = DirectImage(); image != nullptr) {
        WritePixels(*image, pixels, color, op);
        return;
    }
    painter_.setCompositionMode(ModeFor(op));
    painter_.setPen(QPen(QColor::fromRgb(color), 0, Qt::SolidLine, Qt::SquareCap));
    painter_.drawPoints(pixels.data(), static_cast<int>(pixels.size()));
}

void CQtDrawContext::StrokePath(std::span<const DevicePoint> points, bool closed) {
    if (points.size() < 2) {
        return;
    }
    painter_.setCompositionMode(ModeFor(rasterOp_));
    painter_.setPen(StrokePen());
    painter_.setBrush(Qt::NoBrush);
    const bool singlePoint = std::all_of(points.begin(), points.end(),
                                         [&](const DevicePoint& p) { return p == points.front(); });
    if (singlePoint && pen_.geometric && pen_.cap == PenCap::Round) {
        // A wide round pen leaves a dot even where the stroke has no length: styled points and
        // zero-length lines stay visible.
        painter_.drawPoint(QPoint(points.front().x, points.front().y));
    } else if (closed) {
        painter_.drawPolygon(ToQPolygon(points));
    } else {
        painter_.drawPolyline(ToQPolygon(points));
    }
}

void CQtDrawContext::FillPolygon(std::span<const DevicePoint> points) {
    const QBrush brush = FillBrush();
    if (brush.style() == Qt::NoBrush) {
        return;
    }
    painter_.setCompositionMode(ModeFor(rasterOp_));
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(brush);
    painter_.drawPolygon(ToQPolygon(points), Qt::OddEvenFill);
}

}  // namespace korvo
