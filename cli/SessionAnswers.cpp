#include "SessionAnswers.h"

#include <fmt/format.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

namespace korvo {

namespace {

// The ranges the dialogs accept on OK.
constexpr int kFirstCharacter = 33;
constexpr int kLastCharacter = 255;
constexpr int kFewestLines = 2;
constexpr int kMostLines = 255;
constexpr double kHelpLineMin = 0.0;
constexpr double kHelpLineMax = 200.0;
constexpr std::size_t kHelpLineRows = 7;

using Kind = SessionAnswer::Kind;

// The checks of the dialogs' fields on OK: empty when the field is taken, else the message the
// dialog shows.
std::string CheckInteger(int value, int low, int high) {
    return value >= low && value <= high
               ? std::string()
               : fmt::format("Please enter an integer between {} and {}.", low, high);
}

std::string ReadIntegerField(const std::string& text, int low, int high, int& value) {
    int read = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), read);
    if (error != std::errc() || end != text.data() + text.size()) {
        return "Please enter an integer.";
    }
    std::string refusal = CheckInteger(read, low, high);
    if (refusal.empty()) {
        value = read;
    }
    return refusal;
}

// The script has made sure that every field is a finite number; a float cannot hold them all.
std::string ReadFloatField(const std::string& text, float& value) {
    const char* first = text.data() + (text.starts_with('+') ? 1 : 0);
    double read = 0.0;
    std::from_chars(first, text.data() + text.size(), read);
    if (!(std::fabs(read) <= std::numeric_limits<float>::max())) {
        return "Please enter a number.";
    }
    value = static_cast<float>(read);
    return {};
}

std::string CheckFloat(float value, double low, double high) {
    return value >= low && value <= high
               ? std::string()
               : fmt::format("Please enter a number between {:g} and {:g}.", low, high);
}

std::string ReadFloatField(const std::string& text, double low, double high, float& value) {
    float read = 0.0f;
    std::string refusal = ReadFloatField(text, read);
    if (refusal.empty()) {
        refusal = CheckFloat(read, low, high);
    }
    if (refusal.empty()) {
        value = read;
    }
    return refusal;
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
    return AskDialog("character dialog (a code from 33 to 255, ok or cancel)",
                     [&](const SessionAnswer& answer, bool& invalid) -> std::string {
                         if (answer.kind == Kind::Ok) {
                             return CheckInteger(code, kFirstCharacter, kLastCharacter);
                         }
                         if (answer.kind == Kind::Fields && answer.fields.size() == 1) {
                             return ReadIntegerField(answer.fields[0], kFirstCharacter,
                                                     kLastCharacter, code);
                         }
                         invalid = true;
                         return {};
                     });
}

CSessionAnswers::Outcome CSessionAnswers::AnswerLineCount(int& count) {
    return AskDialog("convert-to-lines dialog (lines from 2 to 255, max, ok or cancel)",
                     [&](const SessionAnswer& answer, bool& invalid) -> std::string {
                         // The max button ends the dialog without checking the field.
                         if (answer.kind == Kind::Max) {
                             count = 0;
                             return {};
                         }
                         if (answer.kind == Kind::Ok) {
                             return CheckInteger(count, kFewestLines, kMostLines);
                         }
                         if (answer.kind == Kind::Fields && answer.fields.size() == 1) {
                             return ReadIntegerField(answer.fields[0], kFewestLines, kMostLines,
                                                     count);
                         }
                         invalid = true;
                         return {};
                     });
}

CSessionAnswers::Outcome CSessionAnswers::AnswerUserGrid(float& x, float& y) {
    return AskDialog(
        "user grid dialog (grid size X and Y, ok or cancel)",
        [&](const SessionAnswer& answer, bool& invalid) -> std::string {
            float gx = x;
            float gy = y;
            std::string refusal;
            if (answer.kind == Kind::Fields && answer.fields.size() == 2) {
                refusal = ReadFloatField(answer.fields[0], kUserGridMin, kUserGridMax, gx);
                if (refusal.empty()) {
                    refusal = ReadFloatField(answer.fields[1], kUserGridMin, kUserGridMax, gy);
                }
            } else if (answer.kind == Kind::Ok) {
                refusal = CheckFloat(gx, kUserGridMin, kUserGridMax);
                if (refusal.empty()) {
                    refusal = CheckFloat(gy, kUserGridMin, kUserGridMax);
                }
            } else {
                invalid = true;
            }
            if (refusal.empty() && !invalid) {
                x = gx;
                y = gy;
            }
            return refusal;
        });
}

CSessionAnswers::Outcome CSessionAnswers::AnswerValues(ValueInputRows& rows) {
    std::size_t visible = 0;
    for (const ValueInputRow& row : rows) {
        visible += row.label.empty() ? 0 : 1;
    }
    const std::string dialog =
        fmt::format("value-input dialog ({} visible fields, ok or cancel)", visible);
    return AskDialog(dialog, [&](const SessionAnswer& answer, bool& invalid) -> std::string {
        if (answer.kind == Kind::Ok) {
            return {};
        }
        if (answer.kind != Kind::Fields || answer.fields.size() != visible) {
            invalid = true;
            return {};
        }
        ValueInputRows entered = rows;
        std::size_t field = 0;
        for (ValueInputRow& row : entered) {
            if (row.label.empty()) {
                continue;
            }
            if (std::string refusal = ReadFloatField(answer.fields[field++], row.value);
                !refusal.empty()) {
                return refusal;
            }
        }
        rows = entered;
        return {};
    });
}

CSessionAnswers::Outcome CSessionAnswers::AnswerHelpLines(HelpLineValues& values) {
    return AskDialog(
        "help-lines dialog (for each of the seven rows a check box 0 or 1 and a position, ok or "
        "cancel)",
        [&](const SessionAnswer& answer, bool& invalid) -> std::string {
            HelpLineValues entered = values;
            if (answer.kind == Kind::Fields && answer.fields.size() == 2 * kHelpLineRows) {
                for (std::size_t row = 0; row < kHelpLineRows; ++row) {
                    const std::string& flag = answer.fields[2 * row];
                    if (flag != "0" && flag != "1") {
                        invalid = true;
                        return {};
                    }
                    entered.flags[row] = flag == "1" ? 1 : 0;
                }
                for (std::size_t row = 0; row < kHelpLineRows; ++row) {
                    if (std::string refusal =
                            ReadFloatField(answer.fields[2 * row + 1], kHelpLineMin, kHelpLineMax,
                                           entered.positions[row]);
                        !refusal.empty()) {
                        return refusal;
                    }
                }
            } else if (answer.kind == Kind::Ok) {
                for (const float position : entered.positions) {
                    if (std::string refusal = CheckFloat(position, kHelpLineMin, kHelpLineMax);
                        !refusal.empty()) {
                        return refusal;
                    }
                }
            } else {
                invalid = true;
                return {};
            }
            values = entered;
            return {};
        });
}

}  // namespace korvo
