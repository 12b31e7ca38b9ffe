#pragma once

#include <QWidget>
#include <functional>

class QKeySequence;
class QKeySequenceEdit;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace korvo {

class CCommandActions;
class CShortcutManager;

// The Keyboard page of the Customize dialog: the keys of each command, a new key for the chosen
// command, and the removal of a key. A key that another command answers is only moved after the
// user agreed.
class CKeyboardPage : public QWidget {
    Q_OBJECT

public:
    // Asked before a key is taken from another command; true lets it go ahead.
    using Confirm = std::function<bool(const QString& question)>;

    CKeyboardPage(CShortcutManager& keys, const CCommandActions& actions, QWidget* parent);

    // Replaces the message box that asks about a key in use.
    void SetConfirm(Confirm confirm) { confirm_ = std::move(confirm); }

private:
    void BuildLayout();
    void FillCommands();
    void RefreshKeys();
    void OnKeyEdited();
    void OnAssign();
    void OnRemove();
    void OnResetAll();
    void OnFilter(const QString& text);
    int CurrentCommand() const;
    QString CommandName(int id) const;

    CShortcutManager& keys_;
    const CCommandActions& actions_;
    Confirm confirm_;
    QLineEdit* filter_ = nullptr;
    QListWidget* commands_ = nullptr;
    QListWidget* current_ = nullptr;
    QKeySequenceEdit* newKey_ = nullptr;
    QLabel* inUse_ = nullptr;
    QPushButton* assign_ = nullptr;
    QPushButton* remove_ = nullptr;
};

}  // namespace korvo
