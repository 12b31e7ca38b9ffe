#include "customize/OptionsPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QSignalBlocker>
#include <array>

#include "customize/ToolbarManager.h"

namespace korvo {

namespace {

constexpr std::array kIconSizes = {16, 24, 32, 48};

}  // namespace

COptionsPage::COptionsPage(CToolbarManager& bars, QWidget* parent) : QWidget(parent), bars_(bars) {
    auto* layout = new QFormLayout(this);
    iconSize_ = new QComboBox(this);
    iconSize_->setObjectName(QStringLiteral("iconSize"));
    for (const int size : kIconSizes) {
        iconSize_->addItem(QStringLiteral("%1 × %1 pixels").arg(size), size);
    }
    textUnder_ = new QCheckBox(QStringLiteral("Show &text under the images"), this);
    textUnder_->setObjectName(QStringLiteral("textUnderIcons"));
    layout->addRow(QStringLiteral("&Image size on the toolbars:"), iconSize_);
    layout->addRow(QString(), textUnder_);
    Refresh();
    connect(iconSize_, &QComboBox::currentIndexChanged, this,
            [this](int index) { bars_.SetIconSize(iconSize_->itemData(index).toInt()); });
    connect(textUnder_, &QCheckBox::toggled, this,
            [this](bool on) { bars_.SetTextUnderIcons(on); });
}

void COptionsPage::Refresh() {
    const QSignalBlocker blockSize(iconSize_);
    const QSignalBlocker blockText(textUnder_);
    const int index = iconSize_->findData(bars_.IconSize());
    if (index < 0) {
        // A size written by hand into the settings still shows as what it is.
        iconSize_->addItem(QStringLiteral("%1 × %1 pixels").arg(bars_.IconSize()),
                           bars_.IconSize());
        iconSize_->setCurrentIndex(iconSize_->count() - 1);
    } else {
        iconSize_->setCurrentIndex(index);
    }
    textUnder_->setChecked(bars_.TextUnderIcons());
}

}  // namespace korvo
