#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/DrawSurface.h"
#include "platform/ViewHost.h"
#include "view/AutoScroll.h"

namespace korvo {

class CKorvoFEView;

// The window of one view without a window system, and the event loop that runs it. Whoever drives
// the view (the session runner, the tests) hands it the user's events directly; this host keeps
// what the view asks of its window (scroll bars, pointer, cursor, status panes, capture, keys, the
// clipboard) and holds what an event loop would deliver later (the pointer's move after a warp,
// posted commands, timer ticks on a virtual clock, the paint of what was invalidated) until
// RunEventLoop hands it out. The window's state is public: it is what the driver sees and sets.
class CHeadlessHost : public IViewHost, public CAutoScroll::ITarget {
public:
    // The origin window of middle-button auto-scrolling, in pixels, as the editor shows it.
    static constexpr int kOriginWindowSize = 32;

    struct ScrollState {
        bool visible = false;
        int minimum = 0;
        int maximum = 0;
        int position = 0;
    };

    explicit CHeadlessHost(DevicePoint client);
    ~CHeadlessHost() override;
    CHeadlessHost(const CHeadlessHost&) = delete;
    CHeadlessHost& operator=(const CHeadlessHost&) = delete;

    // The view whose timers, posted commands and paints this host delivers.
    void Attach(CKorvoFEView* view) { view_ = view; }

    // --- what the driver does as the user ----------------------------------------------------
    void SetClientSize(DevicePoint size) { client_ = size; }
    bool IsInside(DevicePoint client) const;
    void SetKeyHeld(int key, bool held);
    // The mouse buttons held (kMkLButton ...), for the events the driver makes itself.
    void SetButtons(unsigned buttons) { buttons_ = buttons; }
    // The mouse-key flags of what is held now.
    unsigned HeldFlags() const;
    // A button or key press ends a run of auto-scrolling (and is spent on it); true when it did.
    bool EndAutoScroll();
    bool IsAutoScrolling() const { return autoScroll_ != nullptr; }
    // Whether the command's menu entry, button or key works now: what the view has no rule for
    // stays greyed.
    bool IsCommandEnabled(int id) const;

    // --- what the driver does as the event loop ----------------------------------------------
    // Advances the clock by `elapsedMs` and hands out, in this order, what has become due: the
    // pointer's move after a warp, posted commands, timer ticks, and the paint of what is invalid.
    void RunEventLoop(long long elapsedMs);
    // Paints the view now onto the window surface, whatever is invalid; null when the window has
    // no area or no surface could be made.
    IDrawSurface* PaintWindow();
    IDrawSurface* WindowSurface() const { return window_.get(); }
    // How many paints the window has had.
    int Paints() const { return paints_; }

    const ScrollState& Scroll(ScrollBar bar) const {
        return bar == ScrollBar::Horizontal ? hbar_ : vbar_;
    }
    // The last text of a pane, empty when it was never set.
    std::string Pane(int pane) const;

    // --- IViewHost ---------------------------------------------------------------------------
    void Invalidate(std::optional<DeviceRect> rect) override { invalidations.push_back(rect); }
    DevicePoint ClientSize() const override { return client_; }
    void ShowScrollBar(ScrollBar bar, bool visible) override { Bar(bar).visible = visible; }
    void SetScrollRange(ScrollBar bar, int minimum, int maximum) override;
    void SetScrollPos(ScrollBar bar, int position) override;
    int GetScrollPos(ScrollBar bar) const override { return Scroll(bar).position; }
    DevicePoint GetScrollRange(ScrollBar bar) const override;
    void SetCursor(CursorShape shape) override { cursor = shape; }
    void SetStatusText(int pane, std::string_view text) override;
    DevicePoint GetPointerPos() const override { return pointer; }
    bool IsPointerInView() const override { return IsInside(pointer); }
    bool WarpPointer(DevicePoint client) override;
    void SetCapture() override { captured = true; }
    void ReleaseCapture() override { captured = false; }
    bool HasCapture() const override { return captured; }
    bool IsKeyDown(int key) const override { return keysDown.contains(key); }
    void StartTimer(int id, int intervalMs) override;
    void StopTimer(int id) override { timers_.erase(id); }
    void PostCommand(int id) override { postedCommands.push_back(id); }
    void PostFrameMessage(int) override {}
    void RefreshToolbarButtons(int) override {}
    void StartAutoScroll(DevicePoint client) override;
    bool ClipboardHasFormat(std::string_view format) const override;
    bool SetClipboardData(std::string_view format, std::span<const std::byte> data) override;
    std::optional<std::vector<std::byte>> GetClipboardData(std::string_view format) const override;

    // --- CAutoScroll::ITarget ----------------------------------------------------------------
    CAutoScroll::ScrollBarState GetScrollBarState(ScrollBar bar) const override;
    void ThumbTrack(ScrollBar bar, int position) override;

    // --- the window's state -------------------------------------------------------------------
    // Invalidated rectangles since the last paint (nullopt: everything).
    std::vector<std::optional<DeviceRect>> invalidations;
    std::optional<CursorShape> cursor;
    // The pointer starts outside the view, as when the window opens under a menu.
    DevicePoint pointer{-1, -1};
    bool captured = false;
    std::set<int> keysDown;
    std::deque<int> postedCommands;
    std::map<std::string, std::vector<std::byte>, std::less<>> clipboard;

protected:
    CKorvoFEView* AttachedView() const { return view_; }
    // The surface a paint goes onto. Unless KeepsWindowSurface, every paint gets a fresh one, so
    // it holds that paint alone.
    virtual std::unique_ptr<IDrawSurface> CreateWindowSurface(int width, int height) {
        return CreateSurface(width, height);
    }
    virtual bool KeepsWindowSurface() const { return true; }

private:
    struct Timer {
        int intervalMs = 0;
        long long dueMs = 0;
    };

    ScrollState& Bar(ScrollBar bar) { return bar == ScrollBar::Horizontal ? hbar_ : vbar_; }
    void FireDueTimers();

    DevicePoint client_;
    CKorvoFEView* view_ = nullptr;
    ScrollState hbar_;
    ScrollState vbar_;
    std::map<int, std::string> panes_;
    bool warped_ = false;
    unsigned buttons_ = 0;
    long long nowMs_ = 0;
    std::map<int, Timer> timers_;
    std::unique_ptr<CAutoScroll> autoScroll_;
    std::unique_ptr<IDrawSurface> window_;
    int paints_ = 0;
};

}  // namespace korvo
