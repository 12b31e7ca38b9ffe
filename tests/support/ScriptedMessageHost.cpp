#include "support/ScriptedMessageHost.h"

namespace korvo::test {

MessageAnswer ScriptedMessageHost::ShowMessage(std::string_view text, MessageButtons buttons) {
    shown_.push_back({std::string(text), buttons});
    if (answers_.empty()) {
        return MessageAnswer::Ok;
    }
    const MessageAnswer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

}  // namespace korvo::test
