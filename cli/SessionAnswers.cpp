#include "SessionAnswers.h"

#include <fmt/format.h>

#include <array>
#include <optional>

#include "dialogs/HelpLinesModel.h"
#include "dialogs/UserGridModel.h"
#include "dialogs/ValueInputModel.h"

namespace korvo {

namespace {

using Kind = SessionAnswer::Kind;

// The dialog's message when it refused a field, else empty.
std::string Refusal(const FieldCheck& check) {
    return check ? check->message : std::string();
}

std::optional<MessageAnswer> ButtonOf(Kind kind, MessageButtons buttons) {
    const bool yesNo = buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoCancel;
    const bool cancel =
        buttons == MessageButtons::OkCancel || buttons == MessageButtons::YesNoCancel;
    switch (kind) {
        case Kind::Yes:
            return yesNo ? std::optional(MessageAnswer::Yes) : std::nullopt;
        case Kind::No:
            return yesNo ? std::optional(MessageAnswer::No) : std::nullopt;
        case Kind::Ok:
            return yesNo ? std::nullopt : std::optional(MessageAnswer::Ok);
        case Kind::Cancel:
            return cancel ? std::optional(MessageAnswer::Cancel) : std::nullopt;
        default:
            return std::nullopt;
    }
}

std::string_view ButtonsText(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::Ok:
            return "ok";
        case MessageButtons::OkCancel:
            return "ok or cancel";
        case MessageButtons::YesNo:
            return "yes or no";
        case MessageButtons::YesNoCancel:
            break;
    }
    return "yes, no or cancel";
}

}  // namespace

void CSessionAnswers::Push(const SessionLine& line) {
    queue_.push_back({line.number, line.text, line.answer});
}

std::vector<int> CSessionAnswers::PendingLines() const {
    std::vector<int> lines;
    for (const Queued& queued : queue_) {
        lines.push_back(queued.line);
    }
    return lines;
}

MessageAnswer CSessionAnswers::DismissAnswer(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::Ok:
            return MessageAnswer::Ok;
        case MessageButtons::YesNo:
            return MessageAnswer::No;
        default:
            return MessageAnswer::Cancel;
    }
}

CSessionAnswers::Outcome CSessionAnswers::AnswerMessage(MessageButtons buttons,
                                                        MessageAnswer& answer) {
    if (queue_.empty()) {
        return Outcome::Unanswered;
    }
    const Queued queued = queue_.front();
    queue_.pop_front();
    const auto button = ButtonOf(queued.answer.kind, buttons);
    if (!button) {
        error_ = fmt::format("line {}: \"{}\" cannot answer a message box of {}", queued.line,
                             queued.text, ButtonsText(buttons));
        return Outcome::Invalid;
    }
    answer = *button;
    return answer == MessageAnswer::Cancel ? Outcome::Cancelled : Outcome::Answered;
}

CSessionAnswers::Outcome CSessionAnswers::AskDialog(std::string_view dialog, const Check& check) {
    while (!queue_.empty()) {
        const Queued queued = queue_.front();
        queue_.pop_front();
        if (queued.answer.kind == Kind::Cancel) {
            return Outcome::Cancelled;
        }
        bool invalid = false;
        const std::string refusal = check(queued.answer, invalid);
        if (invalid) {
            error_ = fmt::format("line {}: \"{}\" cannot answer the {}", queued.line, queued.text,
                                 dialog);
            return Outcome::Invalid;
        }
        if (refusal.empty()) {
            return Outcome::Answered;
        }
        // The dialog stays open: the next answer is the user's next try.
        if (report_) {
            report_(queued.line, refusal);
        }
    }
    return Outcome::Unanswered;
}

CSessionAnswers::Outcome CSessionAnswers::AnswerCharacter(int& code) {
    return AnswerCode("character dialog (a code from 33 to 255, ok or cancel)",
                      CharCodes::Model(code), code, false);
}

CSessionAnswers::Outcome CSessionAnswers::AnswerLineCount(int& count) {
    return AnswerCode("convert-to-lines dialog (lines from 2 to 255, max, ok or cancel)",
                      LineCounts::Model(count), count, true);
}

CSessionAnswers::Outcome CSessionAnswers::AnswerCode(std::string_view dialog, CCodeModel model,
                                                     int& value, bool hasMax) {
    return AskDialog(dialog, [&](const SessionAnswer& answer, bool& invalid) -> std::string {
        // The max button ends the dialog without checking the field.
        if (hasMax && answer.kind == Kind::Max) {
            value = LineCounts::kAsManyAsFit;
            return {};
        }
        std::string refusal;
        if (answer.kind == Kind::Ok) {
            refusal = Refusal(model.Accept());
        } else if (answer.kind == Kind::Fields && answer.fields.size() == 1) {
            refusal = Refusal(model.Accept(answer.fields[0]));
        } else {
            invalid = true;
        }
        value = model.Value();
        return refusal;
    });
}

CSessionAnswers::Outcome CSessionAnswers::AnswerUserGrid(float& x, float& y) {
    return AskDialog("user grid dialog (grid size X and Y, ok or cancel)",
                     [&](const SessionAnswer& answer, bool& invalid) -> std::string {
                         CUserGridModel model(x, y);
                         std::string refusal;
                         if (answer.kind == Kind::Fields && answer.fields.size() == 2) {
                             refusal = Refusal(model.Accept(answer.fields[0], answer.fields[1]));
                         } else if (answer.kind == Kind::Ok) {
                             refusal = Refusal(model.Accept());
                         } else {
                             invalid = true;
                         }
                         x = model.X();
                         y = model.Y();
                         return refusal;
                     });
}

CSessionAnswers::Outcome CSessionAnswers::AnswerValues(ValueInputRows& rows) {
    CValueInputModel model(rows);
    const std::string dialog =
        fmt::format("value-input dialog ({} visible fields, ok or cancel)", model.ShownRows());
    return AskDialog(dialog, [&](const SessionAnswer& answer, bool& invalid) -> std::string {
        if (answer.kind == Kind::Ok) {
            return {};
        }
        if (answer.kind != Kind::Fields ||
            answer.fields.size() != static_cast<std::size_t>(model.ShownRows())) {
            invalid = true;
            return {};
        }
        std::string refusal = Refusal(model.Accept(answer.fields));
        rows = model.Rows();
        return refusal;
    });
}

CSessionAnswers::Outcome CSessionAnswers::AnswerHelpLines(HelpLineValues& values) {
    constexpr int kLines = CHelpLinesModel::kLines;
    return AskDialog(
        "help-lines dialog (for each of the seven rows a check box 0 or 1 and a position, ok or "
        "cancel)",
        [&](const SessionAnswer& answer, bool& invalid) -> std::string {
            CHelpLinesModel model(values);
            if (answer.kind == Kind::Ok) {
                return Refusal(model.Accept());
            }
            if (answer.kind != Kind::Fields || answer.fields.size() != 2 * kLines) {
                invalid = true;
                return {};
            }
            std::array<bool, kLines> shown{};
            std::array<std::string, kLines> positions;
            for (int row = 0; row < kLines; ++row) {
                const std::string& flag = answer.fields[2 * row];
                if (flag != "0" && flag != "1") {
                    invalid = true;
                    return {};
                }
                shown[row] = flag == "1";
                positions[row] = answer.fields[2 * row + 1];
            }
            std::string refusal = Refusal(model.Accept(shown, positions));
            values = model.Values();
            return refusal;
        });
}

}  // namespace korvo
