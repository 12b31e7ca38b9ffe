#include "dialogs/ValueInputDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <string>
#include <vector>

#include "dialogs/ValueInputModel.h"

namespace korvo {

namespace {

constexpr int kValueFieldWidth = 140;

}  // namespace

CValueInputDialog::CValueInputDialog(const Labels& labels, const Values& values, QWidget* parent)
    : CKorvoDialog(kResourceId, parent), values_(values) {
    auto* grid = new QGridLayout;
    QLineEdit* first = nullptr;
    for (int row = 0; row < kRows; ++row) {
        labels_[row] = new QLabel(labels[row], this);
        fields_[row] = MakeField(QStringLiteral("value%1").arg(row + 1));
        fields_[row]->setFixedWidth(kValueFieldWidth);
        fields_[row]->setText(FormatNumber(values_[row]));
        labels_[row]->setBuddy(fields_[row]);
        grid->addWidget(labels_[row], row, 0);
        grid->addWidget(fields_[row], row, 1);
        const bool shown = !labels[row].isEmpty();
        labels_[row]->setVisible(shown);
        fields_[row]->setVisible(shown);
        if (shown && first == nullptr) {
            first = fields_[row];
        }
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(MakeOkCancel());
    layout->setSizeConstraint(QLayout::SetFixedSize);
    if (first != nullptr) {
        FocusField(*first);
    }
}

std::optional<CValueInputDialog::Values> CValueInputDialog::AskValues(QWidget* parent,
                                                                      const Labels& labels,
                                                                      const Values& values) {
    CValueInputDialog dialog(labels, values, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.GetValues();
}

// Hidden rows are not read: their values stay exactly as given, not rounded through the text.
bool CValueInputDialog::ExchangeFromFields() {
    ValueInputRows rows;
    std::vector<std::string> shown;
    for (int row = 0; row < kRows; ++row) {
        rows[row] = {labels_[row]->text().toStdString(), values_[row]};
        if (CValueInputModel::IsShown(rows[row])) {
            shown.push_back(TextOf(*fields_[row]));
        }
    }
    CValueInputModel model(rows);
    if (!Taken(model.Accept(shown), fields_)) {
        return false;
    }
    for (int row = 0; row < kRows; ++row) {
        values_[row] = model.Rows()[row].value;
    }
    return true;
}

}  // namespace korvo
