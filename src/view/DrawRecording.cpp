#include "view/DrawRecording.h"

#include <utility>

namespace korvo {

namespace {

template <class... Fns>
struct Overloaded : Fns... {
    using Fns::operator()...;
};
template <class... Fns>
Overloaded(Fns...) -> Overloaded<Fns...>;

}  // namespace

CDrawRecording::CDrawRecording(IDrawContext& measure, const Pen& pen, RasterOp op)
    : measure_(measure), pen_(pen), op_(op) {}

void CDrawRecording::Replay(IDrawContext& dc) const {
    const auto call = Overloaded{
        [&dc](const Pen& pen) { dc.SelectPen(pen); },
        [&dc](const Brush& brush) { dc.SelectBrush(brush); },
        [&dc](RasterOp op) { dc.SetRasterOp(op); },
        [&dc](const TransparentCall& c) { dc.SetTransparentBackground(c.transparent); },
        [&dc](const ClipCall& c) { dc.SetClipRect(c.clip); },
        [&dc](const MoveCall& c) { dc.MoveTo(c.p); },
        [&dc](const LineCall& c) { dc.LineTo(c.p); },
        [&dc](const PolylineCall& c) { dc.Polyline(c.points); },
        [&dc](const PolygonCall& c) { dc.Polygon(c.points); },
        [&dc](const PixelCall& c) { dc.SetPixel(c.p, c.color); },
        [&dc](const RectCall& c) {
            switch (c.kind) {
                case RectCall::Outline:
                    dc.Rectangle(c.rect);
                    break;
                case RectCall::Fill:
                    dc.FillRect(c.rect, c.color);
                    break;
                case RectCall::Invert:
                    dc.InvertRect(c.rect);
                    break;
                case RectCall::Focus:
                    dc.FocusRect(c.rect);
                    break;
            }
        },
        [&dc](const TextCall& c) { dc.TextOut(c.p, c.text, c.font, c.color); },
    };
    for (const Call& c : calls_) {
        std::visit(call, c);
    }
}

Pen CDrawRecording::SelectPen(const Pen& pen) {
    calls_.emplace_back(pen);
    return std::exchange(pen_, pen);
}

Brush CDrawRecording::SelectBrush(const Brush& brush) {
    calls_.emplace_back(brush);
    return std::exchange(brush_, brush);
}

RasterOp CDrawRecording::SetRasterOp(RasterOp op) {
    calls_.emplace_back(op);
    return std::exchange(op_, op);
}

bool CDrawRecording::SetTransparentBackground(bool transparent) {
    calls_.emplace_back(TransparentCall{transparent});
    return std::exchange(transparent_, transparent);
}

std::optional<DeviceRect> CDrawRecording::SetClipRect(std::optional<DeviceRect> clip) {
    calls_.emplace_back(ClipCall{clip});
    return std::exchange(clip_, clip);
}

void CDrawRecording::MoveTo(DevicePoint p) {
    calls_.emplace_back(MoveCall{p});
}

void CDrawRecording::LineTo(DevicePoint p) {
    calls_.emplace_back(LineCall{p});
}

void CDrawRecording::Polyline(std::span<const DevicePoint> points) {
    calls_.emplace_back(PolylineCall{{points.begin(), points.end()}});
}

void CDrawRecording::Polygon(std::span<const DevicePoint> points) {
    calls_.emplace_back(PolygonCall{{points.begin(), points.end()}});
}

void CDrawRecording::SetPixel(DevicePoint p, ColorRef color) {
    calls_.emplace_back(PixelCall{p, color});
}

void CDrawRecording::Rectangle(const DeviceRect& rect) {
    calls_.emplace_back(RectCall{RectCall::Outline, rect, 0});
}

void CDrawRecording::FillRect(const DeviceRect& rect, ColorRef color) {
    calls_.emplace_back(RectCall{RectCall::Fill, rect, color});
}

void CDrawRecording::InvertRect(const DeviceRect& rect) {
    calls_.emplace_back(RectCall{RectCall::Invert, rect, 0});
}

void CDrawRecording::FocusRect(const DeviceRect& rect) {
    calls_.emplace_back(RectCall{RectCall::Focus, rect, 0});
}

void CDrawRecording::TextOut(DevicePoint p, std::string_view text, const TextFont& font,
                             ColorRef color) {
    calls_.emplace_back(TextCall{p, std::string(text), font, color});
}

DevicePoint CDrawRecording::TextExtent(std::string_view text, const TextFont& font) {
    return measure_.TextExtent(text, font);
}

}  // namespace korvo
