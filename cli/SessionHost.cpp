#include "SessionHost.h"

#include <algorithm>

#include "QtImageSurface.h"
#include "app/KorvoFEDoc.h"
#include "platform/KeyCodes.h"
#include "platform/Message.h"
#include "resources/CommandTable.h"
#include "view/KorvoFEView.h"

namespace korvo {

namespace {

// Each script line takes this long on the session's clock: one tick of the auto-scroll timer.
constexpr long long kLineMs = 50;
// Handing out what is due ends here even if every paint asked for another.
constexpr int kMaxLoopRounds = 64;

std::string_view NameOf(MessageAnswer answer) {
    switch (answer) {
        case MessageAnswer::Ok:
            return "ok";
        case MessageAnswer::Cancel:
            return "cancel";
        case MessageAnswer::Yes:
            return "yes";
        case MessageAnswer::No:
            break;
    }
    return "no";
}

// Messages may hold line breaks; a trace keeps one message to a line.
std::string OneLine(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace

CSessionHost::CSessionHost(DevicePoint client, std::ostream& err, std::ostream* trace)
    : client_(client),
      err_(err),
      trace_(trace),
      answers_([this](int line, std::string_view message) {
          // The dialog's range message: the user reads it and presses OK.
          Report(line, message);
          Trace("message: " + OneLine(message) + " -> ok");
      }) {}

CSessionHost::~CSessionHost() = default;

bool CSessionHost::IsInside(DevicePoint p) const {
    return p.x >= 0 && p.y >= 0 && p.x < client_.x && p.y < client_.y;
}

void CSessionHost::SetKeyHeld(int key, bool held) {
    if (held) {
        keys_.insert(key);
    } else {
        keys_.erase(key);
    }
}

unsigned CSessionHost::HeldFlags() const {
    return buttons_ | (IsKeyDown(kVkShift) ? kMkShift : 0U) |
           (IsKeyDown(kVkControl) ? kMkControl : 0U);
}

bool CSessionHost::EndAutoScroll() {
    if (!autoScroll_) {
        return false;
    }
    StopTimer(CAutoScroll::kTimerId);
    autoScroll_.reset();
    return true;
}

// --- the event loop ----------------------------------------------------------------------------

void CSessionHost::RunEventLoop() {
    nowMs_ += kLineMs;
    bool timersFired = false;
    for (int round = 0; round < kMaxLoopRounds && view_ != nullptr; ++round) {
        if (warped_) {
            // Moving the pointer makes the window system report a move, as a hand would, to the
            // view unless the origin window of auto-scrolling holds the mouse.
            warped_ = false;
            if (!autoScroll_) {
                view_->OnMouseMove(HeldFlags(), pointer_.x, pointer_.y);
                view_->OnSetCursor(true);
            }
        } else if (!posted_.empty()) {
            const int id = posted_.front();
            posted_.pop_front();
            view_->OnCommand(id);
        } else if (!timersFired) {
            timersFired = true;
            FireDueTimers();
        } else if (invalid_) {
            invalid_ = false;
            Paint();
        } else {
            return;
        }
    }
}

void CSessionHost::Paint() {
    if (client_.x <= 0 || client_.y <= 0) {
        return;
    }
    if (!window_ || window_->Width() != client_.x || window_->Height() != client_.y) {
        window_ = CreateSurface(client_.x, client_.y);
        if (!window_) {
            return;
        }
    }
    view_->OnPaint(*window_);
}

void CSessionHost::FireDueTimers() {
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
            autoScroll_->Tick(pointer_);
        } else {
            view_->OnTimer(id);
        }
    }
}

void CSessionHost::DeliverCommand(int id) {
    if (!IsCommandEnabled(id)) {
        Report(line_, "command " + std::to_string(id) + " is greyed out now; nothing happens");
        return;
    }
    view_->OnCommand(id);
}

bool CSessionHost::IsCommandEnabled(int id) const {
    // What the view has no rule for, nothing answers: its entry stays greyed.
    const std::optional<CommandUi> ui = view_->OnUpdateCommand(id);
    return ui && ui->enabled;
}

// --- painting and scroll bars ------------------------------------------------------------------

void CSessionHost::Invalidate(std::optional<DeviceRect>) {
    // The view paints its whole client area from the back buffer whatever the rectangle.
    invalid_ = true;
}

std::unique_ptr<IDrawSurface> CSessionHost::CreateSurface(int width, int height) {
    auto surface = std::make_unique<CQtImageSurface>(width, height);
    if (surface->IsNull()) {
        return nullptr;
    }
    return surface;
}

void CSessionHost::ShowScrollBar(ScrollBar bar, bool visible) {
    Bar(bar).visible = visible;
}

void CSessionHost::SetScrollRange(ScrollBar bar, int minimum, int maximum) {
    BarState& state = Bar(bar);
    state.minimum = minimum;
    state.maximum = std::max(minimum, maximum);
    state.position = std::clamp(state.position, state.minimum, state.maximum);
}

void CSessionHost::SetScrollPos(ScrollBar bar, int position) {
    BarState& state = Bar(bar);
    state.position = std::clamp(position, state.minimum, state.maximum);
}

DevicePoint CSessionHost::GetScrollRange(ScrollBar bar) const {
    return {Bar(bar).minimum, Bar(bar).maximum};
}

// --- cursor, pointer, status, timers -----------------------------------------------------------

void CSessionHost::SetStatusText(int pane, std::string_view text) {
    std::string& shown = panes_[pane];
    if (shown == text) {
        return;
    }
    shown = text;
    Trace("status " + std::to_string(pane) + ": " + OneLine(text));
}

bool CSessionHost::WarpPointer(DevicePoint client) {
    if (client != pointer_) {
        pointer_ = client;
        warped_ = true;
    }
    return true;
}

void CSessionHost::StartTimer(int id, int intervalMs) {
    timers_[id] = Timer{intervalMs, nowMs_ + intervalMs};
}

void CSessionHost::StartAutoScroll(DevicePoint client) {
    autoScroll_ = std::make_unique<CAutoScroll>(*this, client,
                                                DevicePoint{kOriginWindowSize, kOriginWindowSize});
    // The origin window holds the mouse and the keyboard now, not the view.
    StartTimer(CAutoScroll::kTimerId, CAutoScroll::kTickMs);
}

CAutoScroll::ScrollBarState CSessionHost::GetScrollBarState(ScrollBar bar) const {
    const BarState& state = Bar(bar);
    return {state.minimum, state.maximum, 0, state.position, state.visible};
}

void CSessionHost::ThumbTrack(ScrollBar bar, int position) {
    if (bar == ScrollBar::Horizontal) {
        view_->OnHScroll(kSbThumbTrack, position);
    } else {
        view_->OnVScroll(kSbThumbTrack, position);
    }
}

// --- clipboard ---------------------------------------------------------------------------------

bool CSessionHost::ClipboardHasFormat(std::string_view format) const {
    return clipboard_.contains(format);
}

bool CSessionHost::SetClipboardData(std::string_view format, std::span<const std::byte> data) {
    // A clipboard holds one thing at a time, in whatever formats its owner offers.
    clipboard_.clear();
    clipboard_.emplace(std::string(format), std::vector<std::byte>(data.begin(), data.end()));
    return true;
}

std::optional<std::vector<std::byte>> CSessionHost::GetClipboardData(
    std::string_view format) const {
    const auto found = clipboard_.find(format);
    if (found == clipboard_.end()) {
        return std::nullopt;
    }
    return found->second;
}

// --- messages and dialogs ----------------------------------------------------------------------

MessageAnswer CSessionHost::ShowMessage(const MessageRequest& request) {
    return Message(FormatMessageText(request), request.buttons);
}

MessageAnswer CSessionHost::AskSaveModified(std::string_view documentName) {
    return Message("Save changes to " + std::string(documentName) + "?",
                   MessageButtons::YesNoCancel);
}

MessageAnswer CSessionHost::Message(const std::string& text, MessageButtons buttons) {
    MessageAnswer answer = CSessionAnswers::DismissAnswer(buttons);
    // Once an answer did not fit, the session stops after this line; nothing more is answered.
    const auto outcome = failure_.empty() ? answers_.AnswerMessage(buttons, answer)
                                          : CSessionAnswers::Outcome::Answered;
    switch (outcome) {
        case CSessionAnswers::Outcome::Unanswered:
            Report(line_, "no answer queued for the message \"" + OneLine(text) +
                              "\"; it is closed with " + std::string(NameOf(answer)));
            break;
        case CSessionAnswers::Outcome::Invalid:
            if (failure_.empty()) {
                failure_ = answers_.Error();
            }
            answer = CSessionAnswers::DismissAnswer(buttons);
            break;
        default:
            break;
    }
    Trace("message: " + OneLine(text) + " -> " + std::string(NameOf(answer)));
    return answer;
}

bool CSessionHost::DialogResult(CSessionAnswers::Outcome outcome, std::string_view dialog) {
    switch (outcome) {
        case CSessionAnswers::Outcome::Answered:
            return true;
        case CSessionAnswers::Outcome::Unanswered:
            Report(line_, "no answer queued for the " + std::string(dialog) + "; it is cancelled");
            return false;
        case CSessionAnswers::Outcome::Invalid:
            if (failure_.empty()) {
                failure_ = answers_.Error();
            }
            return false;
        case CSessionAnswers::Outcome::Cancelled:
            break;
    }
    return false;
}

bool CSessionHost::AskUserGrid(float& x, float& y) {
    return failure_.empty() && DialogResult(answers_.AnswerUserGrid(x, y), "user grid dialog");
}

bool CSessionHost::AskValues(ValueInputRows& rows) {
    return failure_.empty() && DialogResult(answers_.AnswerValues(rows), "value-input dialog");
}

bool CSessionHost::AskCharacter(int& code) {
    return failure_.empty() && DialogResult(answers_.AnswerCharacter(code), "character dialog");
}

bool CSessionHost::AskLineCount(int& count) {
    return failure_.empty() &&
           DialogResult(answers_.AnswerLineCount(count), "convert-to-lines dialog");
}

bool CSessionHost::AskHelpLines(HelpLineValues& values) {
    return failure_.empty() && DialogResult(answers_.AnswerHelpLines(values), "help-lines dialog");
}

void CSessionHost::UpdateAllViews(int hint) {
    if (view_ != nullptr) {
        view_->OnUpdate(hint);
    }
}

// --- reports -----------------------------------------------------------------------------------

void CSessionHost::Report(int line, std::string_view text) {
    // Before the first line runs, the messages are the font reader's.
    err_ << "korvofont: ";
    if (line > 0) {
        err_ << "line " << line << ": ";
    }
    err_ << text << '\n';
}

void CSessionHost::Trace(std::string_view text) {
    if (trace_ != nullptr) {
        *trace_ << text << '\n';
    }
}

}  // namespace korvo
