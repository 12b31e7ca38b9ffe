#pragma once

#include <QString>
#include <array>
#include <optional>

#include "dialogs/KorvoDialog.h"
#include "platform/DialogHost.h"

class QLabel;
class QLineEdit;

namespace korvo {

// Up to five labelled numbers the tools ask for exact values with. A row whose label is empty is
// not shown, and its value comes back as it went in.
class CValueInputDialog : public CKorvoDialog {
    Q_OBJECT

public:
    static constexpr int kResourceId = 19291;
    static constexpr int kRows = kValueInputRows;
    using Labels = std::array<QString, kRows>;
    using Values = std::array<float, kRows>;

    CValueInputDialog(const Labels& labels, const Values& values, QWidget* parent);

    // The values after OK.
    const Values& GetValues() const { return values_; }

    // The dialog with the labelled values; all five values afterwards, or nothing when cancelled.
    static std::optional<Values> AskValues(QWidget* parent, const Labels& labels,
                                           const Values& values);

protected:
    bool ExchangeFromFields() override;

private:
    Values values_;
    std::array<QLabel*, kRows> labels_{};
    std::array<QLineEdit*, kRows> fields_{};
};

}  // namespace korvo
