#include "customize/OptionsPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QSignalBlocker>
#include <array>

#include "customize/ToolbarManager.h"
#include "view/ViewSwitches.h"

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
    zoomAboutPointer_ = new QCheckBox(QStringLiteral("&Zoom about the pointer"), this);
    zoomAboutPointer_->setObjectName(QStringLiteral("zoomAboutPointer"));
    zoomAboutPointer_->setToolTip(
        QStringLiteral("The mouse wheel zooms with the drawing under the pointer staying put, "
                       "instead of bringing that point and the pointer to the middle"));
    layout->addRow(QString(), zoomAboutPointer_);
    Refresh();
    connect(iconSize_, &QComboBox::currentIndexChanged, this,
            [this](int index) { bars_.SetIconSize(iconSize_->itemData(index).toInt()); });
    connect(textUnder_, &QCheckBox::toggled, this,
            [this](bool on) { bars_.SetTextUnderIcons(on); });
    connect(zoomAboutPointer_, &QCheckBox::toggled, this,
            [](bool on) { g_bZoomAboutPointer = on; });
}

void COptionsPage::Refresh() {
    const QSignalBlocker blockSize(iconSize_);
    const QSignalBlocker blockText(textUnder_);
    const QSignalBlocker blockZoom(zoomAboutPointer_);
    zoomAboutPointer_->setChecked(g_bZoomAboutPointer);
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
