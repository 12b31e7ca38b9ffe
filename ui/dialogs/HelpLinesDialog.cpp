#include "dialogs/HelpLinesDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

namespace korvo {

namespace {

// The rows in the order the sheet keeps its help lines: three vertical, then four horizontal.
constexpr std::array<const char*, CHelpLinesDialog::kLines> kRowTexts{
    "Vertical Left",     "Vertical Middle",       "Vertical Right",        "Horizontal Top",
    "Horizontal Middle", "Horizontal Base-Line ", "Horizontal Line Bootom"};
constexpr int kVerticalRows = 3;
constexpr int kHelpLineFieldWidth = 80;

}  // namespace

CHelpLinesDialog::CHelpLinesDialog(const HelpLineValues& values, QWidget* parent)
    : CKorvoDialog(kResourceId, parent), model_(values) {
    setWindowTitle(QStringLiteral("Helplines"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeGroup(QStringLiteral("Helplines vertical"), 0, kVerticalRows));
    layout->addWidget(
        MakeGroup(QStringLiteral("Helplines Horizontal"), kVerticalRows, kLines - kVerticalRows));
    layout->addWidget(MakeOkCancel());
    layout->setSizeConstraint(QLayout::SetFixedSize);

    for (int row = 0; row < kLines; ++row) {
        checks_[row]->setChecked(values.flags[row] != 0);
        fields_[row]->setText(FormatNumber(values.positions[row]));
    }
    checks_.front()->setFocus(Qt::OtherFocusReason);
}

std::optional<HelpLineValues> CHelpLinesDialog::AskHelpLines(QWidget* parent,
                                                             const HelpLineValues& values) {
    CHelpLinesDialog dialog(values, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Values();
}

bool CHelpLinesDialog::ExchangeFromFields() {
    std::array<bool, kLines> shown{};
    std::array<std::string, kLines> positions;
    for (int row = 0; row < kLines; ++row) {
        shown[row] = checks_[row]->isChecked();
        positions[row] = TextOf(*fields_[row]);
    }
    return Taken(model_.Accept(shown, positions), fields_);
}

QWidget* CHelpLinesDialog::MakeGroup(const QString& title, int firstRow, int rows) {
    auto* group = new QGroupBox(title, this);
    auto* grid = new QGridLayout(group);
    for (int i = 0; i < rows; ++i) {
        const int row = firstRow + i;
        checks_[row] = new QCheckBox(QString::fromLatin1(kRowTexts[row]), group);
        checks_[row]->setObjectName(QStringLiteral("shown%1").arg(row + 1));
        fields_[row] = MakeField(QStringLiteral("position%1").arg(row + 1));
        fields_[row]->setFixedWidth(kHelpLineFieldWidth);
        grid->addWidget(checks_[row], i, 0);
        grid->addWidget(fields_[row], i, 1);
    }
    grid->setColumnStretch(0, 1);
    return group;
}

}  // namespace korvo
