#include "customize/MenusPage.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "CommandActions.h"
#include "customize/CommandListWidget.h"
#include "customize/ContextMenuManager.h"
#include "customize/DialogWidgets.h"

namespace korvo {

CMenusPage::CMenusPage(CContextMenuManager& menus, const CCommandActions& actions, QWidget* parent)
    : QWidget(parent), menus_(menus), actions_(actions) {
    BuildLayout();
    for (const QString& name : menus_.Names()) {
        menuChoice_->addItem(name);
    }
    palette_->ShowPalette(actions_, false);
    RefreshEntries();
}

void CMenusPage::BuildLayout() {
    auto* layout = new QGridLayout(this);
    menuChoice_ = new QComboBox(this);
    menuChoice_->setObjectName(QStringLiteral("menuChoice"));
    entries_ = new CCommandListWidget(this);
    entries_->setObjectName(QStringLiteral("menuEntries"));
    palette_ = new CCommandListWidget(this);
    palette_->setObjectName(QStringLiteral("menuPalette"));
    layout->addWidget(Label(QStringLiteral("&Context menu:"), menuChoice_), 0, 0);
    layout->addWidget(menuChoice_, 1, 0);
    layout->addWidget(Label(QStringLiteral("&Entries:"), entries_), 2, 0);
    layout->addWidget(entries_, 3, 0);
    layout->addWidget(Label(QStringLiteral("C&ommands (drag into the menu):"), palette_), 2, 2);
    layout->addWidget(palette_, 3, 2);

    auto* column = new QVBoxLayout;
    column->addStretch();
    auto* add = new QPushButton(QStringLiteral("<< &Add"), this);
    auto* remove = new QPushButton(QStringLiteral("Re&move >>"), this);
    auto* reset = new QPushButton(QStringLiteral("&Reset"), this);
    add->setObjectName(QStringLiteral("menuAdd"));
    remove->setObjectName(QStringLiteral("menuRemove"));
    reset->setObjectName(QStringLiteral("menuReset"));
    column->addWidget(add);
    column->addWidget(remove);
    column->addSpacing(12);
    column->addWidget(reset);
    column->addStretch();
    layout->addLayout(column, 3, 1);

    connect(menuChoice_, &QComboBox::currentIndexChanged, this, &CMenusPage::RefreshEntries);
    connect(add, &QPushButton::clicked, this, &CMenusPage::OnAdd);
    connect(remove, &QPushButton::clicked, this, &CMenusPage::OnRemove);
    connect(reset, &QPushButton::clicked, this, &CMenusPage::OnReset);
    connect(palette_, &QListWidget::itemDoubleClicked, this, &CMenusPage::OnAdd);
    connect(entries_, &CCommandListWidget::Dropped, this, &CMenusPage::OnDropped);
    connect(palette_, &CCommandListWidget::Dropped, this, &CMenusPage::OnDropped);
}

QString CMenusPage::CurrentMenu() const {
    return menuChoice_->currentText();
}

void CMenusPage::RefreshEntries() {
    entries_->ShowCommands(actions_, menus_.Commands(CurrentMenu()));
}

void CMenusPage::Change(const std::vector<int>& commands) {
    menus_.SetCommands(CurrentMenu(), commands);
    RefreshEntries();
}

void CMenusPage::OnAdd() {
    const int row = palette_->currentRow();
    if (row < 0 || CurrentMenu().isEmpty()) {
        return;
    }
    std::vector<int> commands = menus_.Commands(CurrentMenu());
    const int at =
        entries_->currentRow() < 0 ? static_cast<int>(commands.size()) : entries_->currentRow() + 1;
    commands.insert(commands.begin() + at, palette_->CommandAt(row));
    Change(commands);
    entries_->setCurrentRow(at);
}

void CMenusPage::OnRemove() {
    std::vector<int> commands = menus_.Commands(CurrentMenu());
    const int row = entries_->currentRow();
    if (row >= 0 && row < static_cast<int>(commands.size())) {
        commands.erase(commands.begin() + row);
        Change(commands);
    }
}

void CMenusPage::OnReset() {
    menus_.Reset(CurrentMenu());
    RefreshEntries();
}

void CMenusPage::OnDropped(int command, int sourceRow, QObject* source, int row) {
    std::vector<int> commands = menus_.Commands(CurrentMenu());
    const int size = static_cast<int>(commands.size());
    const bool fromEntries = source == entries_ && sourceRow >= 0 && sourceRow < size;
    if (sender() == palette_) {
        if (fromEntries) {
            commands.erase(commands.begin() + sourceRow);
        }
    } else if (fromEntries) {
        commands.erase(commands.begin() + sourceRow);
        const int to = std::clamp(row > sourceRow ? row - 1 : row, 0, size - 1);
        commands.insert(commands.begin() + to, command);
    } else if (source == palette_) {
        commands.insert(commands.begin() + std::clamp(row, 0, size), command);
    }
    Change(commands);
}

}  // namespace korvo
