#include "QtDocumentHost.h"

#include <algorithm>

#include "QtDialogHost.h"
#include "view/KorvoFEView.h"

namespace korvo {

CQtDocumentHost::CQtDocumentHost(CQtDialogHost& dialogs) : dialogs_(dialogs) {}

void CQtDocumentHost::AddView(CKorvoFEView& view) {
    views_.push_back(&view);
}

void CQtDocumentHost::RemoveView(CKorvoFEView& view) {
    std::erase(views_, &view);
}

MessageAnswer CQtDocumentHost::ShowMessage(const MessageRequest& request) {
    // Only what needs no answer can wait.
    if (holding_ && request.buttons == MessageButtons::Ok) {
        held_.push_back(request);
        return MessageAnswer::Ok;
    }
    return dialogs_.ShowMessage(request);
}

void CQtDocumentHost::ReleaseMessages(bool show) {
    holding_ = false;
    const std::vector<MessageRequest> held = std::move(held_);
    held_.clear();
    for (const MessageRequest& request : held) {
        if (show) {
            dialogs_.ShowMessage(request);
        }
    }
}

bool CQtDocumentHost::AskCharacter(int& code) {
    return dialogs_.AskCharacter(code);
}

bool CQtDocumentHost::AskLineCount(int& count) {
    return dialogs_.AskLineCount(count);
}

bool CQtDocumentHost::AskHelpLines(HelpLineValues& values) {
    return dialogs_.AskHelpLines(values);
}

MessageAnswer CQtDocumentHost::AskSaveModified(std::string_view documentName) {
    return dialogs_.AskSaveModified(documentName);
}

void CQtDocumentHost::UpdateAllViews(int hint) {
    // A view may close while it updates (never today, but a copy costs nothing).
    const std::vector<CKorvoFEView*> views = views_;
    for (CKorvoFEView* view : views) {
        view->OnUpdate(hint);
    }
}

}  // namespace korvo
