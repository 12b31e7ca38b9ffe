#include "customize/WindowListDialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include "customize/DialogWidgets.h"

namespace korvo {

CWindowListDialog::CWindowListDialog(QMdiArea& area, QWidget* parent)
    : QDialog(parent), area_(area) {
    setWindowTitle(QStringLiteral("Windows"));
    auto* layout = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("windows"));
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    left->addWidget(Label(QStringLiteral("&Select window:"), list_));
    left->addWidget(list_);
    layout->addLayout(left, 1);

    auto* column = new QVBoxLayout;
    QPushButton* activate =
        AddButton(column, QStringLiteral("&Activate"), QStringLiteral("activate"));
    QPushButton* close =
        AddButton(column, QStringLiteral("&Close Window(s)"), QStringLiteral("closeWindows"));
    QPushButton* cascade = AddButton(column, QStringLiteral("Casca&de"), QStringLiteral("cascade"));
    QPushButton* tile = AddButton(column, QStringLiteral("&Tile"), QStringLiteral("tile"));
    column->addStretch();
    QPushButton* ok = AddButton(column, QStringLiteral("OK"), QStringLiteral("ok"));
    layout->addLayout(column);
    activate_ = activate;
    close_ = close;

    connect(activate, &QPushButton::clicked, this, &CWindowListDialog::OnActivate);
    connect(list_, &QListWidget::itemDoubleClicked, this, &CWindowListDialog::OnActivate);
    connect(close, &QPushButton::clicked, this, &CWindowListDialog::OnCloseWindows);
    connect(cascade, &QPushButton::clicked, this, [this] { OnArrange(false); });
    connect(tile, &QPushButton::clicked, this, [this] { OnArrange(true); });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(list_, &QListWidget::itemSelectionChanged, this, &CWindowListDialog::UpdateButtons);
    Refresh();
    resize(480, 300);
}

void CWindowListDialog::Refresh() {
    list_->clear();
    const QList<QMdiSubWindow*> windows = area_.subWindowList();
    for (QMdiSubWindow* window : windows) {
        // A closed font's window lingers until the event loop deletes it.
        if (window->isHidden()) {
            continue;
        }
        auto* item =
            new QListWidgetItem(window->windowTitle().remove(QStringLiteral("[*]")), list_);
        item->setData(Qt::UserRole, QVariant::fromValue(window));
        item->setSelected(window == area_.activeSubWindow());
    }
    UpdateButtons();
}

void CWindowListDialog::UpdateButtons() {
    const qsizetype chosen = list_->selectedItems().size();
    activate_->setEnabled(chosen == 1);
    close_->setEnabled(chosen > 0);
}

QList<QMdiSubWindow*> CWindowListDialog::Chosen() const {
    QList<QMdiSubWindow*> windows;
    for (int row = 0; row < list_->count(); ++row) {
        const QListWidgetItem* item = list_->item(row);
        if (item->isSelected()) {
            windows.append(item->data(Qt::UserRole).value<QMdiSubWindow*>());
        }
    }
    return windows;
}

void CWindowListDialog::OnActivate() {
    const QList<QMdiSubWindow*> windows = Chosen();
    if (windows.size() == 1) {
        area_.setActiveSubWindow(windows.front());
        accept();
    }
}

void CWindowListDialog::OnCloseWindows() {
    // Closing a font may ask questions and be refused; a window gone meanwhile is skipped.
    QList<QPointer<QMdiSubWindow>> windows;
    for (QMdiSubWindow* window : Chosen()) {
        windows.append(window);
    }
    for (const QPointer<QMdiSubWindow>& window : windows) {
        if (window != nullptr && !window->close()) {
            break;
        }
    }
    Refresh();
}

void CWindowListDialog::OnArrange(bool tile) {
    if (tile) {
        area_.tileSubWindows();
    } else {
        area_.cascadeSubWindows();
    }
}

}  // namespace korvo
