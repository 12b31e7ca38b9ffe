#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/DocumentHost.h"

namespace korvo::test {

// Answers every question of a document from a script and records what was asked. Messages are
// answered in order (Ok, or Yes for yes/no questions, once the script runs out); each dialog
// has its own script (an empty optional cancels it); without a script a dialog is confirmed
// unchanged. The save question is always answered No.
class ScriptedDocumentHost : public IDocumentHost {
public:
    void Answer(MessageAnswer answer) { answers_.push_back(answer); }
    void AnswerCharacter(std::optional<int> code) { characters_.push_back(code); }
    void AnswerLineCount(std::optional<int> count) { lineCounts_.push_back(count); }

    MessageAnswer ShowMessage(const MessageRequest& request) override;
    bool AskCharacter(int& code) override;
    bool AskLineCount(int& count) override;
    bool AskHelpLines(HelpLineValues& values) override;
    MessageAnswer AskSaveModified(std::string_view documentName) override;
    void UpdateAllViews(int hint) override { hints_.push_back(hint); }

    // Every message asked, by identity and arguments, in order.
    const std::vector<MessageRequest>& Messages() const { return shown_; }
    // What each dialog was preset to, in the order they were shown.
    const std::vector<int>& CharacterPresets() const { return characterPresets_; }
    int SaveQuestions() const { return saveQuestions_; }
    const std::vector<int>& Hints() const { return hints_; }

    // The help-lines dialog: what it was shown, and what it answers (nullopt: Cancel).
    std::optional<HelpLineValues> helpLinesAnswer;
    std::vector<HelpLineValues> helpLinesShown;

private:
    std::deque<MessageAnswer> answers_;
    std::deque<std::optional<int>> characters_;
    std::deque<std::optional<int>> lineCounts_;
    std::vector<MessageRequest> shown_;
    std::vector<int> characterPresets_;
    int saveQuestions_ = 0;
    std::vector<int> hints_;
};

}  // namespace korvo::test
