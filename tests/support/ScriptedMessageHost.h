#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/MessageHost.h"

namespace korvo::test {

// Records every message and answers from a script (Ok once the script runs out).
class ScriptedMessageHost : public IMessageHost {
public:
    void Answer(MessageAnswer answer) { answers_.push_back(answer); }
    MessageAnswer ShowMessage(const MessageRequest& request) override;

    // Every message asked, by identity and arguments, in order.
    const std::vector<MessageRequest>& Messages() const { return shown_; }

private:
    std::deque<MessageAnswer> answers_;
    std::vector<MessageRequest> shown_;
};

}  // namespace korvo::test
