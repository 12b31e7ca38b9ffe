#include "dialogs/AboutDialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QVBoxLayout>

namespace korvo {

namespace {

constexpr int kIconSize = 32;
constexpr int kTextWidth = 240;

}  // namespace

CAboutDialog::CAboutDialog(QWidget* parent) : CKorvoDialog(kResourceId, parent) {
    setWindowTitle(QStringLiteral("About KorvoFE"));
    auto* row = new QHBoxLayout;
    const QIcon icon = QApplication::windowIcon();
    if (!icon.isNull()) {
        auto* picture = new QLabel(this);
        picture->setPixmap(icon.pixmap(kIconSize, kIconSize));
        row->addWidget(picture, 0, Qt::AlignTop);
    }
    auto* product = new QLabel(QStringLiteral("KorvoFE Version 1.0"), this);
    product->setMinimumWidth(kTextWidth);
    row->addWidget(product, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CAboutDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CAboutDialog::ShowAbout(QWidget* parent) {
    CAboutDialog dialog(parent);
    dialog.exec();
}

}  // namespace korvo
