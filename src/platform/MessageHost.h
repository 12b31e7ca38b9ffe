#pragma once

#include "platform/Message.h"

namespace korvo {

// Where the core shows the messages a user must see, each by its identity and arguments. The
// editor answers with a message box; the command-line tool prints the text to standard error;
// tests script the answers and compare the ids.
class IMessageHost {
public:
    virtual ~IMessageHost() = default;
    virtual MessageAnswer ShowMessage(const MessageRequest& request) = 0;
};

}  // namespace korvo
