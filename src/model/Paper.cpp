#include "model/Paper.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace korvo {

namespace {

float ClampExtent(float v) {
    // NaN would slip through std::clamp and poison every later mapping.
    if (!(v >= 0.0f)) {
        return 0.0f;
    }
    return std::min(v, CPaper::kMaxExtent);
}

// Device coordinates are ints; a drawing far outside the view must not overflow them.
int ToDevice(double v) {
    constexpr double kLimit = 1.0e9;
    if (!(v > -kLimit)) {
        return static_cast<int>(-kLimit);
    }
    return static_cast<int>(std::min(v, kLimit));
}

double SafeZoom(double zoom) {
    constexpr double kMinZoom = 1.0e-6;
    if (!std::isfinite(zoom) || zoom < kMinZoom) {
        return kMinZoom;
    }
    return zoom;
}

}  // namespace

CPaper::CPaper() {
    BuildSharedResources();
}

CPaper::CPaper(float x, float y, float w, float h, float leftMargin, float bottomMargin,
               float rightMargin, float topMargin, float gridX, float gridY)
    : extension_{ClampExtent(w), ClampExtent(h)},
      grid_{ClampExtent(gridX), ClampExtent(gridY)},
      windowOrigin_{x - leftMargin, y - bottomMargin},
      windowSize_{w + leftMargin + rightMargin, h + bottomMargin + topMargin} {
    BuildSharedResources();
}

void CPaper::BuildSharedResources() {
    const SheetValues& v = values_;
    currentPen_ = FindPen(v.penStyle, v.width, v.color);
    currentBrush_ = FindBrush(v.fillStyle, v.fillColor, v.hatch);
    markedPen_ = FindPen(0, 0, v.selectionColor);
    markedBrush_ = FindBrush(0, 0x0000FF, 0);
    highlightPen_ = FindPen(v.penStyle, v.width, v.highlightColor);
    highlightBrush_ = FindBrush(v.fillStyle, v.highlightColor, v.hatch);
    thirdPen_ = FindPen(v.penStyle, v.width, v.thirdColor);
    thirdBrush_ = FindBrush(v.fillStyle, v.thirdColor, v.hatch);
    backgroundPen_ = FindPen(v.penStyle, v.width, v.backgroundColor);
    backgroundBrush_ = FindBrush(v.fillStyle, v.backgroundColor, v.hatch);
    secondColorPen_ = FindPen(0, 0, v.highlightColor);
    widePen_ = FindPen(0, 250, v.widePenColor);
}

void CPaper::SetClientRect(const DeviceRect& client) {
    client_ = {client.right - client.left, client.bottom - client.top};
    FitToClient();
    UpdateVisibleWindow();
}

void CPaper::FitToClient() {
    printMode_ = 0;
    const double zx = (client_.x - 10) / static_cast<double>(windowSize_.x);
    const double zy = (client_.y - 10) / static_cast<double>(windowSize_.y);
    zoom_ = SafeZoom(std::min(zx, zy));
    inverseZoom_ = 1.0 / zoom_;
    scale_ = zoom_;
    printScale_ = zoom_;
    screenExtent_ = {ToDevice(std::floor(windowSize_.x * zoom_)),
                     ToDevice(std::floor(-windowSize_.y * zoom_))};
    screenOffset_.x = (client_.x - screenExtent_.x) / 2;
    screenOffset_.y = client_.y - (screenExtent_.y + client_.y) / 2;
}

void CPaper::UpdateVisibleWindow() {
    visibleWindow_ = DeviceRectToWorld(DeviceRect{0, 0, client_.x, client_.y});
}

