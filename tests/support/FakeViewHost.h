#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/DialogHost.h"
#include "platform/DrawSurface.h"
#include "platform/ViewHost.h"
#include "support/RecordingDrawContext.h"

namespace korvo::test {

// A surface that records what is drawn on it, every clip set, and every copy made onto it.
class RecordingSurface : public IDrawSurface {
public:
    struct Copy {
        const IDrawSurface* source;
        DeviceRect rect;
    };

    RecordingSurface(int width, int height, std::vector<RecordingSurface*>* registry = nullptr);
    ~RecordingSurface() override;
    RecordingSurface(const RecordingSurface&) = delete;
    RecordingSurface& operator=(const RecordingSurface&) = delete;

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    IDrawContext& Context() override { return context_; }
    bool CopyFrom(const IDrawSurface& source, const DeviceRect& rect) override;

    const std::vector<RecordingDrawContext::Call>& Calls() const { return context_.Calls(); }
    std::vector<RecordingDrawContext::Call> CallsOf(const std::string& op) const {
        return context_.CallsOf(op);
    }
    const std::vector<std::optional<DeviceRect>>& Clips() const { return context_.clips; }
    const std::vector<Copy>& Copies() const { return copies_; }
    // Everything recorded so far is forgotten.
    void Reset();

    // Copies from surfaces of another kind fail, as a real platform's would.
    bool refuseCopies = false;

private:
    class Context_ : public RecordingDrawContext {
    public:
        std::optional<DeviceRect> SetClipRect(std::optional<DeviceRect> clip) override {
            clips.push_back(clip);
            return RecordingDrawContext::SetClipRect(clip);
        }
        std::vector<std::optional<DeviceRect>> clips;
    };

    int width_;
    int height_;
    std::vector<RecordingSurface*>* registry_;
    Context_ context_;
    std::vector<Copy> copies_;
};

// A window for the view without a window system: it records everything the view asks of it and
// answers messages and dialogs from scripts. Timers and posted commands wait until the test (or
// the harness's event loop) delivers them.
class FakeViewHost : public IViewHost, public IDialogHost {
public:
    struct ScrollState {
        bool visible = true;
        int minimum = 0;
        int maximum = 100;
        int position = 0;
    };
    // How CreateSurface fails, when it should.
    enum class SurfaceFailure { None, NoSurface, WrongSize };

    explicit FakeViewHost(DevicePoint client = {1000, 700}) : client_(client) {}

    // --- IViewHost ---------------------------------------------------------------------------
    void Invalidate(std::optional<DeviceRect> rect) override { invalidations.push_back(rect); }
    DevicePoint ClientSize() const override { return client_; }
    std::unique_ptr<IDrawSurface> CreateSurface(int width, int height) override;
    void ShowScrollBar(ScrollBar bar, bool visible) override { Bar(bar).visible = visible; }
    void SetScrollRange(ScrollBar bar, int minimum, int maximum) override;
    void SetScrollPos(ScrollBar bar, int position) override { Bar(bar).position = position; }
    int GetScrollPos(ScrollBar bar) const override { return Bar(bar).position; }
    DevicePoint GetScrollRange(ScrollBar bar) const override;
    void SetCursor(CursorShape shape) override { cursor = shape; }
    void SetStatusText(int pane, std::string_view text) override;
    DevicePoint GetPointerPos() const override { return pointer; }
    bool IsPointerInView() const override { return pointerInView; }
    bool WarpPointer(DevicePoint client) override;
    void SetCapture() override { captured = true; }
    void ReleaseCapture() override { captured = false; }
    bool HasCapture() const override { return captured; }
    bool IsKeyDown(int key) const override { return keysDown.contains(key); }
    void StartTimer(int id, int intervalMs) override { timers[id] = intervalMs; }
    void StopTimer(int id) override { timers.erase(id); }
    void PostCommand(int id) override { postedCommands.push_back(id); }
    void PostFrameMessage(int message) override { frameMessages.push_back(message); }
    void RefreshToolbarButtons(int commandId) override { refreshedButtons.push_back(commandId); }
    void StartAutoScroll(DevicePoint client) override { autoScrollStarts.push_back(client); }
    bool ClipboardHasFormat(std::string_view format) const override;
    bool SetClipboardData(std::string_view format, std::span<const std::byte> data) override;
    std::optional<std::vector<std::byte>> GetClipboardData(std::string_view format) const override;
    // Records the drag, then lets `dragScript` play the user's mouse (moving over views and
    // dropping); without a script the drag is cancelled at once.
    DropEffect DoDragDrop(std::string_view format, std::span<const std::byte> data) override;
    IDialogHost& Dialogs() override { return *this; }

