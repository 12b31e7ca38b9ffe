#pragma once

#include <deque>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "KorvoFEApp.h"
#include "QtDialogHost.h"

namespace korvo::test {

// The user's answers for one test, taken in order by every window's dialog host, and what was
// asked. A question without a queued answer is cancelled (No for a Yes/No question), so a test
// never waits for a click.
struct DialogScript {
    std::deque<int> characters;
    std::deque<std::pair<float, float>> userGrids;
    std::deque<MessageAnswer> answers;
    std::vector<std::string> asked;
    // The messages among them, by identity and arguments.
    std::vector<MessageRequest> messages;
};

// The editor's dialog host with the script in place of the user.
class ScriptedQtDialogHost final : public CQtDialogHost {
public:
    ScriptedQtDialogHost(QWidget* parent, DialogScript& script);

    MessageAnswer ShowMessage(const MessageRequest& request) override;
    bool AskUserGrid(float& x, float& y) override;
    bool AskValues(ValueInputRows& rows) override;
    MessageAnswer ShowText(std::string_view text, MessageButtons buttons) override;
    bool AskCharacter(int& code) override;
    bool AskLineCount(int& count) override;
    bool AskHelpLines(HelpLineValues& values) override;
    MessageAnswer AskSaveModified(std::string_view documentName) override;

private:
    MessageAnswer Answer(MessageButtons buttons);

    DialogScript& script_;
};

// A new editor whose every window asks `script` instead of the user; InitInstance is left to the
// caller.
std::unique_ptr<CKorvoFEApp> ScriptedEditor(DialogScript& script);
// Makes the main window the active one and waits for it, as keyboard shortcuts need.
bool Activate(CMainFrame& frame);

}  // namespace korvo::test
