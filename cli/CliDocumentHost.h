#pragma once

#include <optional>

#include "StderrMessageHost.h"
#include "platform/DocumentHost.h"

namespace korvo {

// The answers a command line gives in advance to what a document may ask.
struct CliAnswers {
    // "Trim lines at the drawing-area ?"
    MessageAnswer trim = MessageAnswer::Yes;
    // Lines per curve for the convert-to-lines dialog, 0 for as many as fit; unset keeps the
    // dialog's preset.
    std::optional<int> lineCount;
    // The character dialog's choice; unset cancels the dialog.
    std::optional<int> character;
};

// A document host without a window: messages go to standard error and questions are answered
// from the command line. It remembers whether a drawing was refused for its size, since that is
// the one message the tool turns into its exit status.
class CCliDocumentHost : public IDocumentHost {
public:
    explicit CCliDocumentHost(CliAnswers answers = {}) : answers_(answers) {}

    MessageAnswer ShowMessage(const MessageRequest& request) override;
    bool AskCharacter(int& code) override;
    bool AskLineCount(int& count) override;
    bool AskHelpLines(HelpLineValues&) override { return false; }
    MessageAnswer AskSaveModified(std::string_view) override { return MessageAnswer::No; }
    void UpdateAllViews(int) override {}

    int MessageCount() const { return stderr_.MessageCount(); }
    bool TooManyPairsShown() const { return tooManyPairs_; }

private:
    CliAnswers answers_;
    CStderrMessageHost stderr_;
    bool tooManyPairs_ = false;
};

}  // namespace korvo
