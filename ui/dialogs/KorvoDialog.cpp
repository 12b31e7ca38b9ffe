#include "dialogs/KorvoDialog.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace korvo {

namespace {

// Six significant digits: what a single-precision value can honestly show.
constexpr int kShownDigits = 6;

}  // namespace

CKorvoDialog::CKorvoDialog(int resourceId, QWidget* parent)
    : QDialog(parent), resourceId_(resourceId) {
    setModal(true);
}

void CKorvoDialog::accept() {
    if (ExchangeFromFields()) {
        QDialog::accept();
    }
}

QString CKorvoDialog::FormatNumber(double value) {
    return QString::number(value, 'g', kShownDigits);
}

void CKorvoDialog::ShowFieldMessage(const QString& text) {
    QMessageBox::warning(this, QStringLiteral("KorvoFE"), text);
}

void CKorvoDialog::AcceptAsIs() {
    QDialog::accept();
}

std::string CKorvoDialog::TextOf(const QLineEdit& field) {
    return field.text().toStdString();
}

bool CKorvoDialog::Taken(const FieldCheck& check, std::span<QLineEdit* const> fields) {
    return !check || Refuse(*fields[check->field], QString::fromStdString(check->message));
}

QLineEdit* CKorvoDialog::MakeField(const QString& objectName) {
    auto* field = new QLineEdit(this);
    field->setObjectName(objectName);
    return field;
}

QDialogButtonBox* CKorvoDialog::MakeOkCancel() {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &CKorvoDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CKorvoDialog::reject);
    return buttons;
}

void CKorvoDialog::FocusField(QLineEdit& field) {
    field.setFocus(Qt::OtherFocusReason);
    field.selectAll();
}

bool CKorvoDialog::Refuse(QLineEdit& field, const QString& text) {
    ShowFieldMessage(text);
    FocusField(field);
    return false;
}

}  // namespace korvo
