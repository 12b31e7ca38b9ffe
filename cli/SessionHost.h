#pragma once

#include <memory>
#include <ostream>
#include <string>

#include "SessionAnswers.h"
#include "headless/HeadlessHost.h"
#include "platform/DialogHost.h"
#include "platform/DocumentHost.h"

namespace korvo {

// The window, the dialogs and the message boxes of a session: the headless window and its event
// loop, with the answers from the script. The view asks it what it would ask the editor's window,
// the document what it would ask the editor. Every status-pane change and every message can be
// traced, one per line.
class CSessionHost final : public CHeadlessHost, public IDialogHost, public IDocumentHost {
public:
    // Each script line takes this long on the session's clock: one tick of the auto-scroll timer.
    static constexpr long long kLineMs = 50;

    CSessionHost(DevicePoint client, std::ostream& err, std::ostream* trace);
    ~CSessionHost() override;

    // The script line now running, for the reports.
    void SetLine(int line) { line_ = line; }
    CSessionAnswers& Answers() { return answers_; }
    // Why the session must stop (an answer that cannot answer its question); empty while it may
    // go on.
    const std::string& Failure() const { return failure_; }

    void SetPointer(DevicePoint client) { pointer = client; }
    // Says on standard error what the user of the running line should know.
    void Report(std::string_view text) { Report(line_, text); }
    // The command as the window's menus, toolbars and keys deliver it: not while the view greys
    // it.
    void DeliverCommand(int id);

    // --- IViewHost ---------------------------------------------------------------------------
    std::unique_ptr<IDrawSurface> CreateSurface(int width, int height) override;
    void SetStatusText(int pane, std::string_view text) override;
    IDialogHost& Dialogs() override { return *this; }

    // --- IDialogHost (its ShowMessage answers the document's messages too) --------------------
    MessageAnswer ShowMessage(const MessageRequest& request) override;
    bool AskUserGrid(float& x, float& y) override;
    bool AskValues(ValueInputRows& rows) override;

    // --- IDocumentHost -----------------------------------------------------------------------
    bool AskCharacter(int& code) override;
    bool AskLineCount(int& count) override;
    bool AskHelpLines(HelpLineValues& values) override;
    MessageAnswer AskSaveModified(std::string_view documentName) override;
    void UpdateAllViews(int hint) override;

private:
    MessageAnswer Message(const std::string& text, MessageButtons buttons);
    // Turns the answer queue's outcome into the dialog's result, reporting what the user should
    // know; `dialog` names it in the reports.
    bool DialogResult(CSessionAnswers::Outcome outcome, std::string_view dialog);
    void Report(int line, std::string_view text);
    void Trace(std::string_view text);

    std::ostream& err_;
    std::ostream* trace_;
    int line_ = 0;
    CSessionAnswers answers_;
    std::string failure_;
};

}  // namespace korvo
