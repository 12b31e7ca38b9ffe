#pragma once

#include <optional>
#include <utility>

#include "dialogs/KorvoDialog.h"

class QLineEdit;

namespace korvo {

// "Set user grid size": any grid spacing, the same or different along x and y.
class CUserGridDialog : public CKorvoDialog {
    Q_OBJECT

public:
    static constexpr int kResourceId = 19252;
    static constexpr double kMinimum = 0.0;
    static constexpr double kMaximum = 1.0e10;

    CUserGridDialog(float x, float y, QWidget* parent);

    // The spacings after OK.
    float X() const { return x_; }
    float Y() const { return y_; }

    // The dialog prefilled with x and y; the accepted spacings, or nothing when cancelled.
    static std::optional<std::pair<float, float>> AskUserGrid(QWidget* parent, float x, float y);

protected:
    bool ExchangeFromFields() override;

private:
    float x_;
    float y_;
    QLineEdit* fieldX_;
    QLineEdit* fieldY_;
};

}  // namespace korvo
