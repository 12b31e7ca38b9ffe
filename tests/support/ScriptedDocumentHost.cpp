#include "support/ScriptedDocumentHost.h"

namespace korvo::test {

namespace {

template <class T>
std::optional<T> Next(std::deque<T>& script) {
    if (script.empty()) {
        return std::nullopt;
    }
    T value = script.front();
    script.pop_front();
    return value;
}

}  // namespace

MessageAnswer ScriptedDocumentHost::ShowMessage(const MessageRequest& request) {
    shown_.push_back(request);
    if (const auto answer = Next(answers_)) {
        return *answer;
    }
    return request.buttons == MessageButtons::Ok || request.buttons == MessageButtons::OkCancel
               ? MessageAnswer::Ok
               : MessageAnswer::Yes;
}

bool ScriptedDocumentHost::AskCharacter(int& code) {
    characterPresets_.push_back(code);
    if (characters_.empty()) {
        return true;
    }
    const std::optional<int> answer = *Next(characters_);
    if (!answer) {
        return false;
    }
    code = *answer;
    return true;
}

bool ScriptedDocumentHost::AskLineCount(int& count) {
    if (lineCounts_.empty()) {
        return true;
    }
    const std::optional<int> answer = *Next(lineCounts_);
    if (!answer) {
        return false;
    }
    count = *answer;
    return true;
}

bool ScriptedDocumentHost::AskHelpLines(HelpLineValues& values) {
    helpLinesShown.push_back(values);
    if (!helpLinesAnswer) {
        return false;
    }
    values = *helpLinesAnswer;
    return true;
}

MessageAnswer ScriptedDocumentHost::AskSaveModified(std::string_view) {
    ++saveQuestions_;
    return MessageAnswer::No;
}

}  // namespace korvo::test
