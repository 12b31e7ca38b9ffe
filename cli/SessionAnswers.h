#pragma once

#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "SessionScript.h"
#include "dialogs/CodeModel.h"
#include "platform/DialogHost.h"
#include "platform/DocumentHost.h"

namespace korvo {

// The answers a session script queues for the message boxes and dialogs to come, handed out in
// order. Each dialog checks an answer the way its window checks what the user typed: a value out
// of range shows the dialog's range message and the dialog stays open for the next answer.
class CSessionAnswers {
public:
    enum class Outcome {
        Answered,    // the values hold the answer
        Cancelled,   // the script said cancel
        Unanswered,  // nothing was queued: the question is to be cancelled
        Invalid      // the answer cannot answer this question at all; Error() says why
    };
    // Receives each range message a dialog shows, with the line of the refused answer.
    using RangeReport = std::function<void(int line, std::string_view message)>;

    explicit CSessionAnswers(RangeReport report = {}) : report_(std::move(report)) {}

    void Push(const SessionLine& line);
    bool Empty() const { return queue_.empty(); }
    // The lines of the answers still queued.
    std::vector<int> PendingLines() const;
    // Why the last Invalid came, naming the answer's line.
    const std::string& Error() const { return error_; }

    Outcome AnswerMessage(MessageButtons buttons, MessageAnswer& answer);
    // The dialogs: on Answered the arguments hold the accepted values; otherwise they are as
    // they came (the presets, which "ok" accepts).
    Outcome AnswerCharacter(int& code);
    Outcome AnswerLineCount(int& count);
    Outcome AnswerUserGrid(float& x, float& y);
    Outcome AnswerValues(ValueInputRows& rows);
    Outcome AnswerHelpLines(HelpLineValues& values);

    // What closing a message box without an answer gives: Cancel where the box has a Cancel
    // button, else its harmless choice (No of a Yes/No question, OK of a notice).
    static MessageAnswer DismissAnswer(MessageButtons buttons);

private:
    struct Queued {
        int line = 0;
        std::string text;
        SessionAnswer answer;
    };
    // A dialog's check of one answer: empty when it takes it, else the range message it shows.
    // It sets `invalid` when the answer cannot fit the dialog at all.
    using Check = std::function<std::string(const SessionAnswer& answer, bool& invalid)>;

    Outcome AskDialog(std::string_view dialog, const Check& check);
    // A dialog of one whole number; `hasMax` when its max button answers "as many as fit".
    Outcome AnswerCode(std::string_view dialog, CCodeModel model, int& value, bool hasMax);

    RangeReport report_;
    std::deque<Queued> queue_;
    std::string error_;
};

}  // namespace korvo
