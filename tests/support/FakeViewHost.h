#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "headless/HeadlessHost.h"
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

    RecordingSurface(int width, int height) : width_(width), height_(height) {}

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
    Context_ context_;
    std::vector<Copy> copies_;
};

// The headless window for tests: it also records everything the view asks of it and answers
// messages and dialogs from scripts. Timers and posted commands wait until the test (or the
// harness's event loop) delivers them; moving the pointer is left to the test.
class FakeViewHost : public CHeadlessHost, public IDialogHost {
public:
    using ScrollState = CHeadlessHost::ScrollState;
    // How CreateSurface fails, when it should.
    enum class SurfaceFailure { None, NoSurface, WrongSize };

    explicit FakeViewHost(DevicePoint client = {1000, 700}) : CHeadlessHost(client) {}

    // --- IViewHost, recorded -------------------------------------------------------------------
    std::unique_ptr<IDrawSurface> CreateSurface(int width, int height) override;
    void SetStatusText(int pane, std::string_view text) override;
    bool IsPointerInView() const override { return pointerInView; }
    bool WarpPointer(DevicePoint client) override;
    void PostFrameMessage(int message) override { frameMessages.push_back(message); }
    void RefreshToolbarButtons(int commandId) override { refreshedButtons.push_back(commandId); }
    void StartAutoScroll(DevicePoint client) override { autoScrollStarts.push_back(client); }
    // Records the drag, then lets `dragScript` play the user's mouse (moving over views and
    // dropping); without a script the drag is cancelled at once.
    DropEffect DoDragDrop(std::string_view format, std::span<const std::byte> data) override;
    IDialogHost& Dialogs() override { return *this; }

    // --- IDialogHost -------------------------------------------------------------------------
    MessageAnswer ShowMessage(const MessageRequest& request) override;
    bool AskUserGrid(float& x, float& y) override;
    bool AskValues(ValueInputRows& rows) override;

    // --- the test's side -----------------------------------------------------------------------
    // Messages are answered in order; once the script runs out, Ok or Yes.
    void Answer(MessageAnswer answer) { answers_.push_back(answer); }
    // The user grid dialog's answers in order (nullopt: Cancel); without one it is cancelled.
    void AnswerUserGrid(std::optional<std::pair<float, float>> grid) { grids_.push_back(grid); }
    void AnswerValues(std::optional<ValueInputRows> rows) { values_.push_back(rows); }

    std::vector<std::pair<int, std::string>> statusHistory;
    bool pointerInView = false;
    std::vector<DevicePoint> warps;
    // The window system refuses to move the pointer, as Wayland does.
    bool refuseWarps = false;
    std::vector<int> frameMessages;
    std::vector<int> refreshedButtons;
    std::vector<DevicePoint> autoScrollStarts;
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

protected:
    // Each paint gets a fresh window surface, so it holds that paint alone.
    std::unique_ptr<IDrawSurface> CreateWindowSurface(int width, int height) override;
    bool KeepsWindowSurface() const override { return false; }

private:
    std::deque<MessageAnswer> answers_;
    std::deque<std::optional<std::pair<float, float>>> grids_;
    std::deque<std::optional<ValueInputRows>> values_;
};

}  // namespace korvo::test
