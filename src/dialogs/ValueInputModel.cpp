#include "dialogs/ValueInputModel.h"

#include <algorithm>

namespace korvo {

int CValueInputModel::ShownRows() const {
    return static_cast<int>(std::count_if(rows_.begin(), rows_.end(), IsShown));
}

FieldCheck CValueInputModel::Accept(std::span<const std::string> shownTexts) {
    ValueInputRows read = rows_;
    std::size_t next = 0;
    for (int row = 0; row < kValueInputRows; ++row) {
        if (!IsShown(read[row])) {
            continue;
        }
        const std::string& text = next < shownTexts.size() ? shownTexts[next] : std::string();
        ++next;
        if (FieldCheck refused = RefuseField(row, ReadNumberField(text, read[row].value))) {
            return refused;
        }
    }
    rows_ = read;
    return std::nullopt;
}

}  // namespace korvo
