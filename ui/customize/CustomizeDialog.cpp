#include "customize/CustomizeDialog.h"

#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "customize/Customization.h"
#include "customize/KeyboardPage.h"
#include "customize/MenusPage.h"
#include "customize/OptionsPage.h"
#include "customize/ToolbarManager.h"
#include "customize/ToolbarsPage.h"

namespace korvo {

CCustomizeDialog::CCustomizeDialog(CCustomization& custom, const CCommandActions& actions,
                                   bool withGrid, QWidget* parent)
    : QDialog(parent), custom_(custom), actions_(actions), withGrid_(withGrid) {
    setWindowTitle(QStringLiteral("Customize"));
    auto* layout = new QVBoxLayout(this);
    pages_ = new QTabWidget(this);
    layout->addWidget(pages_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* resetAll =
        buttons->addButton(QStringLiteral("Reset &All"), QDialogButtonBox::ResetRole);
    resetAll->setObjectName(QStringLiteral("resetAll"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(resetAll, &QPushButton::clicked, this, &CCustomizeDialog::OnResetAll);
    BuildPages();
    resize(820, 520);
    custom_.Toolbars().SetCustomizing(true);
}

CCustomizeDialog::~CCustomizeDialog() {
    custom_.Toolbars().SetCustomizing(false);
}

void CCustomizeDialog::BuildPages() {
    const int current = pages_->currentIndex();
    while (pages_->count() > 0) {
        QWidget* page = pages_->widget(0);
        pages_->removeTab(0);
        delete page;
    }
    pages_->addTab(new CToolbarsPage(custom_.Toolbars(), actions_, withGrid_, pages_),
                   QStringLiteral("Toolbars"));
    pages_->addTab(new CKeyboardPage(custom_.Keys(), actions_, pages_), QStringLiteral("Keyboard"));
    pages_->addTab(new CMenusPage(custom_.ContextMenus(), actions_, pages_),
                   QStringLiteral("Menus"));
    pages_->addTab(new COptionsPage(custom_.Toolbars(), pages_), QStringLiteral("Options"));
    pages_->setCurrentIndex(std::max(current, 0));
}

void CCustomizeDialog::OnResetAll() {
    const auto answer = QMessageBox::question(
        this, QStringLiteral("Customize"),
        QStringLiteral("Bring back the toolbars, keys, menus and options of the first start? "
                       "Your own toolbars are deleted."));
    if (answer == QMessageBox::Yes) {
        custom_.ResetAll();
        BuildPages();
    }
}

}  // namespace korvo
