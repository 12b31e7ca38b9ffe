#include "model/Paper.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "model/DataCollection.h"
#include "model/SnapSearch.h"
#include "platform/Archive.h"

namespace korvo {

namespace {

float ClampExtent(float v) {
    // NaN would slip through std::clamp and poison every later mapping.
    if (!(v >= 0.0f)) {
        return 0.0f;
    }
    return std::min(v, CPaper::kMaxExtent);
}

double SafeZoom(double zoom) {
    constexpr double kMinZoom = 1.0e-6;
    if (!std::isfinite(zoom) || zoom < kMinZoom) {
        return kMinZoom;
    }
    return zoom;
}

}  // namespace

const CRuntimeClass CPaper::kRuntimeClass{"CPaper", kSchema, true, &CreateInstance<CPaper>,
                                          &CObject::kRuntimeClass};

CPaper::CPaper() : collection_(std::make_unique<CDataCollection>()) {
    BuildSharedResources();
}

CPaper::~CPaper() = default;

CPaper::CPaper(float x, float y, float w, float h, float leftMargin, float bottomMargin,
               float rightMargin, float topMargin, float gridX, float gridY)
    : collection_(std::make_unique<CDataCollection>()),
      extension_{ClampExtent(w), ClampExtent(h)},
      grid_{ClampExtent(gridX), ClampExtent(gridY)},
      windowOrigin_{x - leftMargin, y - bottomMargin},
      windowSize_{w + leftMargin + rightMargin, h + bottomMargin + topMargin} {
    BuildSharedResources();
}

// The current pen and brush come first: an index the tables never gave out (one an element
// cached from another sheet) answers them. Then the pens and brushes every element may be drawn
// with whatever its own attributes: selected (marked) and erased (drawn over in the background
// colour).
void CPaper::BuildSharedResources() {
    const SheetValues& v = values_;
    FindPen(v.penStyle, v.width, v.color);
    FindBrush(v.fillStyle, v.fillColor, v.hatch);
    markedPen_ = FindPen(0, 0, v.selectionColor);
    markedBrush_ = FindBrush(0, 0x0000FF, 0);
    backgroundPen_ = FindPen(v.penStyle, v.width, v.backgroundColor);
    backgroundBrush_ = FindBrush(v.fillStyle, v.backgroundColor, v.hatch);
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
    // Truncated, not floored: the negative height must round towards zero, or the drawing sits
    // one pixel low whenever the height is not a whole number of pixels.
    screenExtent_ = {ToDevice(std::trunc(windowSize_.x * zoom_)),
                     ToDevice(std::trunc(-windowSize_.y * zoom_))};
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
    // The page shows the whole sheet, whatever part of it the screen was zoomed to; the next
    // SetClientRect brings the screen's window back.
    visibleWindow_ = {0.0f, 0.0f, extension_.x, extension_.y};
}

void CPaper::SetWindowOrigin(float x, float y) {
    windowOrigin_ = {x, y};
}

void CPaper::SetWindowSize(float w, float h) {
    windowSize_ = {w, h};
}

void CPaper::SetExtension(float w, float h) {
    extension_ = {ClampExtent(w), ClampExtent(h)};
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

void CPaper::SetHelpLine(int i, float position, bool shown) {
    if (i >= 0 && i < kHelpLineCount) {
        helpLines_[i] = position;
        helpLineFlags_[i] = shown ? 1 : 0;
    }
}

CData* CPaper::AddNode(std::unique_ptr<CData> node) {
    return collection_->Add(std::move(node));
}

std::unique_ptr<CDataCollection> CPaper::ReplaceCollection(
    std::unique_ptr<CDataCollection> drawing) {
    if (!drawing) {
        drawing = std::make_unique<CDataCollection>();
    }
    drawing->SetParentAll(nullptr);
    std::swap(collection_, drawing);
    return drawing;
}

void CPaper::SetMarkAll(std::uint16_t mark) {
    collection_->SetMarkAll(mark);
}

namespace {

struct PickState {
    CPaper& paper;
    PointF p;
    std::int32_t type;
    double tolerance;
    CData* best = nullptr;
    double bestDistance = 1.0e8;
};

RectF Grown(const RectF& r, double by) {
    const auto d = static_cast<float>(by);
    return {r.minX - d, r.minY - d, r.maxX + d, r.maxY + d};
}

bool Contains(const RectF& r, PointF p) {
    return p.x >= r.minX && p.x <= r.maxX && p.y >= r.minY && p.y <= r.maxY;
}

void PickIn(CDataCollection& nodes, PickState& state) {
    for (CData* node : nodes) {
        CDrawObj* element = node->GetElement();
        if (node->IsFloating() || (element != nullptr && !element->IsVisible(node))) {
            continue;
        }
        if (element != nullptr && (state.type == 0 || node->GetType() == state.type) &&
            Contains(Grown(element->GetExtents(state.paper, node), state.tolerance), state.p)) {
            const double d = element->GetDistance(state.paper, state.p, node);
            // Ties keep the earlier node: a later one must be strictly nearer.
            if (d >= 0.0 && d < state.bestDistance && d < state.tolerance) {
                state.best = node;
                state.bestDistance = d;
            }
        }
        if (node->GetChildren() != nullptr) {
            PickIn(*node->GetChildren(), state);
        }
    }
}

}  // namespace

CData* CPaper::PickElement(DevicePoint p, std::int32_t type) {
    PickState state{*this, DeviceToWorld(p), type, DeviceLengthToWorld(kPickPixels)};
    PickIn(*collection_, state);
    return state.best;
}

PointF CPaper::SnapToGrid(DevicePoint p) const {
    PointF w = DeviceToWorld(p);
    // Truncation after adding a half, as the grid always has: below 0 it rounds towards zero.
    if (grid_.x > 0.0f) {
        w.x = static_cast<float>(std::trunc(w.x / grid_.x + 0.5) * grid_.x + gridOrigin_.x);
    }
    if (grid_.y > 0.0f) {
        w.y = static_cast<float>(std::trunc(w.y / grid_.y + 0.5) * grid_.y + gridOrigin_.y);
    }
    return w;
}

int CPaper::SnapToPoints(int mode, DevicePoint p, PointF& out) {
    if (mode == 0) {
        return 0;
    }
    out = DeviceToWorld(p);
    CSnapSearch search(*this, out, mode, kSnapTolerance);
    search.Visit(*collection_);
    return search.Finish(out);
}

void CPaper::Serialize(CArchive& ar) {
    const SheetValues& v = values_;
    if (ar.IsStoring()) {
        ar.Write(showGrid_);
        ar.Write(v.penStyle);
        ar.Write(v.width);
        ar.Write(v.color);
        ar.Write(v.fillStyle);
        ar.Write(v.fillColor);
        ar.Write(v.hatch);
        ar.Write(v.level);
        ar.Write(v.selectionColor);
        ar.Write(v.highlightColor);
        ar.Write(v.widePenColor);
        ar.Write(v.gridDotColor);
        ar.WriteObject(collection_.get());
        return;
    }
    std::int32_t showGrid = 0;
    std::unique_ptr<CDataCollection> loaded = ReadStored(ar, showGrid);
    if (ar.IsFailed()) {
        return;  // a damaged sheet changes nothing
    }
    showGrid_ = showGrid;
    collection_ = loaded ? std::move(loaded) : std::make_unique<CDataCollection>();
    collection_->SetParentAll(nullptr);
    collection_->SetMarkAll(kMarkNormal);
    windowOrigin_ = {0.0f, 0.0f};
    windowSize_ = extension_;
    DropTransientNodes();
}

std::unique_ptr<CDataCollection> CPaper::ReadStored(CArchive& ar, std::int32_t& showGrid) {
    showGrid = ar.Read<std::int32_t>();
    // The stored drawing values are read past: a sheet keeps its own.
    constexpr std::size_t kStoredValueBytes = 40 - 4;
    std::array<std::uint8_t, kStoredValueBytes> skipped{};
    ar.ReadBytes(skipped);
    std::unique_ptr<CDataCollection> loaded = ar.ReadObjectOf<CDataCollection>();
    return ar.IsFailed() ? nullptr : std::move(loaded);
}

void CPaper::DropTransientNodes() {
    for (CData* node : collection_->CollectByType(kFirstTransientType, kLastTransientType, true)) {
        node->SetMark(kMarkDoomed);
    }
    collection_->DeleteMarked(kMarkDoomed);
}

}  // namespace korvo
