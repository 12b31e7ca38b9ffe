#include "SessionHost.h"

#include "QtImageSurface.h"
#include "app/KorvoFEDoc.h"
#include "platform/Message.h"
#include "view/KorvoFEView.h"

namespace korvo {

namespace {

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
    : CHeadlessHost(client),
      err_(err),
      trace_(trace),
      answers_([this](int line, std::string_view message) {
          // The dialog's range message: the user reads it and presses OK.
          Report(line, message);
          Trace("message: " + OneLine(message) + " -> ok");
      }) {}

CSessionHost::~CSessionHost() = default;

void CSessionHost::DeliverCommand(int id) {
    if (!IsCommandEnabled(id)) {
        Report(line_, "command " + std::to_string(id) + " is greyed out now; nothing happens");
        return;
    }
    AttachedView()->OnCommand(id);
}

std::unique_ptr<IDrawSurface> CSessionHost::CreateSurface(int width, int height) {
    auto surface = std::make_unique<CQtImageSurface>(width, height);
    if (surface->IsNull()) {
        return nullptr;
    }
    return surface;
}

void CSessionHost::SetStatusText(int pane, std::string_view text) {
    if (Pane(pane) == text) {
        return;
    }
    CHeadlessHost::SetStatusText(pane, text);
    Trace("status " + std::to_string(pane) + ": " + OneLine(text));
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
    if (CKorvoFEView* view = AttachedView()) {
        view->OnUpdate(hint);
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
