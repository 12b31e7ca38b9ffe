#pragma once

#include <optional>

#include "dialogs/KorvoDialog.h"

class QLineEdit;

namespace korvo {

// How many lines each circle, arc or ellipse becomes before a drawing is stored; 0 (the button
// for the most lines) means as many as fit.
class CConvertLinesDialog : public CKorvoDialog {
    Q_OBJECT

public:
    static constexpr int kResourceId = 121;

    CConvertLinesDialog(int count, QWidget* parent);

    // The number of lines after OK.
    int Count() const { return count_; }

    // The dialog preset to `count`; the chosen number, or nothing when cancelled.
    static std::optional<int> AskLineCount(QWidget* parent, int count);

protected:
    bool ExchangeFromFields() override;

private:
    void OnAsManyAsFit();

    int count_;
    QLineEdit* field_;
};

}  // namespace korvo
