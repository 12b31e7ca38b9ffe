#include "SessionRunner.h"

#include <string>
#include <string_view>

#include "SessionHost.h"
#include "model/Paper.h"
#include "platform/KeyCodes.h"
#include "view/KorvoFEView.h"
#include "view/ViewCommands.h"

namespace korvo {

namespace {

std::string OutsideText(DevicePoint p, std::string_view what) {
    return "the pointer at pixel (" + std::to_string(p.x) + ", " + std::to_string(p.y) +
           ") is outside the view; the " + std::string(what) + " does not reach it";
}

}  // namespace

CSessionRunner::CSessionRunner(CKorvoFEDoc& document, CSessionHost& host, IToolFactory& factory)
    : host_(host), view_(std::make_unique<CKorvoFEView>(document, host, factory)) {
    host_.Attach(view_.get());
}

CSessionRunner::~CSessionRunner() {
    // The view's tools end while the host can still answer them, but nothing is delivered to a
    // view that is going.
    host_.Attach(nullptr);
    view_.reset();
}

void CSessionRunner::Show() {
    const DevicePoint client = host_.ClientSize();
    view_->OnSize(client.x, client.y);
    view_->OnInitialUpdate();
    host_.RunEventLoop(CSessionHost::kLineMs);
}

bool CSessionRunner::Run(const SessionLine& line) {
    host_.SetLine(line.number);
    switch (line.verb) {
        case SessionVerb::Size:
            host_.SetClientSize({line.width, line.height});
            view_->OnSize(line.width, line.height);
            break;
        case SessionVerb::Command:
            // Reaching a menu or a toolbar ends auto-scrolling on the way.
            host_.EndAutoScroll();
            host_.DeliverCommand(line.id);
            break;
        case SessionVerb::Tool:
            host_.EndAutoScroll();
            view_->OnToolMessage(kMsgCreateTool, line.id);
            break;
        case SessionVerb::Key:
            Key(line);
            break;
        case SessionVerb::Answer:
            host_.Answers().Push(line);
            break;
        default:
            Pointer(line);
            break;
    }
    host_.RunEventLoop(CSessionHost::kLineMs);
    return host_.Failure().empty();
}

DevicePoint CSessionRunner::ToClient(double x, double y) const {
    const CPaper* paper = view_->GetPaper();
    if (paper == nullptr) {
        return {};
    }
    return paper->WorldToDevice({static_cast<float>(x), static_cast<float>(y)});
}

void CSessionRunner::HoldKeys(const SessionLine& line) {
    host_.SetKeyHeld(kVkShift, line.shift);
    host_.SetKeyHeld(kVkControl, line.ctrl);
    // Ctrl goes down and up as a key of its own, as a keyboard sends it, so the view tells a
    // chord from Ctrl pressed alone.
    if (line.ctrl) {
        view_->OnKeyDown(kVkControl, 1, 0);
    }
}

void CSessionRunner::ReleaseKeys(const SessionLine& line) {
    host_.SetKeyHeld(kVkShift, false);
    host_.SetKeyHeld(kVkControl, false);
    if (line.ctrl) {
        view_->OnKeyUp(kVkControl, 0);
    }
}

void CSessionRunner::Pointer(const SessionLine& line) {
    const DevicePoint p = ToClient(line.x, line.y);
    HoldKeys(line);
    switch (line.verb) {
        case SessionVerb::Move:
            MoveTo(p);
            break;
        case SessionVerb::Down:
            Press(Button::Left, p);
            break;
        case SessionVerb::Up:
            Release(Button::Left, p);
            break;
        case SessionVerb::Click:
            Press(Button::Left, p);
            Release(Button::Left, p);
            break;
        case SessionVerb::DblClick:
            Press(Button::Left, p);
            Release(Button::Left, p);
            DoubleClick(Button::Left, p);
            Release(Button::Left, p);
            break;
        case SessionVerb::RDown:
            Press(Button::Right, p);
            break;
        case SessionVerb::RUp:
            Release(Button::Right, p);
            break;
        case SessionVerb::RClick:
            Press(Button::Right, p);
            Release(Button::Right, p);
            break;
        case SessionVerb::RDblClick:
            Press(Button::Right, p);
            Release(Button::Right, p);
            DoubleClick(Button::Right, p);
            Release(Button::Right, p);
            break;
        case SessionVerb::MDown:
            // The view takes no release of the middle button; the hand lets go at once.
            Press(Button::Middle, p);
            SetButton(Button::Middle, false);
            break;
        case SessionVerb::Wheel:
            Wheel(p, line.delta);
            break;
        default:
            break;
    }
    ReleaseKeys(line);
}

void CSessionRunner::Key(const SessionLine& line) {
    // The key that ends auto-scrolling does nothing else.
    if (host_.EndAutoScroll()) {
        return;
    }
    HoldKeys(line);
    // A key bound to a command runs it, unless the command is greyed: then the view gets the key.
    if (line.id != 0 && host_.IsCommandEnabled(line.id)) {
        view_->OnShortcutKey();
        host_.DeliverCommand(line.id);
    } else {
        host_.SetKeyHeld(line.key, true);
        view_->OnKeyDown(line.key, 1, 0);
        host_.SetKeyHeld(line.key, false);
        view_->OnKeyUp(line.key, 0);
    }
    ReleaseKeys(line);
}

bool CSessionRunner::Reaches(DevicePoint p) const {
    // While a button is held the window keeps the mouse, as desktop windows do.
    return host_.IsInside(p) || host_.HasCapture() || buttons_ != 0;
}

void CSessionRunner::MoveTo(DevicePoint p) {
    if (p == host_.GetPointerPos()) {
        return;
    }
    host_.SetPointer(p);
    // While auto-scrolling the origin window has the mouse; its timer reads the pointer.
    if (host_.IsAutoScrolling() || !Reaches(p)) {
        return;
    }
    view_->OnMouseMove(host_.HeldFlags(), p.x, p.y);
    view_->OnSetCursor(true);
}

unsigned CSessionRunner::FlagOf(Button button) {
    switch (button) {
        case Button::Left:
            return kMkLButton;
        case Button::Right:
            return kMkRButton;
        case Button::Middle:
            break;
    }
    return kMkMButton;
}

void CSessionRunner::SetButton(Button button, bool held) {
    const unsigned flag = FlagOf(button);
    buttons_ = held ? (buttons_ | flag) : (buttons_ & ~flag);
    host_.SetButtons(buttons_);
}

bool CSessionRunner::IsHeld(Button button) const {
    return (buttons_ & FlagOf(button)) != 0;
}

void CSessionRunner::Press(Button button, DevicePoint p) {
    MoveTo(p);
    // The press that ends auto-scrolling does nothing else.
    if (host_.EndAutoScroll()) {
        return;
    }
    if (!Reaches(p)) {
        host_.Report(OutsideText(p, "press"));
        return;
    }
    SetButton(button, true);
    const unsigned flags = host_.HeldFlags();
    switch (button) {
        case Button::Left:
            view_->OnLButtonDown(flags, p.x, p.y);
            break;
        case Button::Right:
            view_->OnRButtonDown(flags, p.x, p.y);
            break;
        case Button::Middle:
            view_->OnMButtonDown(flags, p.x, p.y);
            break;
    }
    view_->OnSetCursor(true);
}

void CSessionRunner::Release(Button button, DevicePoint p) {
    MoveTo(p);
    // A button that is not down cannot come up (the press may not have reached the view).
    if (!IsHeld(button)) {
        return;
    }
    SetButton(button, false);
    const unsigned flags = host_.HeldFlags();
    if (button == Button::Left) {
        view_->OnLButtonUp(flags, p.x, p.y);
    } else {
        view_->OnRButtonUp(flags, p.x, p.y);
        // Letting go of the right button asks for the context menu.
        view_->OnContextMenu(p.x, p.y);
    }
    view_->OnSetCursor(true);
}

void CSessionRunner::DoubleClick(Button button, DevicePoint p) {
    if (!Reaches(p) || host_.IsAutoScrolling()) {
        return;
    }
    SetButton(button, true);
    const unsigned flags = host_.HeldFlags();
    if (button == Button::Left) {
        view_->OnLButtonDblClk(flags, p.x, p.y);
    } else {
        view_->OnRButtonDblClk(flags, p.x, p.y);
    }
    view_->OnSetCursor(true);
}

void CSessionRunner::Wheel(DevicePoint p, int delta) {
    MoveTo(p);
    if (!host_.IsInside(p) && !host_.HasCapture()) {
        host_.Report(OutsideText(p, "wheel"));
        return;
    }
    view_->OnMouseWheel(host_.HeldFlags(), delta, p.x, p.y);
}

}  // namespace korvo
