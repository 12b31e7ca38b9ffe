#pragma once

#include <QPointer>
#include <QWidget>
#include <string_view>

#include "platform/DialogHost.h"
#include "platform/DocumentHost.h"

namespace korvo {

// The editor's answers to the questions of the core: message boxes titled "KorvoFE" with the
// buttons the request names, and the modal dialogs of ui/dialogs, all over `parent`.
//
// It answers a view's questions as its IDialogHost; its ShowMessage answers the document's
// messages too. The document's other questions (character, convert-to-lines, help lines, the
// save question) are here under the names and signatures of IDocumentHost, so the document's
// host forwards them one to one and adds what only the windows know: UpdateAllViews. Every
// answer is virtual, so a test or a scripted session can stand in for the user.
class CQtDialogHost : public IDialogHost {
public:
    explicit CQtDialogHost(QWidget* parent);

    // --- IDialogHost -----------------------------------------------------------------------
    MessageAnswer ShowMessage(const MessageRequest& request) override;
    bool AskUserGrid(float& x, float& y) override;
    bool AskValues(ValueInputRows& rows) override;

    // --- the document's questions (IDocumentHost) -------------------------------------------
    // A message the windows compose themselves from the reader's descriptions of a font file.
    virtual MessageAnswer ShowText(std::string_view text, MessageButtons buttons);
    virtual bool AskCharacter(int& code);
    virtual bool AskLineCount(int& count);
    virtual bool AskHelpLines(HelpLineValues& values);
    // "Save changes to <name>?" with Yes, No and Cancel.
    virtual MessageAnswer AskSaveModified(std::string_view documentName);

    QWidget* Parent() const { return parent_; }

private:
    QPointer<QWidget> parent_;
};

}  // namespace korvo
