#include "CliDocumentHost.h"

#include <iostream>

#include "resources/StringTable.h"

namespace korvo {

namespace {

// The refusal carries the needed count, so only the text before the number identifies it.
bool IsTooManyPairs(std::string_view text) {
    const std::string_view format = LoadString(IDS_TOO_MANY_COMMANDS);
    const std::string_view fixed = format.substr(0, format.find('%'));
    return !fixed.empty() && text.starts_with(fixed);
}

}  // namespace

MessageAnswer CCliDocumentHost::ShowMessage(std::string_view text, MessageButtons buttons) {
    if (text == LoadString(IDS_TRIM_LINES) && buttons == MessageButtons::YesNo) {
        // Say what was decided, so that clipped lines never come as a surprise.
        std::cerr << "korvofont: " << text << ' '
                  << (answers_.trim == MessageAnswer::No ? "no" : "yes") << '\n';
        return answers_.trim;
    }
    if (IsTooManyPairs(text)) {
        tooManyPairs_ = true;
    }
    return stderr_.ShowMessage(text, buttons);
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
