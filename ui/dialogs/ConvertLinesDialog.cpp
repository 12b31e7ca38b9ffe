#include "dialogs/ConvertLinesDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/CodeModel.h"

namespace korvo {

namespace {

constexpr int kCountFieldWidth = 60;

}  // namespace

CConvertLinesDialog::CConvertLinesDialog(int count, QWidget* parent)
    : CKorvoDialog(kResourceId, parent), count_(count), field_(MakeField(QStringLiteral("count"))) {
    setWindowTitle(QStringLiteral("Convert circles and ellipses into lines."));
    field_->setText(QString::number(count_));
    field_->setFixedWidth(kCountFieldWidth);

    auto* most = new QPushButton(QStringLiteral("Use max. numer of lines for each ellipse."), this);
    most->setObjectName(QStringLiteral("asManyAsFit"));
    most->setAutoDefault(false);
    connect(most, &QPushButton::clicked, this, &CConvertLinesDialog::OnAsManyAsFit);

    auto* row = new QFormLayout;
    row->addRow(QStringLiteral("Numer of lines for each ellipse:"), field_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Split circles and ellipses into lines."), this));
    layout->addLayout(row);
    layout->addWidget(most);
    layout->addWidget(MakeOkCancel());
    layout->setSizeConstraint(QLayout::SetFixedSize);
    FocusField(*field_);
}

std::optional<int> CConvertLinesDialog::AskLineCount(QWidget* parent, int count) {
    CConvertLinesDialog dialog(count, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Count();
}

bool CConvertLinesDialog::ExchangeFromFields() {
    CCodeModel model = LineCounts::Model(count_);
    if (!Taken(model.Accept(TextOf(*field_)), std::span(&field_, 1))) {
        return false;
    }
    count_ = model.Value();
    return true;
}

// The field does not count here: whatever it holds, the answer is "as many as fit".
void CConvertLinesDialog::OnAsManyAsFit() {
    count_ = LineCounts::kAsManyAsFit;
    AcceptAsIs();
}

}  // namespace korvo
