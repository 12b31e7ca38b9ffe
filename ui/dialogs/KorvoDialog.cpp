#include "dialogs/KorvoDialog.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <cmath>
#include <limits>

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

bool CKorvoDialog::ReadInt(QLineEdit& field, int minimum, int maximum, int& value) {
    bool ok = false;
    const int read = field.text().trimmed().toInt(&ok);
    if (!ok) {
        return Refuse(field, QStringLiteral("Please enter an integer."));
    }
    if (read < minimum || read > maximum) {
        return Refuse(
            field,
            QStringLiteral("Please enter an integer between %1 and %2.").arg(minimum).arg(maximum));
    }
    value = read;
    return true;
}

bool CKorvoDialog::ReadFloat(QLineEdit& field, double minimum, double maximum, float& value) {
    float read = 0.0f;
    if (!ReadFloat(field, read)) {
        return false;
    }
    if (read < minimum || read > maximum) {
        return Refuse(field, QStringLiteral("Please enter a number between %1 and %2.")
                                 .arg(FormatNumber(minimum), FormatNumber(maximum)));
    }
    value = read;
    return true;
}

bool CKorvoDialog::ReadFloat(QLineEdit& field, float& value) {
    bool ok = false;
    const double read = field.text().trimmed().toDouble(&ok);
    const bool fits = ok && std::abs(read) <= std::numeric_limits<float>::max();
    if (!fits) {
        return Refuse(field, QStringLiteral("Please enter a number."));
    }
    value = static_cast<float>(read);
    return true;
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
