#include "customize/KeyboardPage.h"

#include <QAction>
#include <QGridLayout>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>

#include "CommandActions.h"
#include "commands/CommandRegistry.h"
#include "customize/DialogWidgets.h"
#include "customize/ShortcutManager.h"

namespace korvo {

namespace {

// Rows without an image are as tall as the others, so the list reads evenly.
constexpr int kKeyRowHeight = 24;

// Commands the user can bind a key to: the ones a menu, a bar or a tooltip names.
bool Bindable(const CommandInfo& command) {
    const bool recentFile =
        command.id >= ID_FILE_MRU_FILE1 && command.id < ID_FILE_MRU_FILE1 + kRecentFileCount;
    return !recentFile && !TooltipOf(command).empty();
}

QString KeysText(const QList<QKeySequence>& keys) {
    QStringList parts;
    for (const QKeySequence& key : keys) {
        parts.append(key.toString(QKeySequence::NativeText));
    }
    return parts.join(QStringLiteral(", "));
}

}  // namespace

CKeyboardPage::CKeyboardPage(CShortcutManager& keys, const CCommandActions& actions,
                             QWidget* parent)
    : QWidget(parent), keys_(keys), actions_(actions) {
    confirm_ = [this](const QString& question) {
        return QMessageBox::question(this, QStringLiteral("Keyboard"), question) ==
               QMessageBox::Yes;
    };
    BuildLayout();
    FillCommands();
    commands_->setCurrentRow(0);
}

void CKeyboardPage::BuildLayout() {
    auto* layout = new QGridLayout(this);
    filter_ = new QLineEdit(this);
    filter_->setObjectName(QStringLiteral("filter"));
    filter_->setPlaceholderText(QStringLiteral("Search commands"));
    filter_->setClearButtonEnabled(true);
    commands_ = new QListWidget(this);
    commands_->setObjectName(QStringLiteral("commands"));
    current_ = new QListWidget(this);
    current_->setObjectName(QStringLiteral("currentKeys"));
    newKey_ = new QKeySequenceEdit(this);
    newKey_->setObjectName(QStringLiteral("newKey"));
    inUse_ = new QLabel(this);
    inUse_->setObjectName(QStringLiteral("inUse"));
    inUse_->setWordWrap(true);
    assign_ = new QPushButton(QStringLiteral("&Assign"), this);
    assign_->setObjectName(QStringLiteral("assign"));
    remove_ = new QPushButton(QStringLiteral("&Remove"), this);
    remove_->setObjectName(QStringLiteral("removeKey"));
    auto* resetAll = new QPushButton(QStringLiteral("Reset A&ll"), this);
    resetAll->setObjectName(QStringLiteral("resetKeys"));

    layout->addWidget(Label(QStringLiteral("&Commands:"), filter_), 0, 0);
    layout->addWidget(filter_, 1, 0);
    layout->addWidget(commands_, 2, 0, 6, 1);
    layout->addWidget(Label(QStringLiteral("C&urrent keys:"), current_), 0, 1, 1, 2);
    layout->addWidget(current_, 1, 1, 2, 1);
    layout->addWidget(remove_, 1, 2);
    layout->addWidget(Label(QStringLiteral("Press &new shortcut key:"), newKey_), 3, 1, 1, 2);
    layout->addWidget(newKey_, 4, 1);
    layout->addWidget(assign_, 4, 2);
    layout->addWidget(inUse_, 5, 1, 1, 2);
    layout->addWidget(resetAll, 7, 2);
    layout->setRowStretch(6, 1);
    layout->setColumnStretch(0, 3);
    layout->setColumnStretch(1, 2);

    connect(commands_, &QListWidget::currentRowChanged, this, &CKeyboardPage::RefreshKeys);
    connect(newKey_, &QKeySequenceEdit::keySequenceChanged, this, &CKeyboardPage::OnKeyEdited);
    connect(assign_, &QPushButton::clicked, this, &CKeyboardPage::OnAssign);
    connect(remove_, &QPushButton::clicked, this, &CKeyboardPage::OnRemove);
    connect(resetAll, &QPushButton::clicked, this, &CKeyboardPage::OnResetAll);
    connect(filter_, &QLineEdit::textChanged, this, &CKeyboardPage::OnFilter);
}

QString CKeyboardPage::CommandName(int id) const {
    return actions_.CommandName(id);
}

void CKeyboardPage::FillCommands() {
    commands_->clear();
    for (const CommandInfo& command : AllCommands()) {
        if (!Bindable(command)) {
            continue;
        }
        auto* item = new QListWidgetItem(CommandName(command.id), commands_);
        item->setData(Qt::UserRole, command.id);
        item->setSizeHint(QSize(0, kKeyRowHeight));
        item->setIcon(actions_.Action(command.id)->icon());
        item->setToolTip(actions_.Action(command.id)->statusTip());
    }
}

int CKeyboardPage::CurrentCommand() const {
    const QListWidgetItem* item = commands_->currentItem();
    return item != nullptr ? item->data(Qt::UserRole).toInt() : 0;
}

void CKeyboardPage::RefreshKeys() {
    current_->clear();
    const int id = CurrentCommand();
    for (const QKeySequence& key : keys_.Keys(id)) {
        auto* item = new QListWidgetItem(key.toString(QKeySequence::NativeText), current_);
        item->setData(Qt::UserRole, key.toString(QKeySequence::PortableText));
    }
    current_->setCurrentRow(0);
    remove_->setEnabled(current_->count() > 0);
    for (int row = 0; row < commands_->count(); ++row) {
        QListWidgetItem* item = commands_->item(row);
        const QString keys = KeysText(keys_.Keys(item->data(Qt::UserRole).toInt()));
        const QString name = CommandName(item->data(Qt::UserRole).toInt());
        item->setText(keys.isEmpty() ? name : QStringLiteral("%1   (%2)").arg(name, keys));
    }
    OnKeyEdited();
}

void CKeyboardPage::OnKeyEdited() {
    const QKeySequence key = newKey_->keySequence();
    const int owner = keys_.Owner(key);
    assign_->setEnabled(!key.isEmpty() && CurrentCommand() != 0 && owner != CurrentCommand());
    inUse_->setText(owner != 0 ? QStringLiteral("Currently assigned to: %1").arg(CommandName(owner))
                               : QString());
}

void CKeyboardPage::OnAssign() {
    const int id = CurrentCommand();
    const QKeySequence key = newKey_->keySequence();
    if (id == 0 || key.isEmpty()) {
        return;
    }
    const int owner = keys_.Owner(key);
    if (owner != 0 && owner != id) {
        const QString question =
            QStringLiteral("%1 is already the key of \"%2\".\nAssign it to \"%3\" instead?")
                .arg(key.toString(QKeySequence::NativeText), CommandName(owner), CommandName(id));
        if (!confirm_(question)) {
            return;
        }
    }
    keys_.Assign(id, key);
    newKey_->clear();
    RefreshKeys();
}

void CKeyboardPage::OnRemove() {
    const QListWidgetItem* item = current_->currentItem();
    if (item == nullptr) {
        return;
    }
    keys_.Remove(CurrentCommand(),
                 QKeySequence(item->data(Qt::UserRole).toString(), QKeySequence::PortableText));
    RefreshKeys();
}

void CKeyboardPage::OnResetAll() {
    keys_.ResetAll();
    RefreshKeys();
}

void CKeyboardPage::OnFilter(const QString& text) {
    for (int row = 0; row < commands_->count(); ++row) {
        QListWidgetItem* item = commands_->item(row);
        item->setHidden(!item->text().contains(text, Qt::CaseInsensitive));
    }
}

}  // namespace korvo
