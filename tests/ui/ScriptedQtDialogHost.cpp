#include "ScriptedQtDialogHost.h"

#include <QApplication>
#include <QTest>

#include "MainFrame.h"

namespace korvo::test {

std::unique_ptr<CKorvoFEApp> ScriptedEditor(DialogScript& script) {
    auto app = std::make_unique<CKorvoFEApp>();
    app->SetDialogHostFactory([&script](QWidget* parent) {
        return std::make_unique<ScriptedQtDialogHost>(parent, script);
    });
    return app;
}

bool Activate(CMainFrame& frame) {
    QApplication::setActiveWindow(&frame);
    return QTest::qWaitForWindowActive(&frame);
}

ScriptedQtDialogHost::ScriptedQtDialogHost(QWidget* parent, DialogScript& script)
    : CQtDialogHost(parent), script_(script) {}

MessageAnswer ScriptedQtDialogHost::Answer(MessageButtons buttons) {
    if (!script_.answers.empty()) {
        const MessageAnswer answer = script_.answers.front();
        script_.answers.pop_front();
        return answer;
    }
    switch (buttons) {
        case MessageButtons::Ok:
            return MessageAnswer::Ok;
        case MessageButtons::YesNo:
            return MessageAnswer::No;
        default:
            return MessageAnswer::Cancel;
    }
}

MessageAnswer ScriptedQtDialogHost::ShowMessage(const MessageRequest& request) {
    script_.asked.push_back("message " + std::to_string(request.id.stringId));
    script_.messages.push_back(request);
    return Answer(request.buttons);
}

MessageAnswer ScriptedQtDialogHost::ShowText(std::string_view text, MessageButtons buttons) {
    script_.asked.push_back("text " + std::string(text));
    return Answer(buttons);
}

MessageAnswer ScriptedQtDialogHost::AskSaveModified(std::string_view documentName) {
    script_.asked.push_back("save " + std::string(documentName));
    return Answer(MessageButtons::YesNoCancel);
}

bool ScriptedQtDialogHost::AskCharacter(int& code) {
    script_.asked.push_back("character " + std::to_string(code));
    if (script_.characters.empty()) {
        return false;
    }
    code = script_.characters.front();
    script_.characters.pop_front();
    return true;
}

bool ScriptedQtDialogHost::AskUserGrid(float& x, float& y) {
    script_.asked.push_back("user grid");
    if (script_.userGrids.empty()) {
        return false;
    }
    std::tie(x, y) = script_.userGrids.front();
    script_.userGrids.pop_front();
    return true;
}

bool ScriptedQtDialogHost::AskValues(ValueInputRows&) {
    script_.asked.push_back("values");
    return false;
}

bool ScriptedQtDialogHost::AskLineCount(int&) {
    script_.asked.push_back("line count");
    return false;
}

bool ScriptedQtDialogHost::AskHelpLines(HelpLineValues&) {
    script_.asked.push_back("help lines");
    return false;
}

}  // namespace korvo::test
