#include "headless/HeadlessHost.h"

#include <algorithm>

#include "platform/KeyCodes.h"
#include "view/KorvoFEView.h"

namespace korvo {

namespace {

// Handing out what is due ends here even if every paint asked for another.
constexpr int kMaxLoopRounds = 64;

}  // namespace

CHeadlessHost::CHeadlessHost(DevicePoint client) : client_(client) {}

CHeadlessHost::~CHeadlessHost() = default;

bool CHeadlessHost::IsInside(DevicePoint p) const {
    return p.x >= 0 && p.y >= 0 && p.x < client_.x && p.y < client_.y;
}

void CHeadlessHost::SetKeyHeld(int key, bool held) {
    if (held) {
        keysDown.insert(key);
    } else {
        keysDown.erase(key);
    }
}

unsigned CHeadlessHost::HeldFlags() const {
    return buttons_ | (IsKeyDown(kVkShift) ? kMkShift : 0U) |
           (IsKeyDown(kVkControl) ? kMkControl : 0U);
}

bool CHeadlessHost::EndAutoScroll() {
    if (!autoScroll_) {
        return false;
    }
    StopTimer(CAutoScroll::kTimerId);
    autoScroll_.reset();
    return true;
}

bool CHeadlessHost::IsCommandEnabled(int id) const {
    const std::optional<CommandUi> ui = view_->OnUpdateCommand(id);
    return ui && ui->enabled;
}

// --- the event loop ----------------------------------------------------------------------------

void CHeadlessHost::RunEventLoop(long long elapsedMs) {
    nowMs_ += elapsedMs;
    bool timersFired = false;
    for (int round = 0; round < kMaxLoopRounds && view_ != nullptr; ++round) {
        if (warped_) {
            // Moving the pointer makes the window system report a move, as a hand would, to the
            // view unless the origin window of auto-scrolling holds the mouse.
            warped_ = false;
            if (!autoScroll_) {
                view_->OnMouseMove(HeldFlags(), pointer.x, pointer.y);
                view_->OnSetCursor(true);
            }
        } else if (!postedCommands.empty()) {
            const int id = postedCommands.front();
            postedCommands.pop_front();
            view_->OnCommand(id);
        } else if (!timersFired) {
            timersFired = true;
            FireDueTimers();
        } else if (!invalidations.empty()) {
            PaintWindow();
        } else {
            return;
        }
    }
}

IDrawSurface* CHeadlessHost::PaintWindow() {
    // The view paints its whole client area from the back buffer whatever was invalidated.
    invalidations.clear();
    if (view_ == nullptr || client_.x <= 0 || client_.y <= 0) {
        return nullptr;
    }
    if (!window_ || !KeepsWindowSurface() || window_->Width() != client_.x ||
        window_->Height() != client_.y) {
        window_ = CreateWindowSurface(client_.x, client_.y);
        if (!window_) {
            return nullptr;
        }
    }
    ++paints_;
    view_->OnPaint(*window_);
    return window_.get();
}

void CHeadlessHost::FireDueTimers() {
    std::vector<int> due;
    for (const auto& [id, timer] : timers_) {
        if (timer.dueMs <= nowMs_) {
            due.push_back(id);
        }
    }
    for (const int id : due) {
        // A handler may stop any timer; a timer that fell behind ticks once, not once per period.
        const auto found = timers_.find(id);
        if (found == timers_.end()) {
            continue;
        }
        found->second.dueMs = nowMs_ + found->second.intervalMs;
        if (id == CAutoScroll::kTimerId && autoScroll_) {
            autoScroll_->Tick(pointer);
        } else {
            view_->OnTimer(id);
        }
    }
}

// --- scroll bars, status, pointer, timers ------------------------------------------------------

void CHeadlessHost::SetScrollRange(ScrollBar bar, int minimum, int maximum) {
    ScrollState& state = Bar(bar);
    state.minimum = minimum;
    state.maximum = std::max(minimum, maximum);
    state.position = std::clamp(state.position, state.minimum, state.maximum);
}

void CHeadlessHost::SetScrollPos(ScrollBar bar, int position) {
    ScrollState& state = Bar(bar);
    state.position = std::clamp(position, state.minimum, state.maximum);
}

DevicePoint CHeadlessHost::GetScrollRange(ScrollBar bar) const {
    return {Scroll(bar).minimum, Scroll(bar).maximum};
}

void CHeadlessHost::SetStatusText(int pane, std::string_view text) {
    panes_[pane] = text;
}

std::string CHeadlessHost::Pane(int pane) const {
    const auto found = panes_.find(pane);
    return found == panes_.end() ? std::string() : found->second;
}

bool CHeadlessHost::WarpPointer(DevicePoint client) {
    if (client != pointer) {
        pointer = client;
        warped_ = true;
    }
    return true;
}

void CHeadlessHost::StartTimer(int id, int intervalMs) {
    timers_[id] = Timer{intervalMs, nowMs_ + intervalMs};
}

void CHeadlessHost::StartAutoScroll(DevicePoint client) {
    autoScroll_ = std::make_unique<CAutoScroll>(*this, client,
                                                DevicePoint{kOriginWindowSize, kOriginWindowSize});
    // The origin window holds the mouse and the keyboard now, not the view.
    StartTimer(CAutoScroll::kTimerId, CAutoScroll::kTickMs);
}

CAutoScroll::ScrollBarState CHeadlessHost::GetScrollBarState(ScrollBar bar) const {
    const ScrollState& state = Scroll(bar);
    return {state.minimum, state.maximum, 0, state.position, state.visible};
}

void CHeadlessHost::ThumbTrack(ScrollBar bar, int position) {
    if (bar == ScrollBar::Horizontal) {
        view_->OnHScroll(kSbThumbTrack, position);
    } else {
        view_->OnVScroll(kSbThumbTrack, position);
    }
}

// --- clipboard ---------------------------------------------------------------------------------

bool CHeadlessHost::ClipboardHasFormat(std::string_view format) const {
    return clipboard.contains(format);
}

bool CHeadlessHost::SetClipboardData(std::string_view format, std::span<const std::byte> data) {
    // A clipboard holds one thing at a time, in whatever formats its owner offers.
    clipboard.clear();
    clipboard.emplace(std::string(format), std::vector<std::byte>(data.begin(), data.end()));
    return true;
}

std::optional<std::vector<std::byte>> CHeadlessHost::GetClipboardData(
    std::string_view format) const {
    const auto found = clipboard.find(format);
    if (found == clipboard.end()) {
        return std::nullopt;
    }
    return found->second;
}

}  // namespace korvo
