#pragma once

#include <optional>
#include <utility>

#include "dialogs/KorvoDialog.h"
#include "dialogs/UserGridModel.h"

class QLineEdit;

namespace korvo {

// "Set user grid size": any grid spacing, the same or different along x and y.
class CUserGridDialog : public CKorvoDialog {
    Q_OBJECT

public:
    static constexpr int kResourceId = 19252;

    CUserGridDialog(float x, float y, QWidget* parent);

    // The spacings after OK.
    float X() const { return model_.X(); }
    float Y() const { return model_.Y(); }

    // The dialog prefilled with x and y; the accepted spacings, or nothing when cancelled.
    static std::optional<std::pair<float, float>> AskUserGrid(QWidget* parent, float x, float y);

protected:
    bool ExchangeFromFields() override;

private:
    CUserGridModel model_;
    QLineEdit* fieldX_;
    QLineEdit* fieldY_;
};

}  // namespace korvo