void CPaper::SetupPrinter(int printableWidth, int printableHeight) {
    printMode_ = 1;
    printOrigin_ = {0.0f, 0.0f};
    const double sx = printableWidth / static_cast<double>(extension_.x);
    const double sy = printableHeight / static_cast<double>(extension_.y);
    printScale_ = SafeZoom(std::min(sx, sy));
    scale_ = printScale_;
    inversePrintScale_ = 1.0 / printScale_;
    const int extentX = ToDevice(std::floor(extension_.x * printScale_));
    const int extentY = ToDevice(std::floor(extension_.y * printScale_));
    // Centred on the page, drawing y growing upwards from the bottom of the printed sheet.
    printOffset_ = {(printableWidth - extentX) / 2, (printableHeight + extentY) / 2};
}

void CPaper::SetWindowOrigin(float x, float y) {
    windowOrigin_ = {x, y};
}

void CPaper::SetWindowSize(float w, float h) {
    windowSize_ = {w, h};
}

DevicePoint CPaper::WorldToDevice(PointF p) const {
    if (printMode_ != 0) {
        return {ToDevice((p.x - printOrigin_.x) * printScale_ + printOffset_.x + 0.5),
                ToDevice(-(p.y - printOrigin_.y) * printScale_ + printOffset_.y + 0.5)};
    }
    return {ToDevice((p.x - windowOrigin_.x) * zoom_ + screenOffset_.x + 0.5),
            ToDevice(-(p.y - windowOrigin_.y) * zoom_ + screenOffset_.y + 0.5)};
}

PointF CPaper::DeviceToWorld(DevicePoint p) const {
    if (printMode_ != 0) {
        return {static_cast<float>((p.x - printOffset_.x) * inversePrintScale_ + printOrigin_.x),
                static_cast<float>(-(p.y - printOffset_.y) * inversePrintScale_ + printOrigin_.y)};
    }
    return {static_cast<float>((p.x - screenOffset_.x) * inverseZoom_ + windowOrigin_.x),
            static_cast<float>(-(p.y - screenOffset_.y) * inverseZoom_ + windowOrigin_.y)};
}

DeviceRect CPaper::WorldRectToDevice(const RectF& r) const {
    const DevicePoint topLeft = WorldToDevice({r.minX, r.maxY});
    const DevicePoint bottomRight = WorldToDevice({r.maxX, r.minY});
    return {topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

RectF CPaper::DeviceRectToWorld(const DeviceRect& r) const {
    const PointF a = DeviceToWorld({r.left, r.top});
    const PointF b = DeviceToWorld({r.right, r.bottom});
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

int CPaper::LengthToDevice(double length) const {
    const double s = printMode_ != 0 ? printScale_ : zoom_;
    return ToDevice(std::floor(length * s));
}

double CPaper::DeviceLengthToWorld(int pixels) const {
    return pixels * (printMode_ != 0 ? inversePrintScale_ : inverseZoom_);
}

bool CPaper::IsOutside(const RectF& r) const {
    return !r.Overlaps(visibleWindow_);
}

void CPaper::SetGrid(float x, float y) {
    grid_ = {ClampExtent(x), ClampExtent(y)};
}

ColorRef CPaper::ReplaceColor(ColorRef color) const {
    if (color == 0 && values_.backgroundColor == 0) {
        return 0xFFFFFF;
    }
    if (color == 0xFFFFFF) {
        return values_.backgroundColor;
    }
    return color;
}

int CPaper::FindPen(std::uint16_t style, std::uint16_t width, ColorRef color) {
    const ColorRef c = ReplaceColor(color);
    // The width is only part of the key: on screen every device pen is one pixel wide.
    return pens_.Find({style, width, c}, [&] {
        return Pen{static_cast<PenStyle>(std::min<std::uint16_t>(style, 4)), c};
    });
}

int CPaper::FindBrush(std::uint32_t fillStyle, ColorRef fillColor, std::uint32_t hatch) {
    const ColorRef c = ReplaceColor(fillColor);
    return brushes_.Find({fillStyle, c, hatch}, [&] {
        return Brush{static_cast<BrushStyle>(std::min<std::uint32_t>(fillStyle, 2)), c, hatch};
    });
}

}  // namespace korvo
