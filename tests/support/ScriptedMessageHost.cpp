#include "support/ScriptedMessageHost.h"

namespace korvo::test {

MessageAnswer ScriptedMessageHost::ShowMessage(const MessageRequest& request) {
    shown_.push_back(request);
    if (answers_.empty()) {
        return MessageAnswer::Ok;
    }
    const MessageAnswer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

}  // namespace korvo::test
