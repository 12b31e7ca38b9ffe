// The view's mapping onto the paper: zoom original, zoom to a rectangle, wheel zoom, scrolling.
#include <cmath>

#include "model/Paper.h"
#include "platform/KeyCodes.h"
#include "view/DispatchScope.h"
#include "view/KorvoFEView.h"
#include "view/RedrawBatch.h"
#include "view/ViewCommands.h"
#include "view/ViewSwitches.h"
#include "view/ViewTool.h"

namespace korvo {

namespace {

// One wheel notch shows this much more (toward the user) or less of the drawing.
constexpr double kWheelZoomOut = 1.2;
constexpr double kWheelZoomIn = 1.0 / 1.2;
// One notch of a mouse wheel, and the lines one notch scrolls when Ctrl is not held.
constexpr int kWheelNotch = 120;
constexpr int kWheelLines = 3;
// Beyond these window sizes the mapping stops being useful (pixels would overflow or collapse).
constexpr float kMinWindowSize = 1.0e-3f;
constexpr float kMaxWindowSize = 1.0e7f;
// The scroll steps as parts of the drawing area.
constexpr float kLineStep = 0.01f;
constexpr float kPageStep = 0.1f;

bool UsableWindowSize(PointF size) {
    return std::isfinite(size.x) && std::isfinite(size.y) && size.x >= kMinWindowSize &&
           size.y >= kMinWindowSize && size.x <= kMaxWindowSize && size.y <= kMaxWindowSize;
}

}  // namespace

DeviceRect CKorvoFEView::ClientRect() const {
    const DevicePoint size = host_.ClientSize();
    return {0, 0, std::max(size.x, 0), std::max(size.y, 0)};
}

bool CKorvoFEView::MappingUsable() const {
    const DevicePoint size = host_.ClientSize();
    // The mapping leaves five pixels on every side; a client of 10 pixels or less has no room.
    return size.x > 10 && size.y > 10;
}

void CKorvoFEView::PrepareMapping() {
    CPaper* paper = GetPaper();
    if (paper == nullptr) {
        return;
    }
    if (!UsableWindowSize(paper->GetWindowSize())) {
        // A window that would divide by zero (or by almost nothing) falls back to the drawing area.
        paper->SetWindowOrigin(0.0f, 0.0f);
        paper->SetWindowSize(paper->GetExtension().x, paper->GetExtension().y);
    }
    if (MappingUsable()) {
        paper->SetClientRect(ClientRect());
    }
}

RectF CKorvoFEView::ClientWorldRect() const {
    const CPaper* paper = GetPaper();
    const DeviceRect client = ClientRect();
    const PointF topLeft = paper->DeviceToWorld({client.left, client.top});
    const PointF bottomRight = paper->DeviceToWorld({client.right, client.bottom});
    return {topLeft.x, bottomRight.y, bottomRight.x, topLeft.y};
}

void CKorvoFEView::ZoomOriginal() {
    CPaper* paper = GetPaper();
    if (paper == nullptr) {
        return;
    }
    CRedrawBatch batch(*this);
    paper->SetWindowOrigin(0.0f, 0.0f);
    paper->SetWindowSize(paper->GetExtension().x, paper->GetExtension().y);
    PrepareMapping();
    batch.AddWorldRect();
}

bool CKorvoFEView::ZoomToRect(PointF a, PointF b) {
    CPaper* paper = GetPaper();
    const PointF size{std::fabs(a.x - b.x), std::fabs(a.y - b.y)};
    // A window flat on either axis could only fall back to the whole drawing area.
    if (paper == nullptr || !UsableWindowSize(size)) {
        return false;
    }
    CRedrawBatch batch(*this);
    paper->SetWindowOrigin(std::min(a.x, b.x), std::min(a.y, b.y));
    paper->SetWindowSize(size.x, size.y);
    PrepareMapping();
    batch.AddWorldRect();
    return true;
}

void CKorvoFEView::OnMouseWheel(unsigned flags, int delta, int x, int y) {
    OnWheel(InputStateOf(flags), delta, {x, y});
}

void CKorvoFEView::OnWheel(const InputState& state, int delta, DevicePoint at) {
    DispatchScope scope(*this, false, UndoCue::Never);
    controlTap_ = false;
    // Fine wheels and touchpads report fractions of a notch; zoom and scroll go by whole ones.
    wheelRemainder_ += delta;
    while (wheelRemainder_ >= kWheelNotch || wheelRemainder_ <= -kWheelNotch) {
        const int notch = wheelRemainder_ > 0 ? kWheelNotch : -kWheelNotch;
        wheelRemainder_ -= notch;
        if (state.control) {
            if (GetPaper() != nullptr) {
                WheelZoom(notch, at.x, at.y);
            }
        } else {
            ScrollByWheel(notch, state.shift);
        }
    }
}

void CKorvoFEView::ScrollByWheel(int notch, bool horizontal) {
    const CPaper* paper = GetPaper();
    // Without scroll bars (the whole drawing area shown) there is nowhere to scroll to.
    if (paper == nullptr || paper->GetWindowSize() == paper->GetExtension()) {
        return;
    }
    const ScrollBar bar = horizontal ? ScrollBar::Horizontal : ScrollBar::Vertical;
    // Turning the wheel towards the user moves down (or right), as in every document window.
    const int code = notch < 0 ? kSbLineDown : kSbLineUp;
    for (int line = 0; line < kWheelLines; ++line) {
        Scroll(bar, code, host_.GetScrollPos(bar));
    }
}

void CKorvoFEView::WheelZoom(int delta, int x, int y) {
    CPaper* paper = GetPaper();
    CRedrawBatch batch(*this);
    const PointF centre = paper->DeviceToWorld({x, y});
    const double factor = delta < 0 ? kWheelZoomOut : kWheelZoomIn;
    const PointF size = paper->GetWindowSize();
    const PointF zoomed{static_cast<float>(size.x * factor), static_cast<float>(size.y * factor)};
    if (!UsableWindowSize(zoomed)) {
        return;
    }
    paper->SetWindowOrigin(centre.x - zoomed.x / 2, centre.y - zoomed.y / 2);
    paper->SetWindowSize(zoomed.x, zoomed.y);
    PrepareMapping();
    batch.AddWorldRect();
    // The zoomed point now lies in the middle; the pointer goes with it.
    const DeviceRect client = ClientRect();
    const DevicePoint middle{client.left + (client.right - client.left) / 2,
                             client.bottom + (client.top - client.bottom) / 2};
    if (!g_bZoomAboutPointer && host_.WarpPointer(middle)) {
        return;
    }
    // The pointer stays where it is, so the window slides until the point is under it again.
    const PointF under = paper->DeviceToWorld({x, y});
    const PointF origin = paper->GetWindowOrigin();
    paper->SetWindowOrigin(origin.x + (centre.x - under.x), origin.y + (centre.y - under.y));
    PrepareMapping();
}

void CKorvoFEView::OnHScroll(int code, int position) {
    Scroll(ScrollBar::Horizontal, code, position);
}

void CKorvoFEView::OnVScroll(int code, int position) {
    Scroll(ScrollBar::Vertical, code, position);
}

void CKorvoFEView::Scroll(ScrollBar bar, int code, int position) {
    if (GetPaper() == nullptr) {
        return;
    }
    DispatchScope scope(*this, true, UndoCue::Never);
    ScrollAlong(bar, code, position);
    if (IViewTool* tool = GetActiveTool()) {
        tool->OnScroll(code, position, bar);
    }
}

void CKorvoFEView::ScrollAlong(ScrollBar bar, int code, int position) {
    CPaper& paper = *GetPaper();
    const bool horizontal = bar == ScrollBar::Horizontal;
    const DevicePoint range = host_.GetScrollRange(bar);
    const int pos = host_.GetScrollPos(bar);
    const float extent = horizontal ? paper.GetExtension().x : paper.GetExtension().y;
    const float window = horizontal ? paper.GetWindowSize().x : paper.GetWindowSize().y;
    PointF origin = paper.GetWindowOrigin();
    float& along = horizontal ? origin.x : origin.y;
    // Down the vertical bar is down the drawing, whose y grows upwards.
    const float sign = horizontal ? 1.0f : -1.0f;
    int newPos = pos;
    const auto step = [&](float part, int direction) {
        if (direction < 0 ? pos <= range.x : pos >= range.y) {
            return false;
        }
        const float mm = extent * part;
        newPos = pos + direction * static_cast<int>(mm);
        along += sign * static_cast<float>(direction) * mm;
        return true;
    };
    switch (code) {
        case kSbLineUp:
        case kSbLineDown:
        case kSbPageUp:
        case kSbPageDown: {
            const bool line = code == kSbLineUp || code == kSbLineDown;
            const int direction = code == kSbLineUp || code == kSbPageUp ? -1 : 1;
            if (!step(line ? kLineStep : kPageStep, direction)) {
                return;
            }
            break;
        }
        case kSbThumbTrack:
            newPos = position;
            along = static_cast<float>(horizontal ? position : range.y - position);
            break;
        case kSbTop:
            newPos = range.x;
            along = horizontal ? 0.0f : extent - window;
            break;
        case kSbBottom:
            newPos = range.y;
            along = horizontal ? extent - window : 0.0f;
            break;
        default:
            return;
    }
    host_.SetScrollPos(bar, newPos);
    paper.SetWindowOrigin(origin.x, origin.y);
    PrepareMapping();
    AddWorldRect(std::nullopt);
}

void CKorvoFEView::UpdateScrollBars() {
    const CPaper& paper = *GetPaper();
    const PointF size = paper.GetWindowSize();
    const PointF extension = paper.GetExtension();
    if (size == extension) {
        host_.ShowScrollBar(ScrollBar::Horizontal, false);
        host_.ShowScrollBar(ScrollBar::Vertical, false);
        return;
    }
    const PointF origin = paper.GetWindowOrigin();
    const int rangeX = static_cast<int>(extension.x - size.x);
    const int rangeY = static_cast<int>(extension.y - size.y);
    host_.ShowScrollBar(ScrollBar::Horizontal, true);
    host_.ShowScrollBar(ScrollBar::Vertical, true);
    host_.SetScrollRange(ScrollBar::Horizontal, 0, rangeX);
    host_.SetScrollRange(ScrollBar::Vertical, 0, rangeY);
    host_.SetScrollPos(ScrollBar::Horizontal, static_cast<int>(origin.x));
    host_.SetScrollPos(ScrollBar::Vertical, rangeY - static_cast<int>(origin.y));
}

int CKorvoFEView::GridCommandFor(PointF grid) {
    static constexpr float kSteps[] = {0.1f, 0.5f,  1.0f,  1.25f, 2.5f,
                                       5.0f, 10.0f, 20.0f, 40.0f, 80.0f};
    if (grid.x != grid.y) {
        return kCmdGridOther;
    }
    for (int i = 0; i < static_cast<int>(std::size(kSteps)); ++i) {
        if (EqualF(grid.x, kSteps[i])) {
            return kCmdGridFirst + i;
        }
    }
    return kCmdGridOther;
}

}  // namespace korvo
