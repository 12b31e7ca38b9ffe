#pragma once

#include <array>
#include <span>
#include <string>

#include "dialogs/DialogFields.h"
#include "platform/DocumentHost.h"

namespace korvo {

// "Helplines": the seven help lines of the sheet (three vertical, then four horizontal), each
// switched on or off and placed within the drawing area.
class CHelpLinesModel {
public:
    static constexpr int kLines = 7;
    static constexpr double kMinimum = 0.0;
    static constexpr double kMaximum = 200.0;

    explicit CHelpLinesModel(const HelpLineValues& values) : values_(values) {}
    const HelpLineValues& Values() const { return values_; }

    // OK with the check boxes and the texts of the seven position fields: all taken, or none.
    FieldCheck Accept(const std::array<bool, kLines>& shown,
                      std::span<const std::string, kLines> positions);
    // OK with the lines as they stand.
    FieldCheck Accept() const;

private:
    HelpLineValues values_;
};

}  // namespace korvo
