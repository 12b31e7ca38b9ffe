#pragma once

#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "SessionAnswers.h"
#include "platform/DialogHost.h"
#include "platform/DocumentHost.h"
#include "platform/ViewHost.h"
#include "view/AutoScroll.h"

namespace korvo {

class CKorvoFEView;

// The window, the dialogs and the message boxes of a session, without a window system: the view
// asks it what it would ask the editor's window, the document what it would ask the editor, and
// the answers come from the script. What an event loop would deliver later (paints, posted
// commands, timer ticks, the pointer's move after a warp) waits here until the session hands it
// out. Every status-pane change and every message can be traced, one per line.
class CSessionHost final : public IViewHost,
                           public IDialogHost,
                           public IDocumentHost,
                           public CAutoScroll::ITarget {
public:
    // The origin window of middle-button auto-scrolling, in pixels, as the editor shows it.
    static constexpr int kOriginWindowSize = 32;

    CSessionHost(DevicePoint client, std::ostream& err, std::ostream* trace);
    ~CSessionHost() override;

    // The view whose events, timers, posted commands and updates this host delivers.
    void Attach(CKorvoFEView* view) { view_ = view; }
    // The script line now running, for the reports.
    void SetLine(int line) { line_ = line; }
    CSessionAnswers& Answers() { return answers_; }
    // Why the session must stop (an answer that cannot answer its question); empty while it may
    // go on.
    const std::string& Failure() const { return failure_; }

    // --- what the session does as the user ---------------------------------------------------
    void SetClientSize(DevicePoint size) { client_ = size; }
    void SetPointer(DevicePoint client) { pointer_ = client; }
    bool IsInside(DevicePoint client) const;
    void SetKeyHeld(int key, bool held);
    // The mouse buttons held (kMkLButton ...), for the events the session makes itself.
    void SetButtons(unsigned buttons) { buttons_ = buttons; }
    // A button or key press ends a run of auto-scrolling (and is spent on it); true when it did.
    bool EndAutoScroll();
    bool IsAutoScrolling() const { return autoScroll_ != nullptr; }
    // Says on standard error what the user of the running line should know.
    void Report(std::string_view text) { Report(line_, text); }

    // --- what the session does as the event loop -----------------------------------------------
    // Advances the clock and hands out, in this order, what has become due: the pointer's move
    // after a warp, posted commands, timer ticks, and the paint of what is invalid.
    void RunEventLoop();
    // The command as the window's menus, toolbars and keys deliver it: not while the view greys
    // it, and the help lines to the document.
    void DeliverCommand(int id);
    // Whether the command's menu entry, button or key works now.
    bool IsCommandEnabled(int id) const;
    // The mouse-key flags of what is held now.
    unsigned HeldFlags() const;

    // --- IViewHost ---------------------------------------------------------------------------
    void Invalidate(std::optional<DeviceRect> rect) override;
    DevicePoint ClientSize() const override { return client_; }
    std::unique_ptr<IDrawSurface> CreateSurface(int width, int height) override;
    void ShowScrollBar(ScrollBar bar, bool visible) override;
    void SetScrollRange(ScrollBar bar, int minimum, int maximum) override;
    void SetScrollPos(ScrollBar bar, int position) override;
    int GetScrollPos(ScrollBar bar) const override { return Bar(bar).position; }
    DevicePoint GetScrollRange(ScrollBar bar) const override;
    void SetCursor(CursorShape shape) override { cursor_ = shape; }
    void SetStatusText(int pane, std::string_view text) override;
    DevicePoint GetPointerPos() const override { return pointer_; }
    bool IsPointerInView() const override { return IsInside(pointer_); }
    bool WarpPointer(DevicePoint client) override;
    void SetCapture() override { captured_ = true; }
    void ReleaseCapture() override { captured_ = false; }
    bool HasCapture() const override { return captured_; }
    bool IsKeyDown(int key) const override { return keys_.contains(key); }
    void StartTimer(int id, int intervalMs) override;
    void StopTimer(int id) override { timers_.erase(id); }
    void PostCommand(int id) override { posted_.push_back(id); }
    void PostFrameMessage(int) override {}
    void RefreshToolbarButtons(int) override {}
    void StartAutoScroll(DevicePoint client) override;
    bool ClipboardHasFormat(std::string_view format) const override;
    bool SetClipboardData(std::string_view format, std::span<const std::byte> data) override;
    std::optional<std::vector<std::byte>> GetClipboardData(std::string_view format) const override;
    IDialogHost& Dialogs() override { return *this; }

    // --- IDialogHost (its ShowMessage answers the document's messages too) --------------------
    MessageAnswer ShowMessage(const MessageRequest& request) override;
    bool AskUserGrid(float& x, float& y) override;
    bool AskValues(ValueInputRows& rows) override;

    // --- IDocumentHost -----------------------------------------------------------------------
    bool AskCharacter(int& code) override;
    bool AskLineCount(int& count) override;
    bool AskHelpLines(HelpLineValues& values) override;
    MessageAnswer AskSaveModified(std::string_view documentName) override;
    void UpdateAllViews(int hint) override;

    // --- CAutoScroll::ITarget ----------------------------------------------------------------
    CAutoScroll::ScrollBarState GetScrollBarState(ScrollBar bar) const override;
    void ThumbTrack(ScrollBar bar, int position) override;

private:
    struct BarState {
        bool visible = false;
        int minimum = 0;
        int maximum = 0;
        int position = 0;
    };
    struct Timer {
        int intervalMs = 0;
        long long dueMs = 0;
    };

    BarState& Bar(ScrollBar bar) { return bar == ScrollBar::Horizontal ? hbar_ : vbar_; }
    const BarState& Bar(ScrollBar bar) const {
        return bar == ScrollBar::Horizontal ? hbar_ : vbar_;
    }
    MessageAnswer Message(const std::string& text, MessageButtons buttons);
    // Turns the answer queue's outcome into the dialog's result, reporting what the user should
    // know; `dialog` names it in the reports.
    bool DialogResult(CSessionAnswers::Outcome outcome, std::string_view dialog);
    void Report(int line, std::string_view text);
    void Trace(std::string_view text);
    void FireDueTimers();
    void Paint();

    DevicePoint client_;
    std::ostream& err_;
    std::ostream* trace_;
    CKorvoFEView* view_ = nullptr;
    int line_ = 0;
    CSessionAnswers answers_;
    std::string failure_;

    std::unique_ptr<IDrawSurface> window_;
    bool invalid_ = false;
    BarState hbar_;
    BarState vbar_;
    CursorShape cursor_ = CursorShape::Cross;
    std::map<int, std::string> panes_;
    // The pointer starts outside the view, as when the window opens under a menu.
    DevicePoint pointer_{-1, -1};
    bool warped_ = false;
    bool captured_ = false;
    std::set<int> keys_;
    unsigned buttons_ = 0;
    long long nowMs_ = 0;
    std::map<int, Timer> timers_;
    std::deque<int> posted_;
    std::unique_ptr<CAutoScroll> autoScroll_;
    std::map<std::string, std::vector<std::byte>, std::less<>> clipboard_;
};

}  // namespace korvo
