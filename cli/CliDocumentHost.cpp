#include "CliDocumentHost.h"

#include <iostream>

#include "resources/StringTable.h"

namespace korvo {

MessageAnswer CCliDocumentHost::ShowMessage(const MessageRequest& request) {
    if (request.id == MessageId::String(IDS_TRIM_LINES) &&
        request.buttons == MessageButtons::YesNo) {
        // Say what was decided, so that clipped lines never come as a surprise.
        std::cerr << "korvofont: " << FormatMessageText(request) << ' '
                  << (answers_.trim == MessageAnswer::No ? "no" : "yes") << '\n';
        return answers_.trim;
    }
    if (request.id == MessageId::String(IDS_TOO_MANY_COMMANDS)) {
        tooManyPairs_ = true;
    }
    return stderr_.ShowMessage(request);
}

bool CCliDocumentHost::AskCharacter(int& code) {
    if (!answers_.character) {
        return false;
    }
    code = *answers_.character;
    return true;
}

bool CCliDocumentHost::AskLineCount(int& count) {
    if (answers_.lineCount) {
        count = *answers_.lineCount;
    }
    return true;
}

}  // namespace korvo
