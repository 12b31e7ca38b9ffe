#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/MessageHost.h"

namespace korvo::test {

// Records every message and answers from a script (Ok once the script runs out).
class ScriptedMessageHost : public IMessageHost {
public:
    struct Shown {
        std::string text;
        MessageButtons buttons;
    };

    void Answer(MessageAnswer answer) { answers_.push_back(answer); }
    MessageAnswer ShowMessage(std::string_view text, MessageButtons buttons) override;

    const std::vector<Shown>& Messages() const { return shown_; }

private:
    std::deque<MessageAnswer> answers_;
    std::vector<Shown> shown_;
};

}  // namespace korvo::test
