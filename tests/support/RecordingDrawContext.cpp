#include "support/RecordingDrawContext.h"

#include <utility>

namespace korvo::test {

Pen RecordingDrawContext::SelectPen(const Pen& pen) {
    return std::exchange(pen_, pen);
}

Brush RecordingDrawContext::SelectBrush(const Brush& brush) {
    return std::exchange(brush_, brush);
}

RasterOp RecordingDrawContext::SetRasterOp(RasterOp op) {
    return std::exchange(rop_, op);
}

bool RecordingDrawContext::SetTransparentBackground(bool transparent) {
    return std::exchange(transparent_, transparent);
}

std::optional<DeviceRect> RecordingDrawContext::SetClipRect(std::optional<DeviceRect> clip) {
    return std::exchange(clip_, clip);
}

std::vector<RecordingDrawContext::Call> RecordingDrawContext::CallsOf(const std::string& op) const {
    std::vector<Call> out;
    for (const Call& call : calls_) {
        if (call.op == op) {
            out.push_back(call);
        }
    }
    return out;
}

RecordingDrawContext::Call& RecordingDrawContext::Record(std::string op) {
    Call& call = calls_.emplace_back();
    call.op = std::move(op);
    call.pen = pen_;
    call.brush = brush_;
    call.rop = rop_;
    return call;
}

void RecordingDrawContext::LineTo(DevicePoint p) {
    Record("line").points = {position_, p};
    position_ = p;
}

void RecordingDrawContext::Polyline(std::span<const DevicePoint> points) {
    Record("polyline").points.assign(points.begin(), points.end());
}

void RecordingDrawContext::Polygon(std::span<const DevicePoint> points) {
    Record("polygon").points.assign(points.begin(), points.end());
}

void RecordingDrawContext::SetPixel(DevicePoint p, ColorRef color) {
    Call& call = Record("pixel");
    call.points = {p};
    call.color = color;
}

void RecordingDrawContext::Rectangle(const DeviceRect& r) {
    Record("rect").points = {{r.left, r.top}, {r.right, r.bottom}};
}

void RecordingDrawContext::FillRect(const DeviceRect& r, ColorRef color) {
    Call& call = Record("fill");
    call.points = {{r.left, r.top}, {r.right, r.bottom}};
    call.color = color;
}

void RecordingDrawContext::InvertRect(const DeviceRect& r) {
    Record("invert").points = {{r.left, r.top}, {r.right, r.bottom}};
}

void RecordingDrawContext::FocusRect(const DeviceRect& r) {
    Record("focus").points = {{r.left, r.top}, {r.right, r.bottom}};
}

void RecordingDrawContext::TextOut(DevicePoint p, std::string_view text, const TextFont& font,
                                   ColorRef color) {
    Call& call = Record("text");
    call.points = {p};
    call.text = std::string(text);
    call.color = color;
    call.font = font;
}

DevicePoint RecordingDrawContext::TextExtent(std::string_view text, const TextFont& font) {
    // A fixed-pitch stand-in: half the height per character.
    return {static_cast<int>(text.size()) * font.height / 2, font.height};
}

}  // namespace korvo::test
