#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/DialogHost.h"

namespace korvo::test {

// What a user types into the value-input dialog: its first one or two fields.
inline ValueInputRows Typed(float first, float second = 0.0f) {
    ValueInputRows rows{};
    rows[0].value = first;
    rows[1].value = second;
    return rows;
}

// The labels and prefilled values a dialog was shown with, hidden rows left out.
using ShownRows = std::vector<std::pair<std::string, float>>;

inline ShownRows Shown(const ValueInputRows& rows) {
    ShownRows shown;
    for (const ValueInputRow& row : rows) {
        if (!row.label.empty()) {
            shown.emplace_back(row.label, row.value);
        }
    }
    return shown;
}

}  // namespace korvo::test
