#pragma once

#include <array>
#include <optional>

#include "dialogs/KorvoDialog.h"
#include "platform/DocumentHost.h"

class QCheckBox;
class QLineEdit;

namespace korvo {

// "Helplines": the seven help lines of the sheet, each switched on or off and placed somewhere
// within the drawing area.
class CHelpLinesDialog : public CKorvoDialog {
    Q_OBJECT

public:
    static constexpr int kResourceId = 122;
    static constexpr int kLines = 7;
    static constexpr double kMinimum = 0.0;
    static constexpr double kMaximum = 200.0;

    CHelpLinesDialog(const HelpLineValues& values, QWidget* parent);

    // The values after OK.
    const HelpLineValues& Values() const { return values_; }

    // The dialog showing `values`; the edited values, or nothing when cancelled.
    static std::optional<HelpLineValues> AskHelpLines(QWidget* parent,
                                                      const HelpLineValues& values);

protected:
    bool ExchangeFromFields() override;

private:
    QWidget* MakeGroup(const QString& title, int firstRow, int rows);

    HelpLineValues values_;
    std::array<QCheckBox*, kLines> checks_{};
    std::array<QLineEdit*, kLines> fields_{};
};

}  // namespace korvo
