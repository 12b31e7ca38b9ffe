#pragma once

#include <array>
#include <optional>

#include "dialogs/HelpLinesModel.h"
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
    static constexpr int kLines = CHelpLinesModel::kLines;

    CHelpLinesDialog(const HelpLineValues& values, QWidget* parent);

    // The values after OK.
    const HelpLineValues& Values() const { return model_.Values(); }

    // The dialog showing `values`; the edited values, or nothing when cancelled.
    static std::optional<HelpLineValues> AskHelpLines(QWidget* parent,
                                                      const HelpLineValues& values);

protected:
    bool ExchangeFromFields() override;

private:
    QWidget* MakeGroup(const QString& title, int firstRow, int rows);

    CHelpLinesModel model_;
    std::array<QCheckBox*, kLines> checks_{};
    std::array<QLineEdit*, kLines> fields_{};
};

}  // namespace korvo
