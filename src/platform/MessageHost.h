#pragma once

#include <string_view>

namespace korvo {

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No };

// Where the core shows the messages a user must see. The editor answers with a message box; the
// command-line tool prints to standard error; tests script the answers.
class IMessageHost {
public:
    virtual ~IMessageHost() = default;
    virtual MessageAnswer ShowMessage(std::string_view text, MessageButtons buttons) = 0;
};

}  // namespace korvo
