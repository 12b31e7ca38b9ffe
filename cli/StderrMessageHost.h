#pragma once

#include "platform/MessageHost.h"

namespace korvo {

// On the command line there is nobody to click a button: messages go to standard error and the
// answer is always the first button.
class CStderrMessageHost : public IMessageHost {
public:
    MessageAnswer ShowMessage(const MessageRequest& request) override;
    int MessageCount() const { return count_; }

private:
    int count_ = 0;
};

}  // namespace korvo
