#include "dialogs/UserGridDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>
#include <array>

namespace korvo {

namespace {

constexpr int kGridFieldWidth = 140;

}  // namespace

CUserGridDialog::CUserGridDialog(float x, float y, QWidget* parent)
    : CKorvoDialog(kResourceId, parent),
      model_(x, y),
      fieldX_(MakeField(QStringLiteral("gridX"))),
      fieldY_(MakeField(QStringLiteral("gridY"))) {
    setWindowTitle(QStringLiteral("Set user grid size"));
    fieldX_->setText(FormatNumber(x));
    fieldY_->setText(FormatNumber(y));
    fieldX_->setFixedWidth(kGridFieldWidth);
    fieldY_->setFixedWidth(kGridFieldWidth);

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
    const std::array fields{fieldX_, fieldY_};
    return Taken(model_.Accept(TextOf(*fieldX_), TextOf(*fieldY_)), fields);
}

}  // namespace korvo
