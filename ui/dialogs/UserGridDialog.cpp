#include "dialogs/UserGridDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace korvo {

namespace {

constexpr int kFieldWidth = 140;

}  // namespace

CUserGridDialog::CUserGridDialog(float x, float y, QWidget* parent)
    : CKorvoDialog(kResourceId, parent),
      x_(x),
      y_(y),
      fieldX_(MakeField(QStringLiteral("gridX"))),
      fieldY_(MakeField(QStringLiteral("gridY"))) {
    setWindowTitle(QStringLiteral("Set user grid size"));
    fieldX_->setText(FormatNumber(x_));
    fieldY_->setText(FormatNumber(y_));
    fieldX_->setFixedWidth(kFieldWidth);
    fieldY_->setFixedWidth(kFieldWidth);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Grid size X"), fieldX_);
    form->addRow(QStringLiteral("Grid size Y"), fieldY_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(MakeOkCancel());
    layout->setSizeConstraint(QLayout::SetFixedSize);
    FocusField(*fieldX_);
}

std::optional<std::pair<float, float>> CUserGridDialog::AskUserGrid(QWidget* parent, float x,
                                                                    float y) {
    CUserGridDialog dialog(x, y, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return std::make_pair(dialog.X(), dialog.Y());
}

bool CUserGridDialog::ExchangeFromFields() {
    float x = 0.0f;
    float y = 0.0f;
    if (!ReadFloat(*fieldX_, kMinimum, kMaximum, x) ||
        !ReadFloat(*fieldY_, kMinimum, kMaximum, y)) {
        return false;
    }
    x_ = x;
    y_ = y;
    return true;
}

}  // namespace korvo
