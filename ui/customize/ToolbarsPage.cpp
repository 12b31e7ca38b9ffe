#include "customize/ToolbarsPage.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QToolBar>
#include <QVBoxLayout>

#include "CommandActions.h"
#include "customize/CommandListWidget.h"
#include "customize/DialogWidgets.h"
#include "customize/ToolbarManager.h"
#include "resources/CommandTable.h"

namespace korvo {

CToolbarsPage::CToolbarsPage(CToolbarManager& bars, const CCommandActions& actions, bool withGrid,
                             QWidget* parent)
    : QWidget(parent), bars_(bars), actions_(actions) {
    BuildLayout();
    palette_->ShowPalette(actions_, withGrid);
    RefreshBars();
    barList_->setCurrentRow(0);
    // Commands dropped straight onto a bar show here too.
    connect(&bars_, &CToolbarManager::BarsRebuilt, this, &CToolbarsPage::RefreshButtons);
}

void CToolbarsPage::BuildLayout() {
    auto* layout = new QGridLayout(this);
    barList_ = new QListWidget(this);
    barList_->setObjectName(QStringLiteral("barList"));
    buttons_ = new CCommandListWidget(this);
    buttons_->setObjectName(QStringLiteral("barButtons"));
    palette_ = new CCommandListWidget(this);
    palette_->setObjectName(QStringLiteral("palette"));
    layout->addWidget(Label(QStringLiteral("&Toolbars:"), barList_), 0, 0);
    layout->addWidget(Label(QStringLiteral("&Buttons of the toolbar:"), buttons_), 0, 2);
    layout->addWidget(Label(QStringLiteral("&Commands (drag onto the buttons):"), palette_), 0, 4);
    layout->addWidget(barList_, 1, 0);
    layout->addWidget(buttons_, 1, 2);
    layout->addWidget(palette_, 1, 4);

    auto* barColumn = new QVBoxLayout;
    QPushButton* create = AddButton(barColumn, QStringLiteral("&New..."), QStringLiteral("newBar"));
    rename_ = AddButton(barColumn, QStringLiteral("Re&name..."), QStringLiteral("renameBar"));
    delete_ = AddButton(barColumn, QStringLiteral("&Delete"), QStringLiteral("deleteBar"));
    QPushButton* reset = AddButton(barColumn, QStringLiteral("&Reset"), QStringLiteral("resetBar"));
    barColumn->addStretch();
    layout->addLayout(barColumn, 1, 1);

    auto* buttonColumn = new QVBoxLayout;
    buttonColumn->addStretch();
    QPushButton* add = AddButton(buttonColumn, QStringLiteral("<< &Add"), QStringLiteral("add"));
    QPushButton* remove =
        AddButton(buttonColumn, QStringLiteral("Re&move >>"), QStringLiteral("remove"));
    QPushButton* up = AddButton(buttonColumn, QStringLiteral("Move &Up"), QStringLiteral("up"));
    QPushButton* down =
        AddButton(buttonColumn, QStringLiteral("Move Do&wn"), QStringLiteral("down"));
    buttonColumn->addStretch();
    layout->addLayout(buttonColumn, 1, 3);

    connect(barList_, &QListWidget::currentRowChanged, this, &CToolbarsPage::RefreshButtons);
    connect(barList_, &QListWidget::itemChanged, this, &CToolbarsPage::OnBarItemChanged);
    connect(create, &QPushButton::clicked, this, &CToolbarsPage::OnNewBar);
    connect(rename_, &QPushButton::clicked, this, &CToolbarsPage::OnRenameBar);
    connect(delete_, &QPushButton::clicked, this, &CToolbarsPage::OnDeleteBar);
    connect(reset, &QPushButton::clicked, this, &CToolbarsPage::OnResetBar);
    connect(add, &QPushButton::clicked, this, &CToolbarsPage::OnAdd);
    connect(remove, &QPushButton::clicked, this, &CToolbarsPage::OnRemove);
    connect(up, &QPushButton::clicked, this, [this] { OnMove(-1); });
    connect(down, &QPushButton::clicked, this, [this] { OnMove(1); });
    connect(buttons_, &CCommandListWidget::Dropped, this, &CToolbarsPage::OnDropped);
    connect(palette_, &CCommandListWidget::Dropped, this, &CToolbarsPage::OnDropped);
    connect(palette_, &QListWidget::itemDoubleClicked, this, &CToolbarsPage::OnAdd);
}

QToolBar* CToolbarsPage::CurrentBar() const {
    const QListWidgetItem* item = barList_->currentItem();
    return item != nullptr ? item->data(Qt::UserRole).value<QToolBar*>() : nullptr;
}

void CToolbarsPage::SelectBar(const QToolBar* bar) {
    for (int row = 0; row < barList_->count(); ++row) {
        if (barList_->item(row)->data(Qt::UserRole).value<QToolBar*>() == bar) {
            barList_->setCurrentRow(row);
        }
    }
}

void CToolbarsPage::RefreshBars() {
    const QToolBar* current = CurrentBar();
    refreshing_ = true;
    barList_->clear();
    for (QToolBar* bar : bars_.Bars()) {
        auto* item = new QListWidgetItem(bars_.NameOf(bar), barList_);
        item->setData(Qt::UserRole, QVariant::fromValue(bar));
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(bar->isHidden() ? Qt::Unchecked : Qt::Checked);
    }
    refreshing_ = false;
    SelectBar(current);
    RefreshButtons();
}

void CToolbarsPage::RefreshButtons() {
    QToolBar* bar = CurrentBar();
    const bool user = bar != nullptr && bars_.SlotOf(bar) >= 0;
    rename_->setEnabled(user);
    delete_->setEnabled(user);
    if (bar == nullptr) {
        buttons_->clear();
        return;
    }
    buttons_->ShowCommands(actions_, bars_.Commands(bar));
}

void CToolbarsPage::OnBarItemChanged(QListWidgetItem* item) {
    if (refreshing_) {
        return;
    }
    if (auto* bar = item->data(Qt::UserRole).value<QToolBar*>()) {
        bar->setVisible(item->checkState() == Qt::Checked);
    }
}

QString CToolbarsPage::AskName(const QString& title, const QString& current) {
    bool ok = false;
    const QString name = QInputDialog::getText(this, title, QStringLiteral("Toolbar name:"),
                                               QLineEdit::Normal, current, &ok);
    return ok ? name.trimmed() : QString();
}

void CToolbarsPage::OnNewBar() {
    int used = 0;
    for (int slot = 0; slot < kUserToolbarCount; ++slot) {
        used += bars_.UserBar(slot) != nullptr ? 1 : 0;
    }
    if (used == kUserToolbarCount) {
        QMessageBox::information(this, QStringLiteral("New Toolbar"),
                                 QStringLiteral("There can be at most %1 user toolbars. Delete "
                                                "one before making another.")
                                     .arg(kUserToolbarCount));
        return;
    }
    const QString name =
        AskName(QStringLiteral("New Toolbar"), QStringLiteral("Custom %1").arg(used + 1));
    if (name.isEmpty()) {
        return;
    }
    const int slot = bars_.CreateUserBar(name);
    if (slot < 0) {
        QMessageBox::warning(this, QStringLiteral("New Toolbar"),
                             QStringLiteral("A toolbar named \"%1\" already exists.").arg(name));
        return;
    }
    RefreshBars();
    SelectBar(bars_.UserBar(slot));
}

void CToolbarsPage::OnRenameBar() {
    QToolBar* bar = CurrentBar();
    const int slot = bar != nullptr ? bars_.SlotOf(bar) : -1;
    if (slot < 0) {
        return;
    }
    const QString name = AskName(QStringLiteral("Rename Toolbar"), bars_.NameOf(bar));
    if (name.isEmpty()) {
        return;
    }
    if (!bars_.RenameUserBar(slot, name)) {
        QMessageBox::warning(this, QStringLiteral("Rename Toolbar"),
                             QStringLiteral("A toolbar named \"%1\" already exists.").arg(name));
        return;
    }
    RefreshBars();
}

void CToolbarsPage::OnDeleteBar() {
    QToolBar* bar = CurrentBar();
    const int slot = bar != nullptr ? bars_.SlotOf(bar) : -1;
    if (slot < 0) {
        return;
    }
    const auto answer =
        QMessageBox::question(this, QStringLiteral("Delete Toolbar"),
                              QStringLiteral("Delete the toolbar \"%1\"?").arg(bars_.NameOf(bar)));
    if (answer == QMessageBox::Yes) {
        barList_->setCurrentRow(0);
        bars_.DeleteUserBar(slot);
        RefreshBars();
    }
}

void CToolbarsPage::OnResetBar() {
    if (QToolBar* bar = CurrentBar()) {
        bars_.ResetBar(bar);
        RefreshButtons();
    }
}

void CToolbarsPage::OnAdd() {
    QToolBar* bar = CurrentBar();
    const int row = palette_->currentRow();
    if (bar == nullptr || row < 0) {
        return;
    }
    // After the chosen button, or at the end when none is chosen.
    const int at = buttons_->currentRow() < 0 ? buttons_->count() : buttons_->currentRow() + 1;
    if (bars_.InsertCommand(bar, palette_->CommandAt(row), at)) {
        RefreshButtons();
        buttons_->setCurrentRow(at);
    }
}

void CToolbarsPage::OnRemove() {
    QToolBar* bar = CurrentBar();
    if (bar != nullptr && buttons_->currentRow() >= 0) {
        bars_.RemoveCommand(bar, buttons_->currentRow());
        RefreshButtons();
    }
}

void CToolbarsPage::OnMove(int step) {
    QToolBar* bar = CurrentBar();
    const int from = buttons_->currentRow();
    if (bar == nullptr || from < 0 || from + step < 0 || from + step >= buttons_->count()) {
        return;
    }
    bars_.MoveCommand(bar, from, from + step);
    RefreshButtons();
    buttons_->setCurrentRow(from + step);
}

void CToolbarsPage::OnDropped(int command, int sourceRow, QObject* source, int row) {
    QToolBar* bar = CurrentBar();
    if (bar == nullptr) {
        return;
    }
    if (sender() == palette_) {
        // A button dragged off the bar goes away.
        if (source == buttons_) {
            bars_.RemoveCommand(bar, sourceRow);
        }
    } else if (source == buttons_) {
        bars_.MoveCommand(bar, sourceRow, row > sourceRow ? row - 1 : row);
    } else if (source == palette_) {
        bars_.InsertCommand(bar, command, row);
    }
    RefreshButtons();
}

}  // namespace korvo
