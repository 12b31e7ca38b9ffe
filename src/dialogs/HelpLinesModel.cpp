#include "dialogs/HelpLinesModel.h"

namespace korvo {

FieldCheck CHelpLinesModel::Accept(const std::array<bool, kLines>& shown,
                                   std::span<const std::string, kLines> positions) {
    HelpLineValues read = values_;
    for (int row = 0; row < kLines; ++row) {
        read.flags[row] = shown[row] ? 1 : 0;
        if (FieldCheck refused = RefuseField(
                row, ReadNumberField(positions[row], kMinimum, kMaximum, read.positions[row]))) {
            return refused;
        }
    }
    values_ = read;
    return std::nullopt;
}

FieldCheck CHelpLinesModel::Accept() const {
    for (int row = 0; row < kLines; ++row) {
        if (FieldCheck refused =
                RefuseField(row, CheckNumberRange(values_.positions[row], kMinimum, kMaximum))) {
            return refused;
        }
    }
    return std::nullopt;
}

}  // namespace korvo
