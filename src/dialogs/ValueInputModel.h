#pragma once

#include <span>
#include <string>

#include "dialogs/DialogFields.h"
#include "platform/DialogHost.h"

namespace korvo {

// The value-input dialog: up to five labelled numbers the tools ask for exact values with. A row
// whose label is empty is not shown, and its value comes back exactly as it went in.
class CValueInputModel {
public:
    explicit CValueInputModel(const ValueInputRows& rows) : rows_(rows) {}
    const ValueInputRows& Rows() const { return rows_; }
    static bool IsShown(const ValueInputRow& row) { return !row.label.empty(); }
    int ShownRows() const;

    // OK with the texts of the shown fields, in order: all taken, or none. A refusal names the
    // row (0 ... 4) of the field.
    FieldCheck Accept(std::span<const std::string> shownTexts);

private:
    ValueInputRows rows_;
};

}  // namespace korvo
