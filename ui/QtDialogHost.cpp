#include "QtDialogHost.h"

#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>
#include <QString>

#include "dialogs/CharDialog.h"
#include "dialogs/ConvertLinesDialog.h"
#include "dialogs/HelpLinesDialog.h"
#include "dialogs/UserGridDialog.h"
#include "dialogs/ValueInputDialog.h"

namespace korvo {

namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QMessageBox::StandardButtons ButtonsOf(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::Ok:
            return QMessageBox::Ok;
        case MessageButtons::OkCancel:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case MessageButtons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case MessageButtons::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

// The first button is the default, as the classic message boxes have it.
QMessageBox::StandardButton DefaultOf(MessageButtons buttons) {
    const bool asks = buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoCancel;
    return asks ? QMessageBox::Yes : QMessageBox::Ok;
}

MessageAnswer AnswerOf(int button) {
    switch (button) {
        case QMessageBox::Cancel:
            return MessageAnswer::Cancel;
        case QMessageBox::Yes:
            return MessageAnswer::Yes;
        case QMessageBox::No:
            return MessageAnswer::No;
        default:
            return MessageAnswer::Ok;
    }
}

// A font's window that is not on the screen yet (its file is still being read) would put a box
// at the screen's corner; the box goes over the window the user sees instead, or, before any
// is shown, to the middle of the screen.
QWidget* Anchor(QWidget* parent) {
    if (parent != nullptr && parent->window()->isVisible()) {
        return parent;
    }
    if (QWidget* active = QApplication::activeWindow()) {
        return active;
    }
    const QList<QWidget*> windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (window->isVisible() && qobject_cast<QMainWindow*>(window) != nullptr) {
            return window;
        }
    }
    return nullptr;
}

MessageAnswer AskBox(QWidget* parent, const QString& text, MessageButtons buttons) {
    const bool asks = buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoCancel;
    QMessageBox box(asks ? QMessageBox::Question : QMessageBox::Warning, QStringLiteral("KorvoFE"),
                    text, ButtonsOf(buttons), Anchor(parent));
    box.setDefaultButton(DefaultOf(buttons));
    return AnswerOf(box.exec());
}

}  // namespace

CQtDialogHost::CQtDialogHost(QWidget* parent) : parent_(parent) {}

MessageAnswer CQtDialogHost::ShowMessage(const MessageRequest& request) {
    return AskBox(parent_, FromUtf8(FormatMessageText(request)), request.buttons);
}

bool CQtDialogHost::AskUserGrid(float& x, float& y) {
    const auto grid = CUserGridDialog::AskUserGrid(parent_, x, y);
    if (!grid) {
        return false;
    }
    x = grid->first;
    y = grid->second;
    return true;
}

bool CQtDialogHost::AskValues(ValueInputRows& rows) {
    CValueInputDialog::Labels labels;
    CValueInputDialog::Values values{};
    for (int i = 0; i < kValueInputRows; ++i) {
        labels[i] = FromUtf8(rows[i].label);
        values[i] = rows[i].value;
    }
    const auto entered = CValueInputDialog::AskValues(parent_, labels, values);
    if (!entered) {
        return false;
    }
    for (int i = 0; i < kValueInputRows; ++i) {
        rows[i].value = (*entered)[i];
    }
    return true;
}

MessageAnswer CQtDialogHost::ShowText(std::string_view text, MessageButtons buttons) {
    return AskBox(parent_, FromUtf8(text), buttons);
}

bool CQtDialogHost::AskCharacter(int& code) {
    const auto chosen = CCharDialog::AskCharacter(parent_, code);
    if (!chosen) {
        return false;
    }
    code = *chosen;
    return true;
}

bool CQtDialogHost::AskLineCount(int& count) {
    const auto chosen = CConvertLinesDialog::AskLineCount(parent_, count);
    if (!chosen) {
        return false;
    }
    count = *chosen;
    return true;
}

bool CQtDialogHost::AskHelpLines(HelpLineValues& values) {
    const auto edited = CHelpLinesDialog::AskHelpLines(parent_, values);
    if (!edited) {
        return false;
    }
    values = *edited;
    return true;
}

MessageAnswer CQtDialogHost::AskSaveModified(std::string_view documentName) {
    const QString text = QStringLiteral("Save changes to %1?").arg(FromUtf8(documentName));
    return AskBox(parent_, text, MessageButtons::YesNoCancel);
}

}  // namespace korvo
