#pragma once

#include <array>
#include <string>

#include "platform/MessageHost.h"

namespace korvo {

// One row of the value-input dialog. A row whose label is empty is hidden, and its value comes
// back unchanged.
struct ValueInputRow {
    std::string label;
    float value = 0.0f;
};
inline constexpr int kValueInputRows = 5;
using ValueInputRows = std::array<ValueInputRow, kValueInputRows>;

// The user grid dialog's range: each spacing must lie within 0 ... 1e10 before OK is accepted.
inline constexpr double kUserGridMin = 0.0;
inline constexpr double kUserGridMax = 1.0e10;

// The messages and modal dialogs a view and its tools ask. The editor answers with message boxes
// and dialogs, the session from its script, the tests from theirs. The character, convert-to-
// lines and help-lines dialogs belong to the document and are asked through its IDocumentHost.
class IDialogHost : public IMessageHost {
public:
    // Dialog 19252 "Set user grid size", prefilled with x and y; false when cancelled, else both
    // hold the accepted values (each within the range above).
    virtual bool AskUserGrid(float& x, float& y) = 0;
    // The value-input dialog with up to five labelled numbers; false when cancelled, else the
    // visible rows hold the entered values.
    virtual bool AskValues(ValueInputRows& rows) = 0;
};

}  // namespace korvo
