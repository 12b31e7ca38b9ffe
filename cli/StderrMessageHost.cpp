#include "StderrMessageHost.h"

#include <iostream>

namespace korvo {

MessageAnswer CStderrMessageHost::ShowMessage(const MessageRequest& request) {
    ++count_;
    std::cerr << "korvofont: " << FormatMessageText(request) << '\n';
    switch (request.buttons) {
        case MessageButtons::YesNo:
        case MessageButtons::YesNoCancel:
            return MessageAnswer::Yes;
        case MessageButtons::Ok:
        case MessageButtons::OkCancel:
            break;
    }
    return MessageAnswer::Ok;
}

}  // namespace korvo
