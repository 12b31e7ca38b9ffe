#pragma once

#include <vector>

#include "platform/DocumentHost.h"

namespace korvo {

class CKorvoFEView;
class CQtDialogHost;

// The host of a document in the editor: its questions go to the child window's dialog host,
// and its updates to every view that shows it.
class CQtDocumentHost final : public IDocumentHost {
public:
    explicit CQtDocumentHost(CQtDialogHost& dialogs);

    void AddView(CKorvoFEView& view);
    void RemoveView(CKorvoFEView& view);

    MessageAnswer ShowMessage(const MessageRequest& request) override;
    bool AskCharacter(int& code) override;
    bool AskLineCount(int& count) override;
    bool AskHelpLines(HelpLineValues& values) override;
    MessageAnswer AskSaveModified(std::string_view documentName) override;
    void UpdateAllViews(int hint) override;

    // While a file is read its messages wait, so the window can first ask what it asks about
    // the file as a whole (whether to open what may be no font at all); then they are shown,
    // or dropped with the file the user declined.
    void HoldMessages() { holding_ = true; }
    void ReleaseMessages(bool show);

private:
    CQtDialogHost& dialogs_;
    std::vector<CKorvoFEView*> views_;
    bool holding_ = false;
    std::vector<MessageRequest> held_;
};

}  // namespace korvo