    // --- IDialogHost -------------------------------------------------------------------------
    MessageAnswer ShowMessage(const MessageRequest& request) override;
    bool AskUserGrid(float& x, float& y) override;
    bool AskValues(ValueInputRows& rows) override;

    // --- the test's side -----------------------------------------------------------------------
    void SetClientSize(DevicePoint size) { client_ = size; }
    const ScrollState& Scroll(ScrollBar bar) const { return Bar(bar); }
    // The last text of a pane, empty when it was never set.
    std::string Pane(int pane) const;
    // Messages are answered in order; once the script runs out, Ok or Yes.
    void Answer(MessageAnswer answer) { answers_.push_back(answer); }
    // The user grid dialog's answers in order (nullopt: Cancel); without one it is cancelled.
    void AnswerUserGrid(std::optional<std::pair<float, float>> grid) { grids_.push_back(grid); }
    void AnswerValues(std::optional<ValueInputRows> rows) { values_.push_back(rows); }
    // The surfaces made and still alive, in order of making (back buffer, background layer).
    const std::vector<RecordingSurface*>& Surfaces() const { return surfaces_; }

    std::vector<std::optional<DeviceRect>> invalidations;
    std::optional<CursorShape> cursor;
    std::vector<std::pair<int, std::string>> statusHistory;
    DevicePoint pointer;
    bool pointerInView = false;
    std::vector<DevicePoint> warps;
    // The window system refuses to move the pointer, as Wayland does.
    bool refuseWarps = false;
    bool captured = false;
    std::set<int> keysDown;
    std::map<int, int> timers;
    std::deque<int> postedCommands;
    std::vector<int> frameMessages;
    std::vector<int> refreshedButtons;
    std::vector<DevicePoint> autoScrollStarts;
    std::map<std::string, std::vector<std::byte>, std::less<>> clipboard;
    std::vector<MessageRequest> messages;
    std::vector<std::pair<float, float>> userGridPresets;
    std::vector<ValueInputRows> valuePresets;
    struct Drag {
        std::string format;
        std::vector<std::byte> data;
    };
    std::vector<Drag> drags;
    std::function<DropEffect(std::span<const std::byte>)> dragScript;
    SurfaceFailure surfaceFailure = SurfaceFailure::None;
    // When set, makes the surfaces instead of recording ones (real images in the Qt tests).
    std::function<std::unique_ptr<IDrawSurface>(int, int)> surfaceFactory;
    // Surfaces whose copies from other surfaces fail (the view's blit then reports an error).
    bool refuseCopies = false;

private:
    ScrollState& Bar(ScrollBar bar) { return bar == ScrollBar::Horizontal ? hbar_ : vbar_; }
    const ScrollState& Bar(ScrollBar bar) const {
        return bar == ScrollBar::Horizontal ? hbar_ : vbar_;
    }

    DevicePoint client_;
    ScrollState hbar_;
    ScrollState vbar_;
    std::deque<MessageAnswer> answers_;
    std::deque<std::optional<std::pair<float, float>>> grids_;
    std::deque<std::optional<ValueInputRows>> values_;
    std::vector<RecordingSurface*> surfaces_;
};

}  // namespace korvo::test
