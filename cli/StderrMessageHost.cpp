#include "StderrMessageHost.h"

#include <iostream>

namespace korvo {

MessageAnswer CStderrMessageHost::ShowMessage(std::string_view text, MessageButtons buttons) {
    ++count_;
    std::cerr << "korvofont: " << text << '\n';
    switch (buttons) {
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
