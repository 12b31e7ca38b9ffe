#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "platform/MessageHost.h"

namespace korvo {

// The seven help lines of a sheet as the help-lines dialog edits them: three vertical positions,
// then four horizontal ones, each with its on/off flag.
struct HelpLineValues {
    std::array<float, 7> positions{};
    std::array<std::int32_t, 7> flags{};
};

// What a document asks of the world around it: the user's answers to its questions and dialogs,
// and the views that show it. The editor answers with real dialogs; the command-line tool and
// the tests answer from a script.
class IDocumentHost : public IMessageHost {
public:
    // The character dialog, preset to `code`; false when cancelled, else `code` is the choice.
    virtual bool AskCharacter(int& code) = 0;
    // The convert-to-lines dialog, preset to `count`; false when cancelled, else `count` is the
    // number of lines per curve, 0 meaning as many as fit.
    virtual bool AskLineCount(int& count) = 0;
    // The help-lines dialog; false when cancelled, else `values` holds the edited lines.
    virtual bool AskHelpLines(HelpLineValues& values) = 0;
    // The question before a modified font is closed: save it (Yes), drop the changes (No), or
    // keep the document open (Cancel).
    virtual MessageAnswer AskSaveModified(std::string_view documentName) = 0;
    // Every view of the document redraws; `hint` says how much changed.
    virtual void UpdateAllViews(int hint) = 0;
};

}  // namespace korvo
